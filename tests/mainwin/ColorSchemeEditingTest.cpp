#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "common/ColorSchemeFile.h"
#include "common/TColorList.h"
#include "mainwin/ColorDialogModel.h"
#include "mainwin/ColorTemplates.h"
#include "mainwin/Palette.h"
#include "mainwin/SchemeColors.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

QByteArray bytesOf(const ColorScheme &scheme)
{
    return ColorSchemeFile::encode(scheme);
}

// A scheme whose element i holds i modulo 16, so each role shows which
// element it was taken from.
ColorScheme numberedScheme()
{
    ColorScheme scheme;
    for (int i = 0; i < ColorScheme::kElementCount; ++i)
        scheme.elements[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 16);
    return scheme;
}

TEST(Palette, GivesTheSixteenColoursAndTheirOutlines)
{
    EXPECT_EQ(Palette::color(0), QColor(255, 255, 255));
    EXPECT_EQ(Palette::color(1), QColor(192, 192, 192));
    EXPECT_EQ(Palette::color(8), QColor(128, 0, 0));
    EXPECT_EQ(Palette::color(11), QColor(0, 128, 128));
    EXPECT_EQ(Palette::color(12), QColor(0, 0, 128));
    EXPECT_EQ(Palette::color(15), QColor(0, 0, 0));
    EXPECT_EQ(Palette::color(99), QColor(0, 0, 0));
    for (int i = 0; i < Palette::kSize; ++i)
        EXPECT_EQ(Palette::outlineColor(i), i < 12 ? QColor(Qt::black) : QColor(Qt::yellow)) << i;
}

TEST(SchemeColors, EachRoleTakesItsElement)
{
    const SchemeColors colors = SchemeColors::of(numberedScheme());
    const auto c = [](int i) { return Palette::color(i % 16); };
    EXPECT_EQ(colors.recordButton, (ColorPair { c(0), c(1) }));
    EXPECT_EQ(colors.selectedRecordButton, (ColorPair { c(2), c(3) }));
    EXPECT_EQ(colors.letterTab(false, true), (ColorPair { c(4), c(5) }));
    EXPECT_EQ(colors.letterTab(false, false), (ColorPair { c(6), c(7) }));
    EXPECT_EQ(colors.letterTab(true, false), (ColorPair { c(8), c(9) }));
    EXPECT_EQ(colors.leftPage, c(12));
    EXPECT_EQ(colors.speedBar, c(13));
    EXPECT_EQ(colors.windowBackground, c(14));
    EXPECT_EQ(colors.oneLineField, (ColorPair { c(15), c(16) }));
    EXPECT_EQ(colors.memo, (ColorPair { c(17), c(18) }));
    EXPECT_EQ(colors.captionLabel, (ColorPair { c(19), c(20) }));
    // Currency text sits on the one-line background, not on element 23.
    EXPECT_EQ(colors.positiveCurrency, (ColorPair { c(21), c(16) }));
    EXPECT_EQ(colors.negativeCurrency, (ColorPair { c(22), c(16) }));
    EXPECT_EQ(colors.cardPage, c(24));
}

TEST(ColorDialogModel, EachUseHasItsCaptionBaseAndItems)
{
    struct Case
    {
        ColorDialogUse use;
        const char *caption;
        int base;
        QStringList items;
    };
    const QStringList textBgnd { "Text Color", "Bgnd Color" };
    const Case cases[] = {
        { ColorDialogUse::RecordButtons, "Record Buttons", 0,
            { "Text Color", "Bgnd Color", "Selected Button Text Color",
                "Selected Button Bgnd Color" } },
        { ColorDialogUse::Labels, "Labels", 19, textBgnd },
        { ColorDialogUse::MultiLineFields, "Multi-Line Fields", 17, textBgnd },
        { ColorDialogUse::CurrencyFields, "Currency Fields", 21,
            { "Positive Color", "Negative Color", "Bgnd Color" } },
        { ColorDialogUse::SingleLineFields, "Single-Line Fields", 15, textBgnd },
    };
    for (const Case &c : cases) {
        ColorScheme scheme;
        ColorDialogModel model(scheme, QString(), c.use);
        EXPECT_EQ(model.groupCaption(), c.caption);
        EXPECT_EQ(model.baseElement(), c.base) << c.caption;
        EXPECT_EQ(model.radioItems(), c.items) << c.caption;
        model.selectItem(static_cast<int>(c.items.size()) - 1);
        EXPECT_EQ(model.currentElement(), c.base + c.items.size() - 1) << c.caption;
        model.selectItem(static_cast<int>(c.items.size()));
        EXPECT_EQ(model.currentElement(), c.base + c.items.size() - 1) << "no item past the last";
    }
}

