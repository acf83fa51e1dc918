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

    // What could be read of the file: the usable templates in order, and
    // whether that was all of it.
    struct Read
    {
        QList<TColorRec> items;
        bool whole = false;
    };

    // A damaged file gives the templates that can be read, one that cannot be
    // read at all none. True when there is no file or it was read whole.
    bool load(const QString &userFolder);
    // Rewrites the file (beside the old one, then renamed); false when nothing was written.
    bool save(const QString &userFolder) const;

    // False for a name already in the list (exact comparison).
    bool add(const QString &name, const ColorScheme &scheme);
    std::optional<int> find(const QString &name) const;
    void removeAt(int index);

    const QList<TColorRec> &items() const { return m_items; }
    int size() const { return static_cast<int>(m_items.size()); }

    // As much as can be read: a template with a colour outside the palette is
    // skipped, a cut file gives the templates before the cut.
    static Read readItems(const QByteArray &bytes);
    // Only a file that reads whole.
    static std::optional<QList<TColorRec>> decode(const QByteArray &bytes);
    static QByteArray encode(const QList<TColorRec> &items);

private:
    QList<TColorRec> m_items;
};

} // namespace zendrova
