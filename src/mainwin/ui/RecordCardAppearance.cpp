// The record card's fonts and colours.
#include "mainwin/ui/RecordCard.h"

#include "editors/ui/TBtnEdit.h"
#include "mainwin/CardFieldDesign.h"
#include "mainwin/CardFields.h"
#include "mainwin/FontShift.h"
#include "mainwin/ui/CardControl.h"
#include "mainwin/ui/RecordCardLabel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextCursor>

#include <algorithm>

namespace zendrova {

namespace {

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

} // namespace

void RecordCard::setOneLineFont(const QFont &font)
{
    QList<FontShift::Field> fields;
    for (const CardField &field : CardFields::all()) {
        if (field.isOneLine())
            m_controls[field.tag - 1]->setFont(font);
        fields << FontShift::Field{field.page, CardFieldDesign::controlRect(field.tag),
            CardFieldDesign::captionRect(field.tag), field.isOneLine()};
    }
    const int height = TBtnEdit::minimumHeightFor(
        QFontMetrics(font).height(), QFontMetrics(QApplication::font()).height());
    const FontShift::Placement placed = FontShift::apply(fields, height);
    m_baseControls = placed.controls;
    m_baseLabels = placed.captions;
    relayout();
}

void RecordCard::setMultiLineFont(const QFont &font)
{
    for (const CardField &field : CardFields::all())
        if (field.kind == CardControlKind::Memo)
            m_controls[field.tag - 1]->setFont(font);
}

void RecordCard::applyColors(const CardColors &colors)
{
    m_highlighted = -1; // every field takes the scheme's colours below
    for (const auto &control : m_cardControls)
        control->applyColors(colors);
    for (RecordCardLabel *label : std::as_const(m_labels)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colors.captionText);
        palette.setColor(QPalette::Window, colors.captionBackground);
        label->setPalette(palette);
    }
    for (int page = 0; page < m_notebook->count(); ++page)
        setBackground(m_notebook->widget(page)->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly), colors.pageBackground);
    setBackground(m_tabs, colors.pageBackground);
}

void RecordCard::highlightField(int index, int memoOffset, int memoLength)
{
    if (index < 0 || index >= m_controls.size())
        return;
    clearHighlight();
    QWidget *control = m_controls[index];
    m_paletteBeforeHighlight = control->palette();
    m_highlighted = index;
    control->setPalette(fieldPalette(control->palette(), Qt::yellow, Qt::red));
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        QTextCursor cursor = memo->textCursor();
        const int end = memo->document()->characterCount() - 1;
        cursor.setPosition(std::clamp(memoOffset, 0, end));
        cursor.setPosition(std::clamp(memoOffset + memoLength, 0, end), QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void RecordCard::clearHighlight()
{
    if (m_highlighted < 0)
        return;
    m_controls[m_highlighted]->setPalette(m_paletteBeforeHighlight);
    m_highlighted = -1;
}

} // namespace zendrova