TEST(ColorDialogModel, CancelAfterSeveralClicksRestoresAllElements)
{
    QTemporaryDir temp;
    ColorScheme scheme = numberedScheme();
    const ColorScheme before = scheme;
    ColorDialogModel model(scheme, temp.path(), ColorDialogUse::CurrencyFields);
    model.chooseColor(3);
    model.selectItem(2);
    EXPECT_EQ(model.currentColor(), 23 % 16);
    model.chooseColor(15);
    EXPECT_EQ(model.outlineColor(), QColor(Qt::yellow));
    model.chooseColor(4);
    EXPECT_EQ(model.outlineColor(), QColor(Qt::black));
    EXPECT_EQ(scheme.elements[21], 3) << "a click sets the element at once";
    EXPECT_EQ(scheme.elements[23], 4);
    model.cancel();
    EXPECT_EQ(bytesOf(scheme), bytesOf(before));
    EXPECT_FALSE(model.changed());
    EXPECT_FALSE(QFile::exists(temp.path() + "/color.lst"));
}

TEST(ColorDialogModel, OkWritesTheSchemeAndIsChangedOnlyForItsOwnElements)
{
    QTemporaryDir temp;
    ColorScheme scheme;
    // Elements outside the dialog changed elsewhere do not count.
    scheme.elements[0] = 9;
    ColorDialogModel same(scheme, temp.path(), ColorDialogUse::Labels);
    same.chooseColor(5);
    same.chooseColor(ColorScheme::defaults()[19]);
    ASSERT_TRUE(same.accept());
    EXPECT_FALSE(same.changed()) << "clicked back to the colour it had";
    EXPECT_EQ(fileBytes(temp.path() + "/color.lst"), bytesOf(scheme));

    ColorDialogModel labels(scheme, temp.path(), ColorDialogUse::Labels);
    labels.selectItem(1);
    labels.chooseColor(13);
    EXPECT_FALSE(labels.changed()) << "not before OK";
    ASSERT_TRUE(labels.accept());
    EXPECT_TRUE(labels.changed());
    QByteArray expected = bytesOf(ColorScheme());
    expected[0] = 9;
    expected[20] = 13;
    EXPECT_EQ(fileBytes(temp.path() + "/color.lst"), expected);
}

class ColorTemplatesTest : public ::testing::Test
{
protected:
    QString listPath() const { return temp.path() + "/color_t.tml"; }
    QStringList savedNames() const
    {
        TColorList list;
        list.load(temp.path());
        QStringList names;
        for (const TColorRec &item : list.items())
            names << item.name;
        return names;
    }
    void save(const QString &name, std::uint8_t firstElement)
    {
        ColorScheme scheme;
        scheme.elements[0] = firstElement;
        user.expectInput(name);
        ASSERT_TRUE(ColorTemplates::saveAsTemplate(temp.path(), scheme));
    }
    void expectDeleteQuestion(Answer answer)
    {
        user.expectMessage(MessageKind::Confirmation, "Delete Selected Color Template?",
            MessageButtons::YesNo, kNoHelp, answer);
    }

    QTemporaryDir temp;
    ScriptedInteraction user;
};

TEST_F(ColorTemplatesTest, SavingRefusesDuplicatesAndIgnoresCancelAndEmptyNames)
{
    save("Dark", 15);
    save("dark", 14);
    user.expectInput(std::nullopt);
    user.expectInput(QString());
    user.expectInput(QStringLiteral("Dark"));
    user.expectMessage(
        MessageKind::Error, "Duplicate name - template not saved!", MessageButtons::Ok, kNoHelp);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(ColorTemplates::saveAsTemplate(temp.path(), ColorScheme()));
    EXPECT_EQ(user.inputRequests().first(), "Save Colors As Template / Template Name: / ");
    EXPECT_EQ(savedNames(), (QStringList { "Dark", "dark" }));
}

