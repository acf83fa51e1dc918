// Colours, fonts and captions of the main window's parts.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/FontConversion.h"
#include "common/Interaction.h"
#include "mainwin/CardFields.h"
#include "mainwin/FontChoice.h"
#include "mainwin/ui/RecordCardLabel.h"
#include "mainwin/SchemeColors.h"
#include "mainwin/ui/CaptionMenu.h"
#include "mainwin/ui/LetterColumn.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "mainwin/ui/SpeedBars.h"
#include "mainwin/ui/TColorDlg.h"

namespace zendrova {

namespace {
constexpr int kRecordButtonHelpContext = 105;

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

void TForm3::connectAppearance()
{
    m_captionMenu = new CaptionMenu(m_state, m_state.colorScheme, this);
    m_captionMenu->setObjectName(QStringLiteral("PopupMenu4"));
    connect(m_captionMenu, &CaptionMenu::captionsChanged, this, &TForm3::applyCaptions);
    connect(m_captionMenu, &CaptionMenu::colorsChanged, this, &TForm3::applyColors);
    connect(m_captionMenu, &CaptionMenu::colorsPreviewed, this, &TForm3::applyColors);
    connect(m_card, &RecordCard::captionClicked, this, [this](int fieldNumber) {
        m_captionMenu->popupBelow(fieldNumber, m_card->captionLabels().value(fieldNumber - 1));
    });
    connect(m_card, &RecordCard::fieldFontRequested, this, [this](QWidget *field) {
        const bool memo = CardFields::byTag(CardFields::tagOf(field)).kind == CardControlKind::Memo;
        if (FontChoice::choose(m_state.userOptions, FontChoice::forField(memo)))
            applyFonts();
    });
    connect(m_card, &RecordCard::fieldColorRequested, this,
        [this](QWidget *field) { chooseColors(m_card->colorUseOf(field)); });
    connect(m_listPage, &RecordListPage::rowFontRequested, this, [this] {
        if (FontChoice::choose(m_state.userOptions, FontTarget::RecordButtons))
            applyFonts();
    });
    connect(m_listPage, &RecordListPage::rowColorRequested, this,
        [this] { chooseColors(ColorDialogUse::RecordButtons); });
    connect(m_listPage, &RecordListPage::rowHelpRequested, this,
        [] { Interaction::current().showHelp(kRecordButtonHelpContext); });
}

void TForm3::chooseColors(ColorDialogUse use)
{
    TColorDlg dialog(m_state.colorScheme, m_state.databaseFolder, use, this);
    // Each click shows at once; Cancel shows the scheme as it was.
    connect(&dialog, &TColorDlg::schemeEdited, this, &TForm3::applyColors);
    dialog.exec();
    applyColors();
}

void TForm3::applyColors()
{
    const SchemeColors colors = SchemeColors::of(m_state.colorScheme);
    setBackground(m_client, colors.windowBackground);
    m_speedBars->setBarColor(colors.speedBar);
    m_speedBars->setTabRowColor(colors.windowBackground);
    m_listPage->applyColors({ colors.recordButton.text, colors.recordButton.background,
        colors.selectedRecordButton.text, colors.selectedRecordButton.background,
        colors.leftPage });
    LetterStackColors letters;
    letters.notEmptyText = colors.notEmptyLetterTab.text;
    letters.notEmptyBack = colors.notEmptyLetterTab.background;
    letters.emptyText = colors.emptyLetterTab.text;
    letters.emptyBack = colors.emptyLetterTab.background;
    letters.selectedText = colors.selectedLetterTab.text;
    letters.selectedBack = colors.selectedLetterTab.background;
    m_letterColumn->setColors(letters);
    setBackground(m_letterColumn, colors.leftPage);

    CardColors card;
    card.oneLineText = colors.oneLineField.text;
    card.oneLineBackground = colors.oneLineField.background;
    card.memoText = colors.memo.text;
    card.memoBackground = colors.memo.background;
    card.currencyPositive = colors.positiveCurrency.text;
    card.currencyNegative = colors.negativeCurrency.text;
    card.captionText = colors.captionLabel.text;
    card.captionBackground = colors.captionLabel.background;
    card.pageBackground = colors.cardPage;
    m_card->applyColors(card);
}

void TForm3::applyFonts()
{
    const UserOptions &options = m_state.userOptions;
    m_listPage->setRowFont(toQFont(options.recordButtonsFont));
    m_card->setOneLineFont(toQFont(options.oneLineFieldsFont));
    m_card->setMultiLineFont(toQFont(options.multiLineFieldsFont));
    relayout();
}

void TForm3::applyCaptions()
{
    m_card->applyCaptions(m_state.captions);
    m_listPage->header()->applyCaptions();
    showSort();
}

} // namespace zendrova
