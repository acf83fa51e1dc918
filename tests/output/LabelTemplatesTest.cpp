#include "support/ScriptedInteraction.h"

#include "output/LabelTemplates.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

namespace {

void store(const QString &folder, const QStringList &names)
{
    TLabelList list;
    for (const QString &name : names) {
        TLabelRec label;
        label.Name = name;
        label.Across = name;
        list.append(label);
    }
    ASSERT_TRUE(list.write(folder));
}

QStringList storedNames(const QString &folder)
{
    TLabelList list;
    EXPECT_TRUE(list.read(folder));
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names.append(list.at(i).Name);
    return names;
}

} // namespace

TEST(LabelTemplatesTest, SaveAsksUntilTheNameIsNew)
{
    QTemporaryDir folder;
    store(folder.path(), { "Box" });
    ScriptedInteraction user;
    const QString taken = "This Name Is Already In Use. Please Try Again.";
    user.expectInput(QString());
    user.expectMessage(MessageKind::Information, taken, MessageButtons::Ok, kNoHelp);
    user.expectInput(QString("Box"));
    user.expectMessage(MessageKind::Information, taken, MessageButtons::Ok, kNoHelp);
    user.expectInput(QString("box"));
    TLabelRec current;
    bool written = false;
    EXPECT_TRUE(LabelTemplates::save(current, folder.path(), [&] {
        written = true;
        current.Across = "7";
    }));
    EXPECT_TRUE(written);
    EXPECT_EQ(user.inputRequests().first(), "Save Report Template / Enter Report Name: / ");
    EXPECT_EQ(storedNames(folder.path()), QStringList({ "Box", "box" }));
    TLabelList list;
    ASSERT_TRUE(list.read(folder.path()));
    EXPECT_EQ(list.at(1).Across, "7");
    EXPECT_EQ(current.Name, "");

    // Cancel writes nothing, and the controls stay out of the definition.
    user.expectInput(std::nullopt);
    written = false;
    EXPECT_FALSE(LabelTemplates::save(current, folder.path(), [&] { written = true; }));
    EXPECT_FALSE(written);
    EXPECT_EQ(storedNames(folder.path()).size(), 2);
}

TEST(LabelTemplatesTest, LoadDeletesOnlyOnOkAndCopiesTheSelection)
{
    QTemporaryDir folder;
    store(folder.path(), { "One", "Two", "Three" });
    ScriptedInteraction user;
    TLabelRec current;
    current.Across = "5";
    {
        LabelLoadModel load(folder.path());
        ASSERT_TRUE(load.open());
        EXPECT_EQ(load.selected(), 0);
        user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
            kNoHelp, Answer::No);
        load.deleteSelected();
        user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
            kNoHelp, Answer::Yes);
        load.deleteSelected();
        EXPECT_EQ(load.names(), QStringList({ "Two", "Three" }));
        // Closed without OK: nothing written.
    }
    EXPECT_EQ(storedNames(folder.path()).size(), 3);
    {
        LabelLoadModel load(folder.path());
        ASSERT_TRUE(load.open());
        load.select(2);
        user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
            kNoHelp, Answer::Yes);
        load.deleteSelected();
        load.select(-1);
        ASSERT_TRUE(load.accept(current));
    }
    EXPECT_EQ(storedNames(folder.path()), QStringList({ "One", "Two" }));
    EXPECT_EQ(current.Across, "5");
    {
        LabelLoadModel load(folder.path());
        ASSERT_TRUE(load.open());
        load.select(1);
        ASSERT_TRUE(load.accept(current));
    }
    EXPECT_EQ(current.Name, "Two");
    EXPECT_EQ(current.Across, "Two");

    // A damaged file keeps the dialog closed.
    QFile file(folder.filePath("label.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01\x03One");
    file.close();
    user.expectMessage(MessageKind::Error, "Stream read error", MessageButtons::Ok, kNoHelp);
    LabelLoadModel load(folder.path());
    EXPECT_FALSE(load.open());
    EXPECT_TRUE(user.allConsumed());
}
