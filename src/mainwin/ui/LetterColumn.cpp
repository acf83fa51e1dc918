#include "mainwin/ui/LetterColumn.h"

#include "store/LetterCounts.h"
#include "store/ui/TColorButton.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>

namespace zendrova {

LetterColumn::LetterColumn(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel7"));
    m_up = scrollPanel("Panel9", "SpeedButton2", Qt::UpArrow, tr("Scroll Letter Bar Up"),
        &LetterStack::scrollUp);
    m_upButton = m_up->findChild<QToolButton *>();
    m_letters = new QWidget(this);
    m_letters->setObjectName(QStringLiteral("Panel5"));
    m_down = scrollPanel("Panel8", "SpeedButton1", Qt::DownArrow, tr("Scroll Letter Bar Down"),
        &LetterStack::scrollDown);
    m_downButton = m_down->findChild<QToolButton *>();
    for (int i = 0; i < LetterStack::kLetterCount; ++i) {
        const char letter = char('A' + i);
        auto *button = new TColorButton(m_letters);
        button->setObjectName(QStringLiteral("ColorButton%1").arg(i + 1));
        button->setText(QString(QChar::fromLatin1(letter)));
        button->setToolTip(tr("Jump to Page beginning with %1").arg(QChar::fromLatin1(letter)));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QAbstractButton::clicked, this, [this, letter] {
            emit letterClicked(letter);
        });
        m_buttons.append(button);
    }
    buildPopup();
    setSelectedLetter('A');
    resize(24, 400);
}

QWidget *LetterColumn::scrollPanel(const char *panel, const char *button, Qt::ArrowType arrow,
    const QString &hint, void (LetterStack::*scroll)())
{
    auto *holder = new QWidget(this);
    holder->setObjectName(QString::fromLatin1(panel));
    auto *scroller = new QToolButton(holder);
    scroller->setObjectName(QString::fromLatin1(button));
    scroller->setArrowType(arrow);
    scroller->setAutoRaise(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setToolTip(hint);
    connect(scroller, &QToolButton::clicked, this, [this, scroll] {
        (m_stack.*scroll)();
        placeLetters();
    });
    return holder;
}

void LetterColumn::buildPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("LetterTabsMenu"));
    m_popup->setTitle(tr("Letter Tabs"));
    auto *group = new QActionGroup(m_popup);
    m_enabled = m_popup->addAction(tr("Enabled"));
    m_enabled->setObjectName(QStringLiteral("LetterTabsEnabled"));
    m_disabled = m_popup->addAction(tr("Disabled"));
    m_disabled->setObjectName(QStringLiteral("LetterTabsDisabled"));
    for (QAction *action : { m_enabled, m_disabled }) {
        action->setCheckable(true);
        group->addAction(action);
    }
    m_enabled->setChecked(true);
    connect(m_enabled, &QAction::triggered, this, &LetterColumn::enableRequested);
    connect(m_disabled, &QAction::triggered, this, &LetterColumn::disableRequested);
}

TColorButton *LetterColumn::letterButton(char letter) const
{
    return LetterCounts::isLetter(letter) ? m_buttons[letter - 'A'] : nullptr;
}

void LetterColumn::setActive(bool active)
{
    m_active = active;
    for (TColorButton *button : m_buttons)
        button->setEnabled(active);
}

void LetterColumn::setSelectedLetter(char letter)
{
    m_selected = LetterCounts::isLetter(letter) ? letter : '\0';
    for (int i = 0; i < LetterStack::kLetterCount; ++i)
        m_buttons[i]->setSelected(m_selected == 'A' + i);
}

void LetterColumn::setColors(const LetterStackColors &colors)
{
    m_colors = colors;
    for (int i = 0; i < LetterStack::kLetterCount; ++i)
        paintLetter(i);
}

void LetterColumn::setCounts(const LetterCounts &counts)
{
    for (int i = 0; i < LetterStack::kLetterCount; ++i) {
        m_filled[i] = counts.holdsRecords(char('A' + i));
        paintLetter(i);
    }
}

void LetterColumn::setHoldsRecords(char letter, bool holdsRecords)
{
    if (!LetterCounts::isLetter(letter))
        return;
    m_filled[letter - 'A'] = holdsRecords;
    paintLetter(letter - 'A');
}

void LetterColumn::paintLetter(int index)
{
    TColorButton *button = m_buttons[index];
    button->setTextColor(m_colors.textFor(m_filled[index]));
    button->setBgndColor(m_colors.backFor(m_filled[index]));
    button->setSelTextColor(m_colors.selectedText);
    button->setSelBgndColor(m_colors.selectedBack);
}

void LetterColumn::setLetterTabsOption(bool enabled)
{
    (enabled ? m_enabled : m_disabled)->setChecked(true);
}

void LetterColumn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int lettersHeight = std::max(0, height() - 2 * kScrollPanelHeight);
    m_up->setGeometry(0, 0, width(), kScrollPanelHeight);
    m_upButton->setGeometry(0, 0, width(), kScrollPanelHeight);
    m_letters->setGeometry(0, kScrollPanelHeight, width(), lettersHeight);
    m_down->setGeometry(0, kScrollPanelHeight + lettersHeight, width(), kScrollPanelHeight);
    m_downButton->setGeometry(0, 0, width(), kScrollPanelHeight);
    m_stack.setPanel(width(), lettersHeight);
    placeLetters();
}

void LetterColumn::placeLetters()
{
    for (int i = 0; i < LetterStack::kLetterCount; ++i)
        m_buttons[i]->setGeometry(m_stack.letterRect(i));
    m_upButton->setEnabled(m_stack.canScrollUp());
    m_downButton->setEnabled(m_stack.canScrollDown());
}

void LetterColumn::contextMenuEvent(QContextMenuEvent *event)
{
    m_popup->popup(event->globalPos());
    event->accept();
}

} // namespace zendrova
