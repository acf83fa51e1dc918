#include "support/FullDisk.h"
#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "common/CaptionList.h"
#include "common/TTemplateList.h"
#include "mainwin/HeaderSections.h"
#include "mainwin/HeaderTemplates.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

// "Caption=width" of each section, in order.
QStringList layout(const HeaderSections &header)
{
    QStringList shown;
    for (const HeaderSection &section : header.all())
        shown << section.caption + QLatin1Char('=') + QString::number(section.width);
    return shown;
}

QList<int> fieldIndexes(const HeaderSections &header)
{
    QList<int> indexes;
    for (const HeaderSection &section : header.all())
        indexes << section.fieldIndex;
    return indexes;
}

QList<int> percents(const HeaderSections &header)
{
    QList<int> shown;
    for (const HeaderSection &section : header.all())
        shown << section.percent;
    return shown;
}

QList<HeaderSection> pairs(std::initializer_list<std::pair<const char *, int>> list)
{
    QList<HeaderSection> sections;
    for (const auto &[caption, width] : list)
        sections << HeaderSection { QString::fromLatin1(caption), width };
    return sections;
}

// List begin; "Sport:", 200 as a 16-bit integer; "Year:", 40 as an 8-bit one; list end.
const QByteArray kSportYearBytes = QByteArray::fromHex("01"
                                                       "060653706f72743a03c800"
                                                       "0605596561723a0228"
                                                       "00");

class HeaderSectionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        captions.fillDefaultsIfEmpty();
    }

    QString path(const QString &name) const { return temp.path() + QLatin1Char('/') + name; }
    // A header of these sections inside a header of the given width.
    HeaderSections make(std::initializer_list<std::pair<const char *, int>> list, int width = 0)
    {
        HeaderSections header;
        header.setHeaderWidth(width);
        header.setPairs(pairs(list), captions);
        return header;
    }

    QTemporaryDir temp;
    CaptionList captions;
};

TEST_F(HeaderSectionsTest, AMissingOrDamagedFileGivesTheTwoDefaultColumns)
{
    const QByteArray good = HeaderSections::encode(pairs({ { "Team:", 80 }, { "Year:", 300 } }));
    struct Case
    {
        const char *name;
        std::optional<QByteArray> bytes;
    };
    const Case cases[] = {
        { "missing", std::nullopt },
        { "empty file", QByteArray() },
        { "empty list", QByteArray::fromHex("0100") },
        { "cut inside a width", good.left(good.size() - 3) },
        { "cut before the list end", good.chopped(1) },
        { "width written as a string", QByteArray::fromHex("010601410601420000") },
        { "garbage", garbageBytes(300) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("header.dat"));
        if (c.bytes)
            writeBytes(path("header.dat"), *c.bytes);
        HeaderSections header = make({ { "Brand:", 10 } }, 300);
        EXPECT_FALSE(header.load(path("header.dat"), captions));
        // 50 : 100 of the header's width.
        EXPECT_EQ(layout(header), (QStringList { "Card Name:=100", "Sport:=200" }));
        EXPECT_EQ(fieldIndexes(header), (QList<int> { 0, 1 }));
        EXPECT_EQ(percents(header), (QList<int> { 33, 67 }));
    }
}

TEST_F(HeaderSectionsTest, TheDefaultColumnsShareTheHeaderWidthUntilTheUserEditsThem)
{
    HeaderSections header;
    EXPECT_FALSE(header.load(path("header.dat"), captions));
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=50", "Sport:=100" })) << "no width yet";
    EXPECT_TRUE(header.setHeaderWidth(600));
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=200", "Sport:=400" }));
    EXPECT_TRUE(header.setHeaderWidth(301));
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=100", "Sport:=201" }));
    EXPECT_EQ(percents(header), (QList<int> { 33, 67 }));

    // What is saved is pixels, and a saved header keeps them at any width.
    ASSERT_TRUE(header.save(path("header.dat")));
    EXPECT_EQ(fileBytes(path("header.dat")),
        QByteArray::fromHex("01"
                            "060a43617264204e616d653a0264" // Card Name: 100
                            "060653706f72743a03c900" // Sport: 201
                            "00"));
    HeaderSections saved = make({}, 900);
    ASSERT_TRUE(saved.load(path("header.dat"), captions));
    EXPECT_EQ(layout(saved), (QStringList { "Card Name:=100", "Sport:=201" }));

    // Once the user resized a column, the widths stay the user's.
    EXPECT_TRUE(header.resize(1, 150));
    EXPECT_TRUE(header.setHeaderWidth(900));
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=100", "Sport:=150" }));
    // So do moved ones.
    HeaderSections moved = make({}, 300);
    EXPECT_TRUE(moved.moveByDrop(0, 290));
    EXPECT_TRUE(moved.setHeaderWidth(600));
    EXPECT_EQ(layout(moved), (QStringList { "Sport:=200", "Card Name:=100" }));
}

