#include "ByteArrays.h"
#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "common/TColorList.h"
#include "common/TTemplateList.h"
#include "common/WholeFile.h"

using namespace zendrova;
using namespace zendrova::test;

namespace {

// The smallest concrete list: its current object is one text.
class TextTemplateList : public TTemplateList
{
public:
    explicit TextTemplateList(QString extension = ".txt")
        : TTemplateList("texts.tml")
        , m_extension(std::move(extension))
    { }

    QString text;
    bool savingFails = false;

protected:
    QString fileExtension() const override { return m_extension; }
    bool saveCurrent(const QString &path) override
    {
        return !savingFails && writeWholeFile(path, text.toUtf8());
    }
    bool loadCurrent(const QString &path) override
    {
        const auto bytes = readWholeFile(path, 1024);
        if (!bytes)
            return false;
        text = QString::fromUtf8(*bytes);
        return true;
    }

private:
    QString m_extension;
};

// The file names in list order, separated by blanks.
std::string fileNames(const TTemplateList &list)
{
    QStringList names;
    for (const TTemplate &item : list.items())
        names.append(item.fileName);
    return names.join(' ').toStdString();
}

bool addText(TextTemplateList &list, const QString &name, const QString &text)
{
    list.text = text;
    return list.addTemplate(name) == TTemplateList::AddResult::Added;
}

template <typename Item> QStringList namesOf(const QList<Item> &items)
{
    QStringList names;
    for (const Item &item : items)
        names.append(item.name);
    return names;
}

// Every proper prefix of a good file reads as some of its first items and
// never as whole, whatever the reader.
template <typename ReadItems>
void expectEveryTruncationReadInPart(const QByteArray &full, ReadItems read)
{
    const auto all = read(full);
    ASSERT_TRUE(all.whole);
    for (int length = 0; length < full.size(); ++length) {
        const auto part = read(full.left(length));
        EXPECT_FALSE(part.whole) << "prefix of " << length << " bytes";
        EXPECT_EQ(part.items, all.items.mid(0, part.items.size()))
            << "prefix of " << length << " bytes";
    }
}

const QString kNotSaved = QStringLiteral("Could not write the file \"%1\".\rTemplate Not Saved!");
const QString kNotDeleted
    = QStringLiteral("Could not write the file \"%1\".\rTemplate Not Deleted!");

} // namespace

TEST(TTemplateList, AddsLoadsAndDeletesTemplatesInTheirOwnFiles)
{
    QTemporaryDir temp;
    TextTemplateList list;
    EXPECT_TRUE(list.loadList(temp.path())) << "no list file is no damage";
    ASSERT_TRUE(addText(list, "One", "first"));
    ASSERT_TRUE(addText(list, "Two", "second"));
    EXPECT_FALSE(addText(list, "One", "again")) << "a duplicate name is refused";
    EXPECT_TRUE(addText(list, "one", "third")) << "names compare with case";
    EXPECT_EQ(fileNames(list), "tml1.txt tml2.txt tml3.txt");
    EXPECT_EQ(TTemplateList::decode(fileBytes(temp.path() + "/texts.tml")), list.items())
        << "each change is in the list file at once";
    EXPECT_EQ(fileBytes(temp.path() + "/tml2.txt"), QByteArray("second"));
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml4.txt"));

    EXPECT_TRUE(list.loadTemplate("Two"));
    EXPECT_EQ(list.text.toStdString(), "second");
    EXPECT_TRUE(list.loadTemplate("One"));
    EXPECT_EQ(list.text.toStdString(), "first");
    EXPECT_FALSE(list.loadTemplate("TWO"));
    EXPECT_EQ(list.text.toStdString(), "first");

    EXPECT_TRUE(list.deleteTemplate(0));
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml1.txt"));
    EXPECT_FALSE(list.deleteTemplate(5));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(TTemplateList::decode(fileBytes(temp.path() + "/texts.tml")), list.items());
    // The freed number is the smallest free one, so the next template takes it.
    ASSERT_TRUE(addText(list, "Four", "fourth"));
    EXPECT_EQ(fileNames(list), "tml2.txt tml3.txt tml1.txt");
    EXPECT_EQ(fileBytes(temp.path() + "/tml1.txt"), QByteArray("fourth"));

    // A template whose file went missing cannot be loaded.
    QFile::remove(temp.path() + "/tml3.txt");
    EXPECT_FALSE(list.loadTemplate("one"));
}

