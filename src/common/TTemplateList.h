#pragma once

#include "common/TTemplate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace zendrova {

// Named templates of one kind (filters, column headers, captions). The list
// file in the user folder holds each template's name and file name; each
// template's object lies in its own file beside it. A concrete list says how
// its object is written to and read from such a file.
class TTemplateList
{
public:
    // File names are "tml" + n + extension, n at most this.
    static constexpr int kMaxFileNumber = 32000;

    explicit TTemplateList(QString listFileName);
    virtual ~TTemplateList();
    TTemplateList(const TTemplateList &) = delete;
    TTemplateList &operator=(const TTemplateList &) = delete;

    // Reads the list file of the user folder, which the list keeps for its
    // template files. A missing, unreadable or damaged file leaves the list
    // empty; false then.
    bool loadList(const QString &userFolder);
    // Rewrites the list file in the user folder (beside the old one, then
    // renamed); false when nothing was written.
    bool saveList(const QString &userFolder);

    // Saves the current object as a new template. Fails for a name already in
    // the list (exact comparison), when no file name is free, or when the
    // object could not be saved; the caller tells the user.
    bool addTemplate(const QString &name);
    // Loads the current object from the template of exactly this name.
    bool loadTemplate(const QString &name);
    // Removes the template and deletes its file.
    void deleteTemplate(int index);

    std::optional<int> find(const QString &name) const;
    const QList<TTemplate> &items() const { return m_items; }
    int size() const { return static_cast<int>(m_items.size()); }
    const QString &listFileName() const { return m_listFileName; }
    const QString &userFolder() const { return m_userFolder; }

    static std::optional<QList<TTemplate>> decode(const QByteArray &bytes);
    static QByteArray encode(const QList<TTemplate> &items);

protected:
    // With its leading dot, e.g. ".flt".
    virtual QString fileExtension() const = 0;
    // Writes the current object to the file at path, beside and renamed as
    // writeWholeFile does; false when not written.
    virtual bool saveCurrent(const QString &path) = 0;
    // Replaces the current object with the one in the file at path; false when
    // the file is missing or unusable.
    virtual bool loadCurrent(const QString &path) = 0;

private:
    std::optional<QString> freeFileName() const;

    QString m_listFileName;
    QString m_userFolder;
    QList<TTemplate> m_items;
};

} // namespace zendrova
