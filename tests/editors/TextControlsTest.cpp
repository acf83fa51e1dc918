#include "EditorTestSupport.h"
#include "editors/ui/TDirEdit.h"
#include "editors/ui/TEditButton.h"
#include "common/ui/TEditMenu.h"
#include "editors/ui/TFilterEdit.h"
#include "support/ScriptedInteraction.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::kNoHelp;
using test::ScriptedInteraction;

// Visible and enabled state of the entries at the positions of the plain menu.
struct MenuCase
{
    const char *name;
    std::function<QWidget *()> make;
    bool undoVisible, fileEntriesVisible;
    bool cut, copy, del, selectAll;
};

TEST(EditMenu, EntriesFollowTheControlItOpensOn)
{
    const MenuCase cases[] = {
        {"empty text box", [] { return new QLineEdit; }, true, false, false, false, false, false},
        {"text box", [] { return new QLineEdit(QStringLiteral("Gretzky")); },
         true, false, false, false, false, true},
        {"selected text",
         [] {
             auto *edit = new QLineEdit(QStringLiteral("Gretzky"));
             edit->setSelection(0, 3);
             return edit;
         },
         true, false, true, true, true, false},
        {"memo", [] { return new QPlainTextEdit(QStringLiteral("mint")); },
         true, true, false, false, false, true},
        {"lookup combo",
         [] {
             auto *combo = new QComboBox;
             combo->setEditable(true);
             combo->setEditText(QStringLiteral("Hockey"));
             return combo;
         },
         false, false, false, false, false, true},
    };
    for (const MenuCase &c : cases) {
        QWidget window;
        QWidget *component = c.make();
        component->setParent(&window);
        TEditMenu menu;
        menu.prepareFor(component);
        EXPECT_EQ(c.undoVisible, menu.entry(TEditMenu::UndoPos)->isVisible()) << c.name;
        EXPECT_EQ(c.undoVisible, menu.entry(TEditMenu::UndoPos + 1)->isVisible()) << c.name;
        for (int position : {8, 9, 10})
            EXPECT_EQ(c.fileEntriesVisible, menu.entry(position)->isVisible()) << c.name;
        EXPECT_EQ(c.cut, menu.entry(TEditMenu::CutPos)->isEnabled()) << c.name;
        EXPECT_EQ(c.copy, menu.entry(TEditMenu::CopyPos)->isEnabled()) << c.name;
        EXPECT_EQ(c.del, menu.entry(TEditMenu::DeletePos)->isEnabled()) << c.name;
        EXPECT_EQ(c.selectAll, menu.entry(TEditMenu::SelectAllPos)->isEnabled()) << c.name;
        EXPECT_TRUE(menu.entry(TEditMenu::PastePos)->isEnabled()) << c.name;
    }
}

TEST(EditMenu, LookupVariantCarriesEditListAndAutoFill)
{
    const QStringList plain{"&Undo", "", "Cu&t", "&Copy", "&Paste", "&Delete", "", "Select &All",
                            "", "&Load", "&Save", "", "&Font...", "C&olor...", "", "&Help"};
    TEditMenu textMenu;
    QStringList texts;
    for (QAction *action : textMenu.actions())
        texts << action->text();
    EXPECT_EQ(plain, texts);

    TEditMenu lookup(TEditMenu::Variant::Lookup);
    EXPECT_EQ(QStringLiteral("&Edit List..."), lookup.entry(14)->text());
    EXPECT_EQ(QStringLiteral("Auto-F&ill"), lookup.entry(15)->text());
    EXPECT_TRUE(lookup.entry(16)->isSeparator());
    EXPECT_EQ(QStringLiteral("&Help"), lookup.entry(17)->text());

    QComboBox combo;
    combo.setEditable(true);
    for (bool on : {true, false}) {
        lookup.setAutoFillOption(on);
        lookup.prepareFor(&combo);
        EXPECT_EQ(on, lookup.entry(15)->isChecked());
    }
    QSignalSpy editList(&lookup, &TEditMenu::OnEditList);
    QSignalSpy autoFill(&lookup, &TEditMenu::OnAutoFill);
    lookup.entry(14)->trigger();
    lookup.entry(15)->trigger();
    ASSERT_EQ(1, editList.count());
    EXPECT_EQ(&combo, editList.at(0).at(0).value<QWidget *>());
    EXPECT_EQ(1, autoFill.count());
}

TEST(EditMenu, ActionsWorkOnTheControl)
{
    QLineEdit edit(QStringLiteral("Mario Lemieux"));
    TEditMenu menu;
    menu.prepareFor(&edit);
    menu.entry(TEditMenu::SelectAllPos)->trigger();
    EXPECT_EQ(QStringLiteral("Mario Lemieux"), edit.selectedText());
    edit.setSelection(0, 6);
    menu.prepareFor(&edit);
    menu.entry(TEditMenu::DeletePos)->trigger();
    EXPECT_EQ(QStringLiteral("Lemieux"), edit.text());
    menu.prepareFor(&edit);
    EXPECT_TRUE(menu.entry(TEditMenu::UndoPos)->isEnabled());
    menu.entry(TEditMenu::UndoPos)->trigger();
    EXPECT_EQ(QStringLiteral("Mario Lemieux"), edit.text());

    ScriptedInteraction script;
    edit.setProperty("helpContext", 7);
    menu.entry(TEditMenu::HelpPos)->trigger();
    EXPECT_EQ(QList<int>{7}, script.helpRequests());
}

