#include "mainwin/ui/RecordCardBar.h"

#include "common/ui/TNoFocusBitBtn.h"

#include <QLabel>

namespace zendrova {

namespace {
constexpr int kGap = 2;
constexpr int kButtonPadding = 10;
constexpr int kLabelWidth = 56;
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
    addButton(MainCommand::PrintRecord, "B_RPrint", tr("Print"), tr("Print This Record [Alt+P]"));
    addButton(MainCommand::DeleteRecord, "B_RDelete", tr("Del"), tr("Delete This Record [Alt+Del]"));
    addButton(MainCommand::CopyRecord, "B_RCopy", tr("Copy"), tr("Copy This Record [Alt+C]"));
    addButton(MainCommand::PasteRecord, "B_RPaste", tr("Paste"), tr("Paste Into This Record [Alt+T]"));
    addButton(MainCommand::UndoRecord, "B_RUndo", tr("Undo"), tr("Undo Changes To This Record [Alt+U]"));
    addButton(MainCommand::PreviousRecord, "B_Prev", tr("<"), tr("Previous Record [Alt+PgUp]"));
    addButton(MainCommand::NextRecord, "B_Next", tr(">"), tr("Next Record [Alt+PgDn]"));
    addButton(MainCommand::Synchronise, "B_RSynchro", tr("Sync"),
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
    MainCommand command, const char *name, const QString &caption, const QString &hint)
{
    auto *button = new TNoFocusBitBtn(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    const int width = std::max(kButtonHeight, fontMetrics().horizontalAdvance(caption) + kButtonPadding);
    button->setFixedSize(width, kButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    m_buttons.insert(command, button);
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
    int x = kGap;
    for (MainCommand command : kLeftButtons) {
        m_buttons[command]->move(x, top);
        x += m_buttons[command]->width() + kGap;
    }
    const int labelLeft = width() - kLabelRightGap - kLabelWidth;
    m_position->move(labelLeft, kGap);
    m_percentage->move(labelLeft, kHeight / 2);
    QPushButton *next = m_buttons[MainCommand::NextRecord];
    QPushButton *previous = m_buttons[MainCommand::PreviousRecord];
    next->move(labelLeft - kGap - next->width(), top);
    previous->move(next->x() - kGap - previous->width(), top);
}

} // namespace zendrova
