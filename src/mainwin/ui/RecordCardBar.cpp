#include "mainwin/ui/RecordCardBar.h"

#include "common/ui/TNoFocusBitBtn.h"

#include <QLabel>

#include <algorithm>

namespace zendrova {

namespace {
constexpr int kGap = 2;
constexpr int kButtonPadding = 10;
constexpr int kLabelWidth = 48;
// The buttons that stand left to right from the bar's left edge.
constexpr MainCommand kLeftButtons[] = {MainCommand::PrintRecord, MainCommand::DeleteRecord,
    MainCommand::CopyRecord, MainCommand::PasteRecord, MainCommand::UndoRecord,
    MainCommand::Synchronise};
} // namespace

RecordCardBar::RecordCardBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(kHeight);
    addButton(MainCommand::PrintRecord, "B_RPrint", {tr("Print"), tr("P")},
        tr("Print This Record [Alt+P]"));
    addButton(MainCommand::DeleteRecord, "B_RDelete", {tr("Del"), tr("D")},
        tr("Delete This Record [Alt+Del]"));
    addButton(MainCommand::CopyRecord, "B_RCopy", {tr("Copy"), tr("C")},
        tr("Copy This Record [Alt+C]"));
    addButton(MainCommand::PasteRecord, "B_RPaste", {tr("Paste"), tr("T")},
        tr("Paste Into This Record [Alt+T]"));
    addButton(MainCommand::UndoRecord, "B_RUndo", {tr("Undo"), tr("U")},
        tr("Undo Changes To This Record [Alt+U]"));
    addButton(MainCommand::PreviousRecord, "B_Prev", {tr("<"), tr("<")},
        tr("Previous Record [Alt+PgUp]"));
    addButton(MainCommand::NextRecord, "B_Next", {tr(">"), tr(">")},
        tr("Next Record [Alt+PgDn]"));
    addButton(MainCommand::Synchronise, "B_RSynchro", {tr("Sync"), tr("Y")},
        tr("Show This Record In The List [Alt+Y]"));

    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("PgR_Lbl"));
    m_percentage = new QLabel(this);
    m_percentage->setObjectName(QStringLiteral("Perc_Lbl"));
    for (QLabel *label : {m_position, m_percentage}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFixedSize(kLabelWidth, kHeight / 2 - kGap);
    }
    relayout();
}

void RecordCardBar::addButton(
    MainCommand command, const char *name, const Captions &captions, const QString &hint)
{
    auto *button = new TNoFocusBitBtn(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(captions.full);
    button->setToolTip(hint);
    m_captions.insert(command, captions);
    button->setFixedSize(widthFor(captions.full), kButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    m_buttons.insert(command, button);
}

int RecordCardBar::widthFor(const QString &caption) const
{
    return std::max(kButtonHeight, fontMetrics().horizontalAdvance(caption) + kButtonPadding);
}

void RecordCardBar::setPositionText(const QString &position, const QString &percentage)
{
    m_position->setText(position);
    m_percentage->setText(percentage);
}

void RecordCardBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    relayout();
}

void RecordCardBar::relayout()
{
    const int top = (height() - kButtonHeight) / 2;
    const int labelLeft = width() - kLabelRightGap - kLabelWidth;
    m_position->move(labelLeft, kGap);
    m_percentage->move(labelLeft, kHeight / 2);
    QPushButton *next = m_buttons[MainCommand::NextRecord];
    QPushButton *previous = m_buttons[MainCommand::PreviousRecord];
    next->move(labelLeft - kGap - next->width(), top);
    previous->move(next->x() - kGap - previous->width(), top);
    placeLeftButtons(previous->x() - kGap);
}

void RecordCardBar::placeLeftButtons(int space)
{
    int fullWidth = 0;
    for (MainCommand command : kLeftButtons)
        fullWidth += kGap + widthFor(m_captions[command].full);
    const bool fits = fullWidth + kGap <= space;
    const int count = int(std::size(kLeftButtons));
    const int square = std::clamp((space - kGap) / count - kGap, 1, kButtonHeight);
    const int top = (height() - kButtonHeight) / 2;
    int x = kGap;
    for (MainCommand command : kLeftButtons) {
        QPushButton *button = m_buttons[command];
        const QString &caption = fits ? m_captions[command].full : m_captions[command].compact;
        button->setText(caption);
        const int width = fits ? widthFor(caption) : square;
        button->setFixedSize(width, kButtonHeight);
        button->move(x, top);
        x += width + kGap;
    }
}

} // namespace zendrova