TEST_F(HeaderSectionsTest, TheFileHoldsCaptionWidthPairsAndReadsBack)
{
    HeaderSections header = make({ { "Sport:", 200 }, { "Year:", 40 } });
    ASSERT_TRUE(header.save(path("header.dat")));
    EXPECT_EQ(fileBytes(path("header.dat")), kSportYearBytes);

    // Widths of every filer size; a caption no longer in the list keeps its
    // place with no field; widths out of range are brought within it.
    const QByteArray bytes = QByteArray::fromHex("01"
                                                 "0605596561723a"
                                                 "0405000100" // Year: 65541
                                                 "0604476f6e65"
                                                 "03e803" // Gone 1000
                                                 "06055465616d3a"
                                                 "02fb" // Team: -5
                                                 "00");
    writeBytes(path("HEADER.DAT"), bytes);
    QFile::remove(path("header.dat"));
    ASSERT_TRUE(header.load(path("header.dat"), captions)) << "found ignoring case";
    EXPECT_EQ(layout(header), (QStringList { "Year:=32767", "Gone=1000", "Team:=0" }));
    EXPECT_EQ(fieldIndexes(header), (QList<int> { 6, -1, 4 }));
    ASSERT_TRUE(header.save(path("header.dat")));
    EXPECT_TRUE(QFile::exists(path("HEADER.DAT"))) << "rewritten under its own name";
    HeaderSections again;
    ASSERT_TRUE(again.load(path("header.dat"), captions));
    EXPECT_EQ(again.all(), header.all());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList { "HEADER.DAT" });
}

TEST_F(HeaderSectionsTest, PercentsFollowTheHeaderWidthAndEveryChange)
{
    HeaderSections header = make({ { "Card Name:", 50 }, { "Sport:", 100 }, { "Team:", 1 } }, 400);
    EXPECT_EQ(percents(header), (QList<int> { 13, 25, 0 })) << "12.5 rounds up";
    EXPECT_FALSE(header.setHeaderWidth(400));
    EXPECT_TRUE(header.setHeaderWidth(40));
    EXPECT_EQ(percents(header), (QList<int> { 125, 250, 3 }));
    EXPECT_TRUE(header.resize(2, 20));
    EXPECT_EQ(percents(header), (QList<int> { 125, 250, 50 }));
    EXPECT_TRUE(header.setHeaderWidth(0));
    EXPECT_EQ(percents(header), (QList<int> { 0, 0, 0 }));
}

TEST_F(HeaderSectionsTest, ResizingWidensNarrowSectionsLeftOfTheResizedOne)
{
    HeaderSections header
        = make({ { "Card Name:", 2 }, { "Sport:", 0 }, { "Team:", 30 }, { "Year:", 1 } });
    EXPECT_TRUE(header.resize(2, 10));
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=4", "Sport:=4", "Team:=10", "Year:=1" }));
    EXPECT_FALSE(header.resize(3, 1)) << "nothing changes: no signal";
    EXPECT_TRUE(header.resize(3, -7));
    EXPECT_EQ(header.width(3), 0);
    EXPECT_TRUE(header.resize(0, 0)) << "the resized section itself may close";
    EXPECT_EQ(header.width(0), 0);
    EXPECT_TRUE(header.resize(1, 4)) << "its width stays, the closed one left of it opens";
    EXPECT_EQ(layout(header), (QStringList { "Card Name:=4", "Sport:=4", "Team:=10", "Year:=0" }));
    EXPECT_FALSE(header.resize(4, 10));
}

