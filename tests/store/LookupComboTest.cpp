#include "LookupFixtures.h"
#include "store/LookupItems.h"
#include "store/ui/TLookup.h"
#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

TEST(LookupItemsTest, CompletesFromTheFirstItemBeginningWithTheTypedPrefix)
{
    const LookupItems items({"Hockey", "Basketball", "Baseball", "baseline"});
    EXPECT_EQ(items.items(), QStringList({"Baseball", "baseline", "Basketball", "Hockey"}));
    struct Case
    {
        QString text;
        int caret;
        QChar typed;
        QString completed; // empty: the character is typed normally
        int selectionStart;
    };
    const Case cases[] = {
        {"Ba", 2, 's', "Baseball", 3},
        {"Baseball", 3, 'k', "Basketball", 4}, // the selected rest is replaced
        {"Bxyz", 1, 'a', "Baseball", 2},       // text after the caret does not count
        {"ba", 2, 's', "baseline", 3},         // case decides which item fits
        {"Bas", 3, 'E', "", 0},
        {"", 0, 'h', "", 0},
        {"", 0, 'H', "Hockey", 1},
    };
    for (const Case &c : cases) {
        const auto completion = items.complete(c.text, c.caret, c.typed);
        SCOPED_TRACE(c.text.toStdString() + " + " + QString(c.typed).toStdString());
        if (c.completed.isEmpty()) {
            EXPECT_FALSE(completion);
            continue;
        }
        ASSERT_TRUE(completion);
        EXPECT_EQ(completion->text, c.completed);
        EXPECT_EQ(items.items().at(completion->index), c.completed);
        EXPECT_EQ(completion->selectionStart, c.selectionStart);
    }
}

class LookupComboTest : public ::testing::Test
{
protected:
    // A window with the combos under test and a plain edit to move the focus to.
    TLookup *addCombo(const QString &source)
    {
        auto *combo = new TLookup(folder.state, &window);
        layout->addWidget(combo);
        combo->setSource(source);
        return combo;
    }
    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void type(TLookup *combo, const QString &keys)
    {
        combo->setFocus();
        QTest::keyClicks(combo, keys);
    }
    void leave() { other->setFocus(Qt::TabFocusReason); }

    ScriptedInteraction user;
    LookupFolder folder;
    QWidget window;
    QVBoxLayout *layout = new QVBoxLayout(&window);
    QLineEdit *other = new QLineEdit(&window);
};

TEST_F(LookupComboTest, TypingCompletesFromTheListWithTheRestSelected)
{
    folder.writeList("list1.dbf", {"Basketball", "Baseball"});
    TLookup *combo = addCombo("list1.dbf");
    showWindow();
    EXPECT_EQ(combo->items().items(), QStringList({"Baseball", "Basketball"}));

    type(combo, "Bas");
    EXPECT_EQ(combo->currentText(), "Baseball");
    EXPECT_EQ(combo->lineEdit()->selectedText(), "eball");
    QTest::keyClicks(combo, "k");
    EXPECT_EQ(combo->currentText(), "Basketball");
    EXPECT_EQ(combo->lineEdit()->selectedText(), "etball");
}

TEST_F(LookupComboTest, EnteringPutsTheCaretAtTheStart)
{
    folder.writeList("list1.dbf", {"Baseball"});
    TLookup *combo = addCombo("list1.dbf");
    showWindow();
    combo->setEditText("Baseball");
    leave();
    combo->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
    EXPECT_FALSE(combo->lineEdit()->hasSelectedText());
}

TEST_F(LookupComboTest, NoCompletionForOtherCaseOrWithTheOptionOff)
{
    folder.writeList("list1.dbf", {"Baseball", "Basketball"});
    TLookup *combo = addCombo("list1.dbf");
    showWindow();
    type(combo, "bas");
    EXPECT_EQ(combo->currentText(), "bas");

    combo->setEditText(QString());
    folder.state.userOptions.autoFill = false;
    type(combo, "Bas");
    EXPECT_EQ(combo->currentText(), "Bas");
    EXPECT_FALSE(combo->lineEdit()->hasSelectedText());
}

TEST_F(LookupComboTest, LeavingWithANewTextAddsItOnceForEveryComboOnTheList)
{
    folder.writeList("list1.dbf", {"Baseball"});
    TLookup *combo = addCombo("list1.dbf");
    TLookup *twin = addCombo("list1.dbf");
    TLookup *third = addCombo("list1.dbf");
    combo->setTwin(twin);
    showWindow();

    combo->setFocus();
    combo->setEditText("Cricket");
    leave();
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({"Baseball", "Cricket"}));
    EXPECT_EQ(combo->currentText(), "Cricket");
    EXPECT_TRUE(combo->items().contains("Cricket"));
    EXPECT_TRUE(twin->items().contains("Cricket"));
    third->reload();
    EXPECT_TRUE(third->items().contains("Cricket"));

    // An item, or the same text again, adds nothing.
    for (const QString &text : {QString("Cricket"), QString("Baseball"), QString()}) {
        combo->setFocus();
        combo->setEditText(text);
        leave();
    }
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({"Baseball", "Cricket"}));
}

