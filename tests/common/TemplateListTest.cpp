#include "ByteArrays.h"
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
    return list.addTemplate(name);
}

// Every proper prefix of a good file is refused, whatever the decoder.
template <typename Decode> void expectEveryTruncationRefused(const QByteArray &full, Decode decode)
{
    ASSERT_TRUE(decode(full).has_value());
    for (int length = 0; length < full.size(); ++length)
        EXPECT_FALSE(decode(full.left(length)).has_value()) << "prefix of " << length << " bytes";
}

} // namespace

TEST(TTemplateList, AddsLoadsAndDeletesTemplatesInTheirOwnFiles)
{
    QTemporaryDir temp;
    TextTemplateList list;
    EXPECT_FALSE(list.loadList(temp.path()));
    ASSERT_TRUE(addText(list, "One", "first"));
    ASSERT_TRUE(addText(list, "Two", "second"));
    EXPECT_FALSE(addText(list, "One", "again")) << "a duplicate name is refused";
    EXPECT_TRUE(addText(list, "one", "third")) << "names compare with case";
    EXPECT_EQ(fileNames(list), "tml1.txt tml2.txt tml3.txt");
    EXPECT_EQ(fileBytes(temp.path() + "/tml2.txt"), QByteArray("second"));
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml4.txt"));

    EXPECT_TRUE(list.loadTemplate("Two"));
    EXPECT_EQ(list.text.toStdString(), "second");
    EXPECT_TRUE(list.loadTemplate("One"));
    EXPECT_EQ(list.text.toStdString(), "first");
    EXPECT_FALSE(list.loadTemplate("TWO"));
    EXPECT_EQ(list.text.toStdString(), "first");

    list.deleteTemplate(0);
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml1.txt"));
    list.deleteTemplate(5);
    ASSERT_EQ(list.size(), 2);
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

TEST(TTemplateList, FailedSaveOfTheObjectAddsNothing)
{
    QTemporaryDir temp;
    TextTemplateList list;
    list.loadList(temp.path());
    list.savingFails = true;
    EXPECT_FALSE(addText(list, "One", "first"));
    EXPECT_EQ(list.size(), 0);

    TextTemplateList noFolder;
    EXPECT_FALSE(addText(noFolder, "One", "first"));
}

TEST(TTemplateList, DamagedListFilesGiveAnEmptyListAndTouchNoFile)
{
    const QByteArray good = TTemplateList::encode({ { "One", "tml1.txt" }, { "Two", "tml2.txt" } });
    expectEveryTruncationRefused(good, TTemplateList::decode);

    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        { "a file name leading out of the folder",
            TTemplateList::encode({ { "X", "../tml1.txt" } }) },
        { "a file name longer than 12", TTemplateList::encode({ { "X", "tml12345.text" } }) },
        { "an empty file name", TTemplateList::encode({ { "X", "" } }) },
        { "an integer for a name", bytesOf({ 1, 2, 7, 6, 1, 'a', 0 }) },
        { "no list", bytesOf({ 6, 1, 'a' }) },
    };
    QTemporaryDir temp;
    writeBytes(temp.path() + "/tml1.txt", "kept");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(temp.path() + "/texts.tml", c.bytes);
        TextTemplateList list;
        list.loadList(temp.path());
        EXPECT_EQ(list.size(), 0);
        list.deleteTemplate(0);
    }
    EXPECT_EQ(fileBytes(temp.path() + "/tml1.txt"), QByteArray("kept"));

    // Loading again clears what an earlier load brought.
    TextTemplateList list;
    writeBytes(temp.path() + "/texts.tml", good);
    ASSERT_TRUE(list.loadList(temp.path()));
    writeBytes(temp.path() + "/texts.tml", good.left(good.size() - 1));
    EXPECT_FALSE(list.loadList(temp.path()));
    EXPECT_EQ(list.size(), 0);
}

TEST(TColorList, AddsFindsRemovesAndWritesTheNamedSchemes)
{
    QTemporaryDir temp;
    TColorList list;
    EXPECT_FALSE(list.load(temp.path()));
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

TEST(TColorList, DamagedFilesGiveAnEmptyList)
{
    const QByteArray good = TColorList::encode({ { "A", ColorScheme() }, { "B", ColorScheme() } });
    expectEveryTruncationRefused(good, TColorList::decode);

    QByteArray outsidePalette = good;
    outsidePalette[3] = 16; // the first colour of "A"
    EXPECT_FALSE(TColorList::decode(outsidePalette));
    EXPECT_EQ(TColorList::decode(bytesOf({ 1, 0 }))->size(), 0);

    QTemporaryDir temp;
    writeBytes(temp.path() + "/color_t.tml", outsidePalette);
    TColorList list;
    list.add("Kept in memory only", ColorScheme());
    EXPECT_FALSE(list.load(temp.path()));
    EXPECT_EQ(list.size(), 0);
}
