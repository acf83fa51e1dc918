#pragma once

#include "mainwin/CardFieldColors.h"
#include "mainwin/CardFields.h"
#include "mainwin/ColorDialogModel.h"
#include "mainwin/MainCommand.h"

#include <QFrame>
#include <QList>
#include <QRect>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace zendrova {

class AppState;
class CaptionList;
class CardControl;
class DateFormatList;
class RecordCardBar;
class RecordCardLabel;
class RecordCardMenus;
class TDateEdit;

// The record card ("PgRight"): the 21 field controls L1..L21 on four parts
// with their caption labels Label1..Label21, the status bar, the part tabs
// and the record bar. Each control and label carries its field number as its
// "Tag"; control n is bound to field position n + 1 of the record table.
class RecordCard : public QFrame
{
    Q_OBJECT
public:
    RecordCard(AppState &state, QWidget *parent = nullptr);
    ~RecordCard() override;

    // Index tag - 1, in field-number order.
    const QList<QWidget *> &controls() const { return m_controls; }
    // The same controls as the card's values and colours see them.
    QList<CardControl *> cardControls() const;
    // Which colours the "C&olor..." item of a card control edits.
    ColorDialogUse colorUseOf(const QWidget *control) const;
    const QList<RecordCardLabel *> &captionLabels() const { return m_labels; }
    // In the order met; an entry's index is its line in the date format list.
    const QList<TDateEdit *> &dateControls() const { return m_dates; }
    const QList<int> &pageFieldCounts() const { return m_pageCounts; }
    // The 1-based part of the control at index i.
    int pageOfControl(int index) const;
    // The index of the card control that has the focus (or holds it), -1 for none.
    int focusedControl() const;

    void applyCaptions(const CaptionList &captions);
    void applyDateFormats(const DateFormatList &formats);
    // One-line controls take the font's height and the card moves to fit.
    void setOneLineFont(const QFont &font);
    void setMultiLineFont(const QFont &font);
    void applyColors(const CardColors &colors);
    // A find's match: the control turns red with yellow text until another
    // field is highlighted or the highlight is cleared. For a memo the matched
    // text is selected.
    void highlightField(int index, int memoOffset = 0, int memoLength = 0);
    void clearHighlight();
    // -1 when none is highlighted.
    int highlightedField() const { return m_highlighted; }

    int partCount() const;
    // False when the card has fewer parts.
    bool selectPart(int n);
    int currentPart() const;
    // Tab and Shift+Tab: the next tab stop in field order, across parts; false
    // when no card field has the focus.
    bool focusNextField(bool backwards);

    void setStatusText(const QString &text);
    QLabel *statusBar() const { return m_status; }
    QPushButton *templateButton() const { return m_templateButton; }
    RecordCardBar *recordBar() const { return m_bar; }
    RecordCardMenus *menus() const { return m_menus; }

signals:
    void captionClicked(int fieldNumber);
    // Font or colour items of a field's menu; the control tells which font
    // (memo: multi-line, else one-line) and which colours are meant.
    void fieldFontRequested(QWidget *control);
    void fieldColorRequested(QWidget *control);
    // A date control's format was changed and "date.dat" saved.
    void dateFormatChanged(int fieldNumber, int code);
    void templateButtonClicked();
    void commandRequested(zendrova::MainCommand command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildStatusBar();
    QWidget *buildPage(int page);
    void createControl(const CardField &field, QWidget *parent);
    void buildLists();
    void connectDateControl(TDateEdit *date);
    // Places every control and label for the current page size.
    void relayout();

    AppState &m_state;
    QLabel *m_status = nullptr;
    QPushButton *m_templateButton = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QTabBar *m_tabs = nullptr;
    RecordCardBar *m_bar = nullptr;
    RecordCardMenus *m_menus = nullptr;
    std::array<std::unique_ptr<CardControl>, CardFields::kCount> m_cardControls;
    QList<QWidget *> m_controls;
    QList<RecordCardLabel *> m_labels;
    QList<TDateEdit *> m_dates;
    int m_highlighted = -1;
    QPalette m_paletteBeforeHighlight;
    QList<int> m_pageCounts;
    // Design geometry after the one-line font change; scaling starts here.
    QList<QRect> m_baseControls;
    QList<QRect> m_baseLabels;
};

} // namespace zendrova
