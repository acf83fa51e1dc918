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
//
// Every change is written to the list file at once, and a change whose file
// cannot be written is undone and reported, so the list file, the template
// files and the list in memory always agree.
class TTemplateList
{
public:
    // File names are "tml" + n + extension, n at most this.
    static constexpr int kMaxFileNumber = 32000;

    enum class AddResult {
        Added,
        NameTaken,
        NoFreeFileName,
        // The template's file or the list file could not be written; the user was told.
        NotWritten,
    };

    // What could be read of a list file: the usable entries in order, and
    // whether that was all of it (nothing skipped, damaged, cut or left over).
    struct Read
    {
        QList<TTemplate> items;
        bool whole = false;
    };

    explicit TTemplateList(QString listFileName);
    virtual ~TTemplateList();
    TTemplateList(const TTemplateList &) = delete;
    TTemplateList &operator=(const TTemplateList &) = delete;

    // Reads the list file of the user folder, which the list keeps for its
    // template files. A damaged file gives the entries that can be read; one
    // that cannot be read at all gives none. True when there is no file or it
    // was read whole.
    bool loadList(const QString &userFolder);
    // Rewrites the list file in the user folder (beside the old one, then
    // renamed); false when nothing was written. A list read only in part is
    // not written until the user changes it: writing it would drop what could
    // not be read.
    bool saveList(const QString &userFolder);
    bool readWhole() const { return m_readWhole; }

    // Saves the current object as a new template and writes the list. A name
    // already in the list (exact comparison) or no free file name is left to
    // the caller to tell; a failed write is reported here and leaves no file.
    AddResult addTemplate(const QString &name);
    // Loads the current object from the template of exactly this name.
    bool loadTemplate(const QString &name);
    // Removes the template and writes the list; then deletes the template's
    // file when the list's own naming made it (any other file an entry may
    // name stays). When the list cannot be written, the failure is reported
    // and the template stays; false then, and for an index out of range.
    bool deleteTemplate(int index);

    std::optional<int> find(const QString &name) const;
    const QList<TTemplate> &items() const { return m_items; }
    int size() const { return static_cast<int>(m_items.size()); }
    const QString &listFileName() const { return m_listFileName; }
    const QString &userFolder() const { return m_userFolder; }

    // As much as can be read; a damaged entry is skipped and reading goes on
    // at the next well-formed one.
    static Read readItems(const QByteArray &bytes);
    // Only a list that reads whole.
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
    QString fileNameFor(int number) const;
    // The first name no entry uses and no file of the user folder has, both
    // ignoring case.
    std::optional<QString> freeFileName() const;
    bool isOwnFileName(const QString &fileName) const;
    bool writeList();

    QString m_listFileName;
    QString m_userFolder;
    QList<TTemplate> m_items;
    bool m_readWhole = true;
};

} // namespace zendrova
