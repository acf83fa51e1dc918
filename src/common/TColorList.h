#pragma once

#include "common/TColorRec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace zendrova {

// The colour templates, kept in "color_t.tml" of the user folder: a filer list
// holding per template its name (short string) and its 27 scheme bytes.
class TColorList
{
public:
    static inline const QString kFileName = QStringLiteral("color_t.tml");

    // A missing, unreadable or damaged file leaves the list empty; false then.
    bool load(const QString &userFolder);
    // Rewrites the file (beside the old one, then renamed); false when nothing was written.
    bool save(const QString &userFolder) const;

    // False for a name already in the list (exact comparison).
    bool add(const QString &name, const ColorScheme &scheme);
    std::optional<int> find(const QString &name) const;
    void removeAt(int index);

    const QList<TColorRec> &items() const { return m_items; }
    int size() const { return static_cast<int>(m_items.size()); }

    static std::optional<QList<TColorRec>> decode(const QByteArray &bytes);
    static QByteArray encode(const QList<TColorRec> &items);

private:
    QList<TColorRec> m_items;
};

} // namespace zendrova