TEST_F(HeaderSectionsTest, ADropMovesTheSectionOntoTheFirstWhoseRightEdgeReachesIt)
{
    // A: 0..50, B: 50..150, C: 150..200.
    struct Case
    {
        int from;
        int x;
        bool changed;
        QStringList order;
    };
    const Case cases[] = {
        { 0, 20, false, { "A", "B", "C" } },
        { 0, 50, false, { "A", "B", "C" } },
        { 0, 51, true, { "B", "A", "C" } },
        { 0, 199, true, { "B", "C", "A" } },
        { 2, 0, true, { "C", "A", "B" } },
        { 1, 1000, true, { "A", "C", "B" } },
        { 1, 100, false, { "A", "B", "C" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("from %1 to x %2").arg(c.from).arg(c.x).toStdString());
        HeaderSections header = make({ { "A", 50 }, { "B", 100 }, { "C", 50 } }, 200);
        EXPECT_EQ(header.moveByDrop(c.from, c.x), c.changed);
        QStringList order;
        for (const HeaderSection &section : header.all())
            order << section.caption;
        EXPECT_EQ(order, c.order);
    }
    HeaderSections single = make({ { "A", 50 } }, 200);
    EXPECT_FALSE(single.moveByDrop(0, 150));
}

TEST_F(HeaderSectionsTest, AnInsertedFieldTakesTheRoomLeftOrHalfOfANeighbour)
{
    struct Case
    {
        const char *name;
        int headerWidth;
        std::initializer_list<std::pair<const char *, int>> before;
        QStringList after;
    };
    const Case cases[] = {
        { "room left", 300, { { "Card Name:", 50 }, { "Sport:", 100 } },
            { "Card Name:=50", "Sport:=100", "Team:=150" } },
        { "4 px left is enough", 154, { { "Card Name:", 50 }, { "Sport:", 100 } },
            { "Card Name:=50", "Sport:=100", "Team:=4" } },
        { "3 px left: the one before is halved", 153, { { "Card Name:", 50 }, { "Sport:", 100 } },
            { "Card Name:=50", "Sport:=50", "Team:=53" } },
        { "a narrow one before: the next wide one gives", 110,
            { { "Card Name:", 101 }, { "Sport:", 19 } },
            { "Card Name:=50", "Sport:=19", "Team:=51" } },
        { "a hidden one before: nothing given", 100, { { "Card Name:", 100 }, { "Sport:", 0 } },
            { "Card Name:=100", "Sport:=0", "Team:=0" } },
        { "none wide enough", 30, { { "Card Name:", 15 }, { "Sport:", 15 } },
            { "Card Name:=15", "Sport:=15", "Team:=0" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HeaderSections header = make(c.before, c.headerWidth);
        EXPECT_TRUE(header.insert(4, captions));
        EXPECT_EQ(layout(header), c.after);
        EXPECT_EQ(header.fieldIndex(2), 4);
    }
    HeaderSections header = make({ { "Team:", 10 } }, 10);
    EXPECT_FALSE(header.insert(4, captions)) << "already shown";
    EXPECT_FALSE(header.insert(21, captions));
}

TEST_F(HeaderSectionsTest, TheMenusOfferOneLineFieldsAndRemovingStopsAtOneSection)
{
    HeaderSections header
        = make({ { "Sport:", 50 }, { "Gone:", 50 }, { "Card Name:", 50 }, { "Notes:", 9 } });
    // Small Picture (8), Notes (19) and Picture (20) are never offered.
    EXPECT_EQ(header.insertableFields(captions),
        (QList<int> { 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18 }));
    EXPECT_EQ(
        header.removableCaptions(captions), (QStringList { "Card Name:", "Sport:", "Gone:" }));

    EXPECT_FALSE(header.remove(QStringLiteral("Team:")));
    for (const char *caption : { "Gone:", "Notes:", "Sport:" })
        EXPECT_TRUE(header.remove(QString::fromLatin1(caption))) << caption;
    EXPECT_FALSE(header.canRemove());
    EXPECT_FALSE(header.remove(QStringLiteral("Card Name:")));
    EXPECT_EQ(layout(header), QStringList { "Card Name:=50" });
}

TEST_F(HeaderSectionsTest, EditedCaptionsFollowTheirFieldAndLostOnesKeepTheirPlace)
{
    writeBytes(path("header.dat"),
        HeaderSections::encode(pairs({ { "Sport:", 70 }, { "Old:", 30 }, { "Year:", 20 } })));
    HeaderSections header;
    ASSERT_TRUE(header.load(path("header.dat"), captions));
    EXPECT_EQ(fieldIndexes(header), (QList<int> { 1, -1, 6 }));

    captions.setCaption(2, QStringLiteral("League:"));
    EXPECT_TRUE(header.applyCaptions(captions));
    EXPECT_EQ(layout(header), (QStringList { "League:=70", "Old:=30", "Year:=20" }));
    EXPECT_FALSE(header.applyCaptions(captions));

    // Bound again to a list where "Year:" is gone, it has no field any more.
    captions.setCaption(7, QStringLiteral("Season:"));
    EXPECT_TRUE(header.bindToCaptions(captions));
    EXPECT_EQ(fieldIndexes(header), (QList<int> { 1, -1, -1 }));
    EXPECT_FALSE(header.applyCaptions(captions));
    EXPECT_EQ(layout(header), (QStringList { "League:=70", "Old:=30", "Year:=20" }));
}

class HeaderTemplatesTest : public HeaderSectionsTest
{
protected:
    HeaderTemplates templates() { return HeaderTemplates(header, captions, temp.path()); }
    QStringList listed() const
    {
        const auto items = TTemplateList::decode(fileBytes(path("headers.tml")));
        QStringList names;
        for (const TTemplate &item : items.value_or(QList<TTemplate>()))
            names << item.name + QLatin1Char('=') + item.fileName;
        return names;
    }

    QString notWritten(const QString &name, const char *what) const
    {
        return QStringLiteral("Could not write the file \"%1\".\rTemplate Not %2!")
            .arg(name, QLatin1String(what));
    }

    HeaderSections header = make({ { "Sport:", 200 }, { "Year:", 40 } });
    ScriptedInteraction user;
};

TEST_F(HeaderTemplatesTest, SavingAsksForANameAndRefusesATakenOne)
{
    user.expectInput(QStringLiteral("Wide"));
    ASSERT_TRUE(templates().saveAsTemplate());
    EXPECT_EQ(user.inputRequests().last(), "Save Header As Template / Template Name: / ");
    EXPECT_EQ(fileBytes(path("tml1.hdr")), kSportYearBytes);
    EXPECT_EQ(listed(), QStringList { "Wide=tml1.hdr" });

    user.expectInput(std::nullopt);
    user.expectInput(QString());
    user.expectInput(QStringLiteral("Wide"));
    user.expectMessage(
        MessageKind::Error, "Duplicate name - Template Not Saved!", MessageButtons::Ok, kNoHelp);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(templates().saveAsTemplate());
    user.expectInput(QStringLiteral("wide"));
    ASSERT_TRUE(templates().saveAsTemplate()) << "names differ in case";
    EXPECT_EQ(HeaderTemplates::names(temp.path()), (QStringList { "Wide", "wide" }));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files),
        (QStringList { "headers.tml", "tml1.hdr", "tml2.hdr" }));
}

TEST_F(HeaderTemplatesTest, LoadingReplacesTheHeaderOrReportsAndKeepsIt)
{
    user.expectInput(QStringLiteral("Wide"));
    ASSERT_TRUE(templates().saveAsTemplate());
    header.setPairs(pairs({ { "Team:", 5 } }), captions);
    ASSERT_TRUE(templates().loadFromTemplate(QStringLiteral("Wide")));
    EXPECT_EQ(layout(header), (QStringList { "Sport:=200", "Year:=40" }));
    EXPECT_EQ(fieldIndexes(header), (QList<int> { 1, 6 }));

    header.setPairs(pairs({ { "Team:", 5 } }), captions);
    writeBytes(path("tml1.hdr"), kSportYearBytes.left(9));
    for (const char *name : { "Wide", "Narrow" }) {
        user.expectMessage(
            MessageKind::Error, "Error Loading Template.", MessageButtons::Ok, kNoHelp);
        EXPECT_FALSE(templates().loadFromTemplate(QString::fromLatin1(name))) << name;
        EXPECT_EQ(layout(header), QStringList { "Team:=5" });
    }
}

TEST_F(HeaderTemplatesTest, DeletingRemovesTheFileWithoutAskingAndFreesItsNumber)
{
    for (const char *name : { "One", "Two" }) {
        user.expectInput(QString::fromLatin1(name));
        ASSERT_TRUE(templates().saveAsTemplate());
    }
    EXPECT_TRUE(templates().deleteTemplate(QStringLiteral("One")));
    EXPECT_FALSE(QFile::exists(path("tml1.hdr")));
    EXPECT_EQ(listed(), QStringList { "Two=tml2.hdr" });
    EXPECT_FALSE(templates().deleteTemplate(QStringLiteral("One")));

    user.expectInput(QStringLiteral("Three"));
    ASSERT_TRUE(templates().saveAsTemplate());
    EXPECT_EQ(listed(), (QStringList { "Two=tml2.hdr", "Three=tml1.hdr" }));
    EXPECT_TRUE(user.shownMessages().isEmpty());
}

TEST_F(HeaderTemplatesTest, AFailedWriteIsReportedWithItsFileAndLosesNothing)
{
    // The template's file, in a folder that cannot exist under a regular file.
    writeBytes(path("plain"), "a file");
    HeaderTemplates nowhere(header, captions, path("plain/sub"));
    user.expectInput(QStringLiteral("Wide"));
    user.expectMessage(MessageKind::Error, notWritten(path("plain/sub/tml1.hdr"), "Saved"),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(nowhere.saveAsTemplate());

    // The list file, with a folder in its place.
    ASSERT_TRUE(QDir(temp.path()).mkdir("headers.tml"));
    user.expectInput(QStringLiteral("Wide"));
    user.expectMessage(
        MessageKind::Error, notWritten(path("headers.tml"), "Saved"), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(templates().saveAsTemplate());
    EXPECT_FALSE(QFile::exists(path("tml1.hdr"))) << "no file without its entry";
    ASSERT_TRUE(QDir(temp.path()).rmdir("headers.tml"));

    // Deleting, when the list cannot be rewritten.
    user.expectInput(QStringLiteral("Wide"));
    ASSERT_TRUE(templates().saveAsTemplate());
    const QByteArray listed = fileBytes(path("headers.tml"));
    user.expectMessage(MessageKind::Error, notWritten(path("headers.tml"), "Deleted"),
        MessageButtons::Ok, kNoHelp);
    bool deleted = true;
    {
        FullDisk full;
        ASSERT_TRUE(full.active());
        deleted = templates().deleteTemplate(QStringLiteral("Wide"));
    }
    EXPECT_FALSE(deleted);
    EXPECT_EQ(fileBytes(path("headers.tml")), listed);
    EXPECT_EQ(fileBytes(path("tml1.hdr")), kSportYearBytes) << "no entry without its file";
    EXPECT_EQ(HeaderTemplates::names(temp.path()), QStringList { "Wide" });
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(HeaderTemplatesTest, ANewTemplateLeavesAStrangersFileAndDeleteLeavesOtherFiles)
{
    writeBytes(path("tml1.hdr"), "not ours");
    writeBytes(path("header.dat"), kSportYearBytes);
    user.expectInput(QStringLiteral("Wide"));
    ASSERT_TRUE(templates().saveAsTemplate());
    EXPECT_EQ(listed(), QStringList { "Wide=tml2.hdr" });
    EXPECT_EQ(fileBytes(path("tml1.hdr")), QByteArray("not ours"));

    // An entry naming the header file, as a damaged or crafted list may.
    writeBytes(path("headers.tml"),
        TTemplateList::encode({ { "Wide", "tml2.hdr" }, { "Columns", "header.dat" } }));
    EXPECT_TRUE(templates().deleteTemplate(QStringLiteral("Columns")));
    EXPECT_EQ(listed(), QStringList { "Wide=tml2.hdr" });
    EXPECT_EQ(fileBytes(path("header.dat")), kSportYearBytes);
}

} // namespace
} // namespace zendrova::test