TEST(TTemplateList, ListFileHoldsNamesAndFileNamesAsFilerStrings)
{
    QTemporaryDir temp;
    TextTemplateList list;
    list.loadList(temp.path());
    ASSERT_TRUE(addText(list, "Ab", "x"));
    ASSERT_TRUE(addText(list, QString(300, 'n'), "y"));
    ASSERT_TRUE(list.saveList(temp.path()));

    QByteArray expected
        = bytesOf({ 1, 6, 2, 'A', 'b', 6, 8, 't', 'm', 'l', '1', '.', 't', 'x', 't' });
    expected += bytesOf({ 12, 0x2C, 0x01, 0, 0 }) + QByteArray(300, 'n');
    expected += bytesOf({ 6, 8, 't', 'm', 'l', '2', '.', 't', 'x', 't', 0 });
    EXPECT_EQ(hex(fileBytes(temp.path() + "/texts.tml")), hex(expected));

    TextTemplateList again;
    ASSERT_TRUE(again.loadList(temp.path()));
    EXPECT_EQ(again.items(), list.items());
    EXPECT_TRUE(again.loadTemplate(QString(300, 'n')));
    EXPECT_EQ(again.text.toStdString(), "y");
}

TEST(TTemplateList, FileNamesAreCutTo12CharactersAndRunOutAfter32000)
{
    QTemporaryDir temp;
    TextTemplateList longExtension(".abcdefgh");
    longExtension.loadList(temp.path());
    ASSERT_TRUE(addText(longExtension, "A", "a"));
    EXPECT_EQ(fileNames(longExtension), "tml1.abcdefg");
    EXPECT_TRUE(QFile::exists(temp.path() + "/tml1.abcdefg"));

    QList<TTemplate> full;
    for (int n = 1; n <= 32000; ++n)
        full.append({ QString::number(n), QString("tml%1.flt").arg(n) });
    writeBytes(temp.path() + "/texts.tml", TTemplateList::encode(full));
    TextTemplateList list(".flt");
    ASSERT_TRUE(list.loadList(temp.path()));
    EXPECT_FALSE(addText(list, "one more", "z"));
    list.deleteTemplate(31999);
    ASSERT_TRUE(addText(list, "one more", "z"));
    EXPECT_EQ(list.items().last().fileName.toStdString(), "tml32000.flt");
}

