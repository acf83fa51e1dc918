#pragma once

#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/CaptionList.h"
#include "common/Clock.h"
#include "common/DateFormatList.h"
#include "output/ReportRun.h"
#include "output/ReportSetup.h"
#include "printengine/TReportFiler.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include <QBuffer>
#include <QImage>
#include <optional>

namespace zendrova::test {

// Field positions of the card table.
inline constexpr int kCardName = 2;
inline constexpr int kTeam = 6;
inline constexpr int kCardNumber = 9;
inline constexpr int kSmallPicture = 10;
inline constexpr int kPurchase = 11;
inline constexpr int kCustom4Date = 19;
inline constexpr int kNotes = 21;

// The caption-list index of a field position.
inline std::uint16_t fieldIndexOf(int position)
{
    return static_cast<std::uint16_t>(position - FieldModel::kFirstUserPosition);
}

struct Card
{
    QString name = {};
    QString team = {};
    std::optional<double> number = {};
    std::optional<double> purchase = {};
    QString notes = {};
    QSize picture = {}; // empty: none
};

// One printed text with its place on the page, in inches.
struct PrintedText
{
    int page;
    double x, y;
    QString text;
};

// A database of cards, a report setup on a custom page, and a run of the
// report into a page stream kept in memory.
class ReportFixture : public ::testing::Test
{
protected:
    ReportFixture()
    {
        Clock::setToday(QDate(2026, 12, 11));
        DatabaseFixture::expectNewDatabase(user);
        EXPECT_TRUE(store.openDatabase());
        dateFormats.fillDefaultsIfEmpty();
        setup.destination = ReportSetup::Destination::Preview;
        setup.paperCode = ReportSetup::PaperCustom;
        setup.font = FontRecord{ QStringLiteral("DejaVu Sans"), 0, 10 };
        setup.pageNumbers = 0;
        setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = 0.5;
    }
    ~ReportFixture() override { Clock::setToday(std::nullopt); }

    StoreTable &records() { return store.recordTable(); }

    void addCard(const Card &card)
    {
        RecordEditor editor(records());
        editor.append();
        editor.setText(kCardName, card.name);
        editor.setText(kTeam, card.team);
        if (card.number)
            editor.setNumber(kCardNumber, *card.number);
        if (card.purchase)
            editor.setNumber(kPurchase, *card.purchase);
        if (!card.notes.isEmpty())
            editor.setText(kNotes, card.notes);
        if (!card.picture.isEmpty()) {
            QImage image(card.picture, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "BMP");
            editor.setBytes(kSmallPicture, bytes);
        }
        editor.post();
    }

    void include(int position, double widthInches)
    {
        setup.columns.push_back(
            { fieldIndexOf(position), static_cast<std::uint16_t>(std::lround(widthInches * 100)) });
    }

    // Runs the report; the pages stay in filer.Stream().
    void run(ReportHooks hooks = {}, TReportRec *definition = nullptr)
    {
        filer.StreamMode = print::smMemory;
        ReportRun report(filer, records(), setup, CaptionList::builtInCaptions(), dateFormats,
            std::move(hooks));
        report.setDefinition(definition);
        report.attach();
        ASSERT_TRUE(filer.RunJob());
    }

    const print::PageStream &stream() const { return filer.Stream(); }
    int pageCount() const { return static_cast<int>(stream().pages.size()); }

    // Every non-empty text of the stream, page by page in drawing order.
    std::vector<PrintedText> texts() const
    {
        std::vector<PrintedText> found;
        for (const print::Page &page : stream().pages)
            for (const print::PageOp &op : page.ops)
                if (const auto *text = std::get_if<print::PageText>(&op))
                    if (!text->text.isEmpty())
                        found.push_back({ page.number, text->x, text->y, text->text });
        return found;
    }

    QStringList textsOnPage(int page) const
    {
        QStringList list;
        for (const PrintedText &t : texts())
            if (t.page == page)
                list << t.text;
        return list;
    }

    // The first printed text equal to this; fails the test when there is none.
    PrintedText find(const QString &text) const
    {
        for (const PrintedText &t : texts())
            if (t.text == text)
                return t;
        ADD_FAILURE() << "not printed: " << text.toStdString();
        return { 0, 0, 0, QString() };
    }

    bool printed(const QString &text) const
    {
        const auto all = texts();
        return std::any_of(all.begin(), all.end(), [&](const PrintedText &t) { return t.text == text; });
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store{ fixture.state };
    DateFormatList dateFormats;
    ReportSetup setup;
    print::TReportFiler filer;
};

} // namespace zendrova::test
