#include "store/LookupList.h"
#include "dbase/Cp1252.h"
#include "dbase/KeyBuffer.h"
#include "dbase/StarterLists.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"
#include "dbase/szdd/Szdd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zendrova {

namespace {
constexpr int kItemPosition = 0;

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}
} // namespace

LookupList::LookupList(const QString &folder, const QString &fileName)
    : m_folder(folder)
    , m_fileName(fileName)
    , m_table(std::make_unique<dbase::Table>())
{ }

LookupList::~LookupList() = default;

bool LookupList::isOpen() const
{
    return m_table->isOpen();
}

QString LookupList::path() const
{
    return QDir(m_folder).filePath(m_fileName);
}

void LookupList::open()
{
    try {
        openWith(kItemTag, false);
    } catch (const dbase::Error &error) {
        if (error.kind() != dbase::ErrorKind::NotFound
            || !dbase::TableFamily::exists(path().toStdString()))
            throw;
        // The list lost its index or never had one: give it the tag when nobody
        // else uses it, else read it in file order for now.
        restoreTag();
        try {
            openWith(kItemTag, false);
        } catch (const dbase::Error &) {
            openWith({}, false);
        }
    }
    m_width = m_table->fieldInfo(kItemPosition).length;
}

void LookupList::openWith(const std::string &tag, bool exclusive)
{
    m_table->setFolder(m_folder.toStdString());
    m_table->setFileName(m_fileName.toStdString());
    m_table->setExclusive(exclusive);
    m_table->setIndexName(tag);
    m_table->open();
}

void LookupList::restoreTag() noexcept
{
    try {
        dbase::TableFamily::syncProductionFlag(path().toStdString());
        openWith({}, true);
        const bool hasTag = m_table->hasIndex() && [this] {
            for (const dbase::TagInfo &tag : m_table->indexDefinitions())
                if (tag.name == kItemTag)
                    return true;
            return false;
        }();
        if (!hasTag)
            m_table->addIndex(kItemTag, m_table->fieldInfo(kItemPosition).name, false);
    } catch (const dbase::Error &) {
        // In use or damaged: the caller opens what it can.
    }
    close();
}

void LookupList::close() noexcept
{
    try {
        if (m_table->state() == dbase::Table::State::Insert
            || m_table->state() == dbase::Table::State::Edit)
            m_table->cancel();
        m_table->close();
    } catch (const dbase::Error &) {
        // The list was only read or its change already failed and was reported.
    }
}

QStringList LookupList::readItems()
{
    open();
    QStringList items;
    try {
        for (m_table->first(); !m_table->eof(); m_table->next())
            items << currentItem();
    } catch (...) {
        close();
        throw;
    }
    close();
    return items;
}

void LookupList::addItem(const QString &text)
{
    open();
    try {
        appendRow(text);
    } catch (...) {
        close();
        throw;
    }
    close();
}

void LookupList::appendRow(const QString &text)
{
    appendRow(tableText(text));
}

void LookupList::appendRow(std::string_view cp1252Text)
{
    m_table->append();
    try {
        m_table->setString(kItemPosition, cp1252Text);
        m_table->post();
    } catch (...) {
        m_table->cancel();
        throw;
    }
}

bool LookupList::hasItem(std::string_view cp1252Text)
{
    // Compared as stored: cut to the column, trailing blanks ignored.
    std::string_view wanted = cp1252Text.substr(0, size_t(m_width));
    wanted = withoutTrailingBlanks(wanted);
    if (m_table->indexName() == kItemTag) {
        // The tag finds keys that start with the text; the first of them is the
        // text itself when the list holds it.
        dbase::KeyBuffer key = m_table->keyBuffer();
        key.setString(kItemPosition, wanted);
        return m_table->findKey(key, true) && !m_table->eof()
            && m_table->asString(kItemPosition) == wanted;
    }
    for (m_table->first(); !m_table->eof(); m_table->next())
        if (m_table->asString(kItemPosition) == wanted)
            return true;
    return false;
}

QString LookupList::currentItem() const
{
    return itemText(m_table->asString(kItemPosition));
}

QString LookupList::stored(const QString &text) const
{
    std::string bytes = tableText(text);
    if (m_width > 0 && bytes.size() > size_t(m_width))
        bytes.resize(size_t(m_width));
    return itemText(withoutTrailingBlanks(bytes));
}

std::string LookupList::tableText(const QString &text)
{
    return dbase::utf8ToCp1252(text.toStdString());
}

QString LookupList::itemText(std::string_view cp1252Text)
{
    return QString::fromStdString(dbase::cp1252ToUtf8(cp1252Text));
}

bool LookupList::createFromTemplate(const QString &templateFolder, const QString &target)
{
    return copyList(QDir(templateFolder).filePath(kTemplateName), target);
}

bool LookupList::createStarter(const QString &templateFolder, const QString &target)
{
    const QString starter = QDir(templateFolder)
                                .filePath(QString::fromStdString(dbase::layout::starterFileName(
                                    QFileInfo(target).fileName().toLower().toStdString())));
    if (dbase::TableFamily::exists(starter.toStdString()))
        return copyList(starter, target);
    return createFromTemplate(templateFolder, target);
}

bool LookupList::copyList(const QString &sourceList, const QString &target)
{
    const std::string source = sourceList.toStdString();
    const auto templateFiles = dbase::TableFamily::find(source);
    if (!templateFiles || !dbase::copyFileExpanding(templateFiles->dbf, target.toStdString()))
        return false;
    const QFileInfo targetInfo(target);
    const QString targetIndex
        = targetInfo.dir().filePath(targetInfo.completeBaseName() + QStringLiteral(".mdx"));
    if (templateFiles->mdx)
        return dbase::copyFileExpanding(*templateFiles->mdx, targetIndex.toStdString());
    // An index left from an earlier list would not describe the fresh table.
    QFile::remove(targetIndex);
    return true;
}

} // namespace zendrova