TEST_F(LookupComboTest, ATextLongerThanTheListColumnIsStoredOnce)
{
    folder.writeList("list1.dbf", {});
    TLookup *combo = addCombo("list1.dbf");
    showWindow();
    const QString longText = QString(40, 'x');
    for (int i = 0; i < 2; ++i) {
        combo->setFocus();
        combo->setEditText(longText);
        leave();
    }
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({QString(30, 'x')}));
}

TEST_F(LookupComboTest, DestroyingTheComboKeepsItsNewText)
{
    folder.writeList("list2.dbf", {"Topps"});
    TLookup *combo = addCombo("list2.dbf");
    TLookup *twin = addCombo("list2.dbf");
    combo->setTwin(twin);
    combo->setEditText("Fleer");
    delete combo;
    EXPECT_EQ(folder.itemsInFile("list2.dbf"), QStringList({"Topps", "Fleer"}));
    EXPECT_TRUE(twin->items().contains("Fleer"));
}

TEST_F(LookupComboTest, AMissingListIsCreatedFromTheTemplate)
{
    // Brands have no starter list: the empty template.
    TLookup *combo = addCombo("list2.dbf");
    EXPECT_TRUE(QFile::exists(folder.path("list2.dbf")));
    EXPECT_TRUE(QFile::exists(folder.path("list2.mdx")));
    EXPECT_EQ(combo->count(), 0);
    EXPECT_TRUE(folder.itemsInFile("list2.dbf").isEmpty());
}

TEST_F(LookupComboTest, AFailedTemplateCopyIsReported)
{
    QTemporaryDir emptyTemplateFolder;
    folder.state.installFolder = emptyTemplateFolder.path();
    user.expectMessage(MessageKind::Error,
        "Error! Could not create a list file: \r"
            + QDir::toNativeSeparators(folder.path("list4.dbf")),
        MessageButtons::Ok, kNoHelp);
    TLookup *combo = addCombo("list4.dbf");
    EXPECT_EQ(combo->count(), 0);
    EXPECT_FALSE(QFile::exists(folder.path("list4.dbf")));
}

TEST_F(LookupComboTest, AnUnreadableListIsNeverReplaced)
{
    const QByteArray damaged("\x03\x7c\x01\x01\xff\xff", 6);
    QFile file(folder.path("list5.dbf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    TLookup *combo = addCombo("list5.dbf");
    combo->setEditText("Guard");
    delete combo;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}


TEST_F(LookupComboTest, AFreshFolderStartsWithTheShippedListsAndAChangedListIsKept)
{
    // The collector's own list, and one emptied by the collector.
    folder.writeList("list8.dbf", {"Graded 9.5"});
    folder.writeList("list7.dbf", {});
    const QByteArray changed = test::fileBytes(folder.path("list8.dbf"));
    struct Case
    {
        QString list;
        QStringList items; // as the drop-down shows them, in alphabetical order
    };
    const Case cases[] = {
        {"list1.dbf", {"Baseball", "Basketball", "Boxing", "Football", "Golf", "Hockey", "Racing",
                          "Soccer", "Tennis", "Wrestling"}},
        {"list3.dbf", {"Autograph", "Base", "Checklist", "Error", "Insert", "Memorabilia",
                          "Parallel", "Rookie", "Serial Numbered", "Short Print"}},
        {"list2.dbf", {}}, // no starter for brands
        {"list7.dbf", {}},
        {"list8.dbf", {"Graded 9.5"}},
    };
    for (const Case &c : cases) {
        TLookup *combo = addCombo(c.list);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        EXPECT_EQ(shown, c.items) << c.list.toStdString();
    }
    EXPECT_EQ(test::fileBytes(folder.path("list8.dbf")), changed);

    // On disk, as another program reads it: the grading scale, best first.
    TLookup *conditions = addCombo("list8.dbf");
    ASSERT_TRUE(QFile::remove(folder.path("list8.dbf")));
    QFile::remove(folder.path("list8.mdx"));
    conditions->setSource("list8.dbf");
    QProcess reader;
    reader.start("/usr/bin/python3",
        {"-c", "import dbfread, sys; print(','.join(r['ITEM'] for r in dbfread.DBF(sys.argv[1])))",
            folder.path("list8.dbf")});
    ASSERT_TRUE(reader.waitForFinished());
    EXPECT_EQ(reader.readAllStandardOutput().trimmed(),
        "Gem Mint,Mint,Near Mint-Mint,Near Mint,Excellent-Mint,Excellent,Very Good-Excellent,"
        "Very Good,Good,Fair,Poor");
    EXPECT_EQ(conditions->count(), 11);
}

} // namespace
} // namespace zendrova