TEST_F(ColorTemplatesTest, DeletingMovesTheSelectionAndOkRewritesTheFile)
{
    for (const char *name : { "A", "B", "C" })
        save(name, static_cast<std::uint8_t>(name[0] - 'A' + 5));
    ColorTemplates templates(temp.path());
    EXPECT_EQ(templates.selected(), 0);
    templates.select(1);
    expectDeleteQuestion(Answer::No);
    EXPECT_FALSE(templates.deleteSelected());
    expectDeleteQuestion(Answer::Yes);
    ASSERT_TRUE(templates.deleteSelected());
    EXPECT_EQ(templates.names(), (QStringList { "A", "C" }));
    EXPECT_EQ(templates.selected(), 1) << "the item now at that place";
    expectDeleteQuestion(Answer::Yes);
    ASSERT_TRUE(templates.deleteSelected());
    EXPECT_EQ(templates.selected(), 0) << "the last one";
    EXPECT_EQ(savedNames(), (QStringList { "A", "B", "C" })) << "not before OK";

    ColorScheme scheme = numberedScheme();
    ASSERT_TRUE(templates.accept(scheme));
    ColorScheme expected;
    expected.elements[0] = 5;
    EXPECT_EQ(bytesOf(scheme), bytesOf(expected));
    EXPECT_EQ(savedNames(), QStringList { "A" });

    expectDeleteQuestion(Answer::Yes);
    ASSERT_TRUE(templates.deleteSelected());
    EXPECT_EQ(templates.selected(), -1);
    EXPECT_FALSE(templates.deleteSelected()) << "nothing left to ask about";
    EXPECT_FALSE(templates.accept(scheme));
    EXPECT_EQ(fileBytes(listPath()), QByteArray("\x01\x00", 2));
}

TEST_F(ColorTemplatesTest, AFailedWriteIsReportedWithTheFileAndLosesNothing)
{
    const QString notSaved
        = QStringLiteral("Could not write the file \"%1\".\rTemplate Not Saved!");
    const QString notDeleted
        = QStringLiteral("Could not write the file \"%1\".\rTemplate Not Deleted!");
    // A folder where the file is renamed to makes every write of it fail.
    ASSERT_TRUE(QDir(temp.path()).mkdir("color_t.tml"));
    user.expectInput(QStringLiteral("Dark"));
    user.expectMessage(MessageKind::Error, notSaved.arg(listPath()), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(ColorTemplates::saveAsTemplate(temp.path(), ColorScheme()));
    ASSERT_TRUE(QDir(temp.path()).rmdir("color_t.tml"));

    save("A", 5);
    save("B", 6);
    const QByteArray saved = fileBytes(listPath());
    ColorTemplates templates(temp.path());
    ASSERT_TRUE(QFile::rename(listPath(), temp.path() + "/aside"));
    ASSERT_TRUE(QDir(temp.path()).mkdir("color_t.tml"));
    expectDeleteQuestion(Answer::Yes);
    ASSERT_TRUE(templates.deleteSelected());
    user.expectMessage(MessageKind::Error, notDeleted.arg(listPath()), MessageButtons::Ok, kNoHelp);
    ColorScheme scheme;
    EXPECT_TRUE(templates.accept(scheme)) << "the chosen colours still apply";
    EXPECT_EQ(scheme.elements[0], 6);
    EXPECT_EQ(fileBytes(temp.path() + "/aside"), saved);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ColorTemplatesTest, ADamagedFileKeepsItsReadableTemplatesUntilTheUserChangesThem)
{
    const QByteArray damaged = templatesFixture("BrokenColorsOutsidePalette.tml");
    writeBytes(listPath(), damaged);
    ColorTemplates templates(temp.path());
    EXPECT_EQ(templates.names(), (QStringList { "Warm", "Cold" }));
    ColorScheme scheme;
    ASSERT_TRUE(templates.accept(scheme));
    EXPECT_EQ(scheme.elements[0], 5);
    EXPECT_EQ(fileBytes(listPath()), damaged) << "OK without deletions writes nothing";

    save("New", 3);
    EXPECT_EQ(savedNames(), (QStringList { "Warm", "Cold", "New" }));
}

} // namespace
} // namespace zendrova::test