TEST(EditMenu, MemoSavesAndLoadsTextFiles)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("notes.txt"));
    QPlainTextEdit memo(QStringLiteral("Rookie card\nSigned"));
    TEditMenu menu;
    menu.prepareFor(&memo);
    {
        ScriptedInteraction script;
        script.expectFileName(name);
        menu.entry(TEditMenu::SavePos)->trigger();
    }
    QFile saved(name);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("Rookie card\r\nSigned"), saved.readAll());

    memo.setPlainText(QStringLiteral("changed"));
    {
        ScriptedInteraction script;
        script.expectFileName(name);
        menu.entry(TEditMenu::LoadPos)->trigger();
    }
    EXPECT_EQ(QStringLiteral("Rookie card\nSigned"), memo.toPlainText());

    ScriptedInteraction script;
    script.expectFileName(dir.filePath(QStringLiteral("missing.txt")));
    script.expectMessage(MessageKind::Error,
        QStringLiteral("Cannot open file \"%1\". No such file or directory")
            .arg(dir.filePath(QStringLiteral("missing.txt"))),
        MessageButtons::Ok, kNoHelp);
    menu.entry(TEditMenu::LoadPos)->trigger();
    EXPECT_EQ(QStringLiteral("Rookie card\nSigned"), memo.toPlainText());
}

using DirEditWindow = test::FieldWindow<TDirEdit>;

TEST_F(DirEditWindow, MissingFolderIsRejected)
{
    field->setUpperCase(true);
    QTest::keyClicks(field, QStringLiteral("c:\\data"));
    EXPECT_EQ(QStringLiteral("C:\\DATA"), field->text());
    ScriptedInteraction script;
    script.expectMessage(
        MessageKind::Error, QStringLiteral("Invalid directory!"), MessageButtons::Ok, kNoHelp);
    leave();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(QStringLiteral("C:\\DATA"), field->text());
}

TEST_F(DirEditWindow, ExistingFolderIsAcceptedAndTheCurrentFolderKept)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    field->setUpperCase(false);
    field->setText(dir.path());
    ScriptedInteraction script; // no message
    leave();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(before, QDir::currentPath());
}

TEST_F(DirEditWindow, ButtonTakesTheChosenFolder)
{
    QTemporaryDir dir;
    ScriptedInteraction script;
    script.expectFileName(dir.path());
    QTest::mouseClick(field->button(), Qt::LeftButton);
    EXPECT_EQ(dir.path(), field->text());
    script.expectFileName(QString()); // cancelled: unchanged
    QTest::mouseClick(field->button(), Qt::LeftButton);
    EXPECT_EQ(dir.path(), field->text());
    EXPECT_EQ(QStringLiteral("Click here to select a directory"), field->ButtonHint());
}

// A folder typed in the browser that does not exist yet is made only when
// the user agrees, with the folders above it.
TEST_F(DirEditWindow, ButtonCreatesATypedFolderOnlyWhenTheUserAgrees)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + QStringLiteral("/cards/2026");
    const QString question = QStringLiteral("The folder %1 does not exist.\rDo you want to create it?")
                                 .arg(QDir::toNativeSeparators(missing));
    field->setUpperCase(false);
    field->setText(dir.path());
    ScriptedInteraction script;
    script.expectFileName(missing);
    script.expectMessage(MessageKind::Confirmation, question, MessageButtons::YesNo, kNoHelp, Answer::No);
    QTest::mouseClick(field->button(), Qt::LeftButton);
    EXPECT_EQ(dir.path(), field->text());
    EXPECT_FALSE(QFileInfo::exists(missing));

    script.expectFileName(missing);
    script.expectMessage(MessageKind::Confirmation, question, MessageButtons::YesNo, kNoHelp, Answer::Yes);
    QTest::mouseClick(field->button(), Qt::LeftButton);
    EXPECT_EQ(QDir::toNativeSeparators(missing), field->text());
    EXPECT_TRUE(QFileInfo(missing).isDir());
    // A file standing where the folder should be cannot become one.
    const QString file = dir.path() + QStringLiteral("/notes.txt");
    QFile(file).open(QIODevice::WriteOnly);
    script.expectFileName(file);
    script.expectMessage(MessageKind::Confirmation,
        QStringLiteral("The folder %1 does not exist.\rDo you want to create it?").arg(file),
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    script.expectMessage(MessageKind::Error, QStringLiteral("Could not create the folder %1!").arg(file),
        MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(field->button(), Qt::LeftButton);
    EXPECT_EQ(QDir::toNativeSeparators(missing), field->text());
    EXPECT_TRUE(script.allConsumed());
}

TEST(FilterEdit, ValidCharsLimitTypingAndTrimTheText)
{
    TFilterEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("A-1 b2"));
    EXPECT_EQ(QStringLiteral("A-1 b2"), edit.text()); // "[]" allows everything
    edit.setValidChars(QStringLiteral("['0'..'9','-']"));
    EXPECT_EQ(QStringLiteral("-12"), edit.text());
    QTest::keyClicks(&edit, QStringLiteral("x3y-"));
    EXPECT_EQ(QStringLiteral("-123-"), edit.text());
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(QStringLiteral("-123"), edit.text());
    edit.setValidChars(QStringLiteral("not a set"));
    QTest::keyClicks(&edit, QStringLiteral("z"));
    EXPECT_EQ(QStringLiteral("-123z"), edit.text());
}

TEST(FilterEdit, EnterReachesTheDefaultButtonWithoutEnteringTheText)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *edit = new TFilterEdit;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    layout->addWidget(edit);
    layout->addWidget(ok);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    ASSERT_TRUE(test::showActive(&dialog));
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Bure"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("Bure"), edit->text());
    EXPECT_EQ(1, clicked.count());
}

} // namespace
} // namespace zendrova