TEST(TTemplateList, AFailedWriteIsReportedWithItsFileAndUndoesTheChange)
{
    QTemporaryDir temp;
    ScriptedInteraction user;
    TextTemplateList list;
    list.loadList(temp.path());
    ASSERT_TRUE(addText(list, "Kept", "kept"));
    const QByteArray listBefore = fileBytes(temp.path() + "/texts.tml");

    // The template's own file.
    list.savingFails = true;
    user.expectMessage(
        MessageKind::Error, kNotSaved.arg(temp.path() + "/tml2.txt"), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(addText(list, "One", "first"));
    list.savingFails = false;
    EXPECT_EQ(fileNames(list), "tml1.txt");

    // The list file: a folder stands where it would be renamed to.
    ASSERT_TRUE(QFile::remove(temp.path() + "/texts.tml"));
    ASSERT_TRUE(QDir(temp.path()).mkdir("texts.tml"));
    user.expectMessage(
        MessageKind::Error, kNotSaved.arg(temp.path() + "/texts.tml"), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(addText(list, "Two", "second"));
    EXPECT_EQ(fileNames(list), "tml1.txt");
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml2.txt")) << "no file without its entry";
    user.expectMessage(MessageKind::Error, kNotDeleted.arg(temp.path() + "/texts.tml"),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(list.deleteTemplate(0));
    EXPECT_EQ(fileNames(list), "tml1.txt");
    EXPECT_EQ(fileBytes(temp.path() + "/tml1.txt"), QByteArray("kept"))
        << "no entry without its file";

    // Once the list can be written again, nothing was lost.
    ASSERT_TRUE(QDir(temp.path()).rmdir("texts.tml"));
    writeBytes(temp.path() + "/texts.tml", listBefore);
    TextTemplateList again;
    ASSERT_TRUE(again.loadList(temp.path()));
    EXPECT_TRUE(again.loadTemplate("Kept"));
    EXPECT_EQ(again.text.toStdString(), "kept");
    EXPECT_TRUE(user.allConsumed());

    TextTemplateList noFolder;
    EXPECT_FALSE(addText(noFolder, "One", "first"));
}

TEST(TTemplateList, ADamagedListKeepsEveryEntryThatCanBeRead)
{
    const QByteArray good = TTemplateList::encode(
        { { "One", "tml1.txt" }, { "Two", "tml2.txt" }, { QString(300, 'x'), "tml3.txt" } });
    expectEveryTruncationReadInPart(good, TTemplateList::readItems);

    const struct
    {
        const char *what;
        QByteArray bytes;
        QStringList readable;
    } cases[] = {
        { "a type byte that is no string", templatesFixture("BrokenFiltersBadType.tml"),
            { "Rookies", "Vintage" } },
        { "a length past the end", templatesFixture("BrokenFiltersLongLength.tml"),
            { "Rookies", "Vintage" } },
        { "a zero type byte that looks like the end", templatesFixture("BrokenFiltersZeroType.tml"),
            { "Rookies", "Vintage" } },
        { "a file name leading out of the folder",
            templatesFixture("BrokenFiltersOutsideFolder.tml"), { "Rookies", "Vintage" } },
        { "cut inside the last entry", templatesFixture("BrokenFiltersCut.tml"),
            { "Rookies", "Stars" } },
        { "a file name longer than 12",
            TTemplateList::encode({ { "X", "tml12345.text" }, { "Y", "tml1.txt" } }), { "Y" } },
        { "an empty file name", TTemplateList::encode({ { "X", "" } }), {} },
        { "an integer for a name", bytesOf({ 1, 2, 7, 6, 1, 'a', 0 }), {} },
        { "bytes after the list end", good + bytesOf({ 9 }), { "One", "Two", QString(300, 'x') } },
        { "no list", bytesOf({ 6, 1, 'a' }), {} },
        { "nothing", QByteArray(), {} },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TTemplateList::Read read = TTemplateList::readItems(c.bytes);
        EXPECT_EQ(namesOf(read.items), c.readable);
        EXPECT_FALSE(read.whole);
        EXPECT_EQ(TTemplateList::decode(c.bytes), std::nullopt);
    }
    // What was read is what those entries say.
    const auto read = TTemplateList::readItems(templatesFixture("BrokenFiltersBadType.tml"));
    EXPECT_EQ(
        read.items, (QList<TTemplate> { { "Rookies", "tml1.flt" }, { "Vintage", "tml3.flt" } }));
}

TEST(TTemplateList, AListReadOnlyInPartIsWrittenAgainOnlyAfterAChange)
{
    QTemporaryDir temp;
    const QString listPath = temp.path() + "/texts.tml";
    const QByteArray damaged = templatesFixture("BrokenFiltersBadType.tml");
    writeBytes(listPath, damaged);
    TextTemplateList list(".flt");
    EXPECT_FALSE(list.loadList(temp.path()));
    EXPECT_FALSE(list.readWhole());
    EXPECT_EQ(fileNames(list), "tml1.flt tml3.flt");
    // As at the end of a run: writing it would lose "Stars".
    EXPECT_FALSE(list.saveList(temp.path()));
    EXPECT_EQ(fileBytes(listPath), damaged);

    // A list file that cannot be read at all is no empty list either.
    TextTemplateList unreadable;
    writeBytes(temp.path() + "/other/texts.tml", QByteArray(5 * 1024 * 1024, '\x01'));
    EXPECT_FALSE(unreadable.loadList(temp.path() + "/other"));
    EXPECT_FALSE(unreadable.saveList(temp.path() + "/other"));
    EXPECT_EQ(QFileInfo(temp.path() + "/other/texts.tml").size(), 5 * 1024 * 1024);

    // The user's own change is written, with what could be read.
    ASSERT_TRUE(addText(list, "New", "new"));
    EXPECT_EQ(fileNames(list), "tml1.flt tml3.flt tml2.flt")
        << "tml2.flt may still lie on disk for the damaged entry";
    EXPECT_EQ(TTemplateList::decode(fileBytes(listPath)), list.items());
    EXPECT_TRUE(list.readWhole());
    EXPECT_TRUE(list.saveList(temp.path()));
}

TEST(TTemplateList, ANewTemplateNeverTakesTheNameOfAFileOnDisk)
{
    QTemporaryDir temp;
    writeBytes(temp.path() + "/tml1.txt", "a stranger's");
    writeBytes(temp.path() + "/TML2.TXT", "another one");
    ASSERT_TRUE(QDir(temp.path()).mkdir("tml3.txt"));
    TextTemplateList list;
    list.loadList(temp.path());
    ASSERT_TRUE(addText(list, "Mine", "mine"));
    EXPECT_EQ(fileNames(list), "tml4.txt");
    EXPECT_EQ(fileBytes(temp.path() + "/tml1.txt"), QByteArray("a stranger's"));
    EXPECT_EQ(fileBytes(temp.path() + "/TML2.TXT"), QByteArray("another one"));
    EXPECT_EQ(fileBytes(temp.path() + "/tml4.txt"), QByteArray("mine"));
}

TEST(TTemplateList, DeleteRemovesOnlyFilesOfTheListsOwnNaming)
{
    QTemporaryDir temp;
    const QStringList others { "filter.dat", "users.lst", "texts.tml", "tml1.flt", "tml01.txt",
        "tml0.txt", "tml32001.txt", "tml2.txtx" };
    QList<TTemplate> entries;
    for (const QString &name : others) {
        entries.append(TTemplate { name, name });
        if (name != "texts.tml") {
            writeBytes(temp.path() + "/" + name, name.toLatin1());
        }
    }
    entries.append(TTemplate { "Own", "TML5.TXT" });
    entries.append(TTemplate { "Twice", "tml6.txt" });
    entries.append(TTemplate { "Twice again", "tml6.txt" });
    writeBytes(temp.path() + "/tml5.txt", "own");
    writeBytes(temp.path() + "/tml6.txt", "shared");
    writeBytes(temp.path() + "/texts.tml", TTemplateList::encode(entries));

    TextTemplateList list;
    ASSERT_TRUE(list.loadList(temp.path()));
    for (const QString &name : others) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(list.deleteTemplate(*list.find(name)));
        EXPECT_FALSE(list.find(name).has_value());
        if (name != "texts.tml") {
            EXPECT_EQ(fileBytes(temp.path() + "/" + name), name.toLatin1());
        }
    }
    EXPECT_TRUE(TTemplateList::decode(fileBytes(temp.path() + "/texts.tml")).has_value())
        << "the list file itself is still there";

    ASSERT_TRUE(list.deleteTemplate(*list.find("Own")));
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml5.txt")) << "found ignoring case";
    ASSERT_TRUE(list.deleteTemplate(*list.find("Twice")));
    EXPECT_TRUE(QFile::exists(temp.path() + "/tml6.txt")) << "another entry still names it";
    ASSERT_TRUE(list.deleteTemplate(*list.find("Twice again")));
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml6.txt"));
    EXPECT_EQ(list.size(), 0);
}

TEST(TColorList, AddsFindsRemovesAndWritesTheNamedSchemes)
{
    QTemporaryDir temp;
    TColorList list;
    EXPECT_TRUE(list.load(temp.path())) << "no file is no damage";
    ColorScheme warm;
    warm.elements.fill(5);
    warm.elements[26] = 15;
    ASSERT_TRUE(list.add("Warm", warm));
    ASSERT_TRUE(list.add("Plain", ColorScheme()));
    EXPECT_FALSE(list.add("Warm", ColorScheme())) << "a duplicate name is refused";
    ASSERT_TRUE(list.add("warm", ColorScheme()));
    EXPECT_EQ(list.find("Plain"), 1);
    EXPECT_EQ(list.find("warm"), 2);
    EXPECT_EQ(list.find("WARM"), std::nullopt);
    EXPECT_EQ(list.items().at(0).scheme, warm);
    list.removeAt(2);
    list.removeAt(7);
    ASSERT_EQ(list.size(), 2);
    ASSERT_TRUE(list.save(temp.path()));

    QByteArray expected
        = bytesOf({ 1, 4, 'W', 'a', 'r', 'm' }) + QByteArray(26, 5) + bytesOf({ 15 });
    expected += bytesOf({ 5, 'P', 'l', 'a', 'i', 'n', 6, 1, 0, 14, 6, 1, 14, 1, 0, 14, 6, 1, 1, 1,
        1, 15, 0, 15, 0, 12, 1, 6, 5, 0, 1, 1, 1, 0 });
    EXPECT_EQ(hex(fileBytes(temp.path() + "/color_t.tml")), hex(expected));

    TColorList again;
    ASSERT_TRUE(again.load(temp.path()));
    EXPECT_EQ(again.items(), list.items());
}

TEST(TColorList, ADamagedFileKeepsEveryTemplateThatCanBeRead)
{
    const QByteArray good = TColorList::encode({ { "A", ColorScheme() }, { "B", ColorScheme() } });
    expectEveryTruncationReadInPart(good, TColorList::readItems);
    EXPECT_EQ(TColorList::decode(bytesOf({ 1, 0 }))->size(), 0);

    const struct
    {
        const char *what;
        QByteArray bytes;
        QStringList readable;
    } cases[] = {
        { "a colour outside the palette", templatesFixture("BrokenColorsOutsidePalette.tml"),
            { "Warm", "Cold" } },
        { "cut inside the last template", templatesFixture("BrokenColorsCut.tml"), { "Warm" } },
        { "bytes after the list end", good + bytesOf({ 0 }), { "A", "B" } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TColorList::Read read = TColorList::readItems(c.bytes);
        EXPECT_EQ(namesOf(read.items), c.readable);
        EXPECT_FALSE(read.whole);
        EXPECT_EQ(TColorList::decode(c.bytes), std::nullopt);
    }

    QTemporaryDir temp;
    writeBytes(temp.path() + "/color_t.tml", templatesFixture("BrokenColorsOutsidePalette.tml"));
    TColorList list;
    list.add("Kept in memory only", ColorScheme());
    EXPECT_FALSE(list.load(temp.path()));
    EXPECT_EQ(namesOf(list.items()), (QStringList { "Warm", "Cold" }));
}
