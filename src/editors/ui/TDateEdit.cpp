#include "editors/ui/TDateEdit.h"

#include "common/Clock.h"
#include "common/HelpTopic.h"
#include "editors/PopupPlacement.h"
#include "editors/ui/TfrmCalPop.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>

namespace zendrova {

TDateEdit::TDateEdit(QWidget *parent)
    : TBtnEdit(parent)
{
    setAutoSelect(false);
    setMaxLength(10);
    resize(120, 22);
    setDragEnabled(false);
    setAcceptDrops(false);
    m_buffer.setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_buffer.clear();
    m_buffer.rememberUndo();
    setButtonHint(tr("Click here to display a Calendar"));
    buildMenu();
    refresh();
}

void TDateEdit::buildMenu()
{
    m_menu = new QMenu(this);
    m_undo = m_menu->addAction(tr("&Undo"), this, [this] {
        m_buffer.undo();
        refresh();
    });
    m_menu->addAction(tr("&Today"), this, [this] { writeDate(Clock::today()); });
    m_menu->addAction(tr("&Clear"), this, [this] {
        m_buffer.rememberUndo();
        m_buffer.clear();
        refresh();
    });
    m_menu->addSeparator();
    m_font = m_menu->addAction(tr("&Font..."), this, [this] { emit OnSetFont(m_menu); });
    m_color = m_menu->addAction(tr("C&olor..."), this, [this] { emit OnSetColor(m_menu); });
    QMenu *formats = m_menu->addMenu(tr("&Date Format"));
    auto *group = new QActionGroup(formats);
    const QStringList captions{QStringLiteral("MMDDYYYY"), QStringLiteral("DDMMYYYY"),
                               QStringLiteral("YYYYMMDD"), QStringLiteral("YYYY")};
    for (int code = 0; code < captions.size(); ++code) {
        QAction *item = formats->addAction(captions[code], this, [this, code] { chooseFormat(code); });
        item->setCheckable(true);
        item->setData(code);
        group->addAction(item);
        m_formats << item;
    }
    m_menu->addSeparator();
    m_menu->addAction(tr("&Help"), this, [this] { showHelpOf(this); });
}

void TDateEdit::prepareMenu()
{
    m_undo->setEnabled(m_buffer.canUndo());
    const int code = DateBuffer::formatCode(m_buffer.format());
    for (QAction *item : std::as_const(m_formats))
        item->setChecked(item->data().toInt() == code);
}

void TDateEdit::hideFontAndColorEntries()
{
    m_font->setVisible(false);
    m_color->setVisible(false);
}

void TDateEdit::chooseFormat(int code)
{
    setDateFormat(DateBuffer::formatOfCode(code));
    emit OnSetFormat(code);
}

void TDateEdit::refresh()
{
    // The caret is placed after the text is replaced, so it never flickers at the end.
    QLineEdit::setText(m_buffer.text());
    setCursorPosition(m_buffer.caret());
}

void TDateEdit::setDateFormat(const QString &format)
{
    if (format.left(10) == m_buffer.format())
        return;
    m_buffer.setFormat(format);
    refresh();
}

void TDateEdit::setDate(const QString &text)
{
    if (m_buffer.setText(text))
        refresh();
}

void TDateEdit::setValue(double serial)
{
    m_buffer.setValue(serial);
    refresh();
}

void TDateEdit::writeDate(QDate date)
{
    m_buffer.setDate(date);
    refresh();
}

bool TDateEdit::validate()
{
    const bool valid = m_buffer.validate();
    refresh();
    return valid;
}

void TDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Home:
        m_buffer.home();
        break;
    case Qt::Key_End:
        m_buffer.end();
        break;
    case Qt::Key_Left:
        m_buffer.left();
        break;
    case Qt::Key_Right:
        m_buffer.right();
        break;
    case Qt::Key_Backspace:
        m_buffer.backspace();
        break;
    case Qt::Key_Delete:
        m_buffer.eraseAfterCaret();
        break;
    default: {
        if (isEnterKey(event)) {
            TBtnEdit::keyPressEvent(event); // refused here, left to the dialog
            return;
        }
        const QString text = event->text();
        if (!text.isEmpty() && text[0].isPrint()) {
            if (text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128)
                m_buffer.typeDigit(text[0]);
            else
                QApplication::beep();
            break;
        }
        event->ignore();
        return;
    }
    }
    deselect();
    refresh();
}

void TDateEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    m_buffer.placeCaret(cursorPositionAt(event->position().toPoint()));
    deselect();
    refresh();
}

void TDateEdit::mouseMoveEvent(QMouseEvent *)
{
    // No selecting by dragging: the buffer is edited place by place.
}

void TDateEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TDateEdit::inputMethodEvent(QInputMethodEvent *)
{
}

void TDateEdit::focusInEvent(QFocusEvent *event)
{
    TBtnEdit::focusInEvent(event);
    if (!changesField(event))
        return; // back from a menu or the calendar: still the same visit
    m_buffer.home();
    m_buffer.rememberUndo();
    refresh();
}

void TDateEdit::focusOutEvent(QFocusEvent *event)
{
    TBtnEdit::focusOutEvent(event);
    if (changesField(event) && !validate())
        refuseLeaving(DateBuffer::invalidDateText());
}

void TDateEdit::contextMenuEvent(QContextMenuEvent *event)
{
    prepareMenu();
    m_menu->exec(event->globalPos());
}

void TDateEdit::ButtonClick()
{
    m_buffer.zeroFill();
    refresh();
    QPointer<TDateEdit> self(this);
    {
        TfrmCalPop popup(this);
        if (window()->windowFlags() & Qt::WindowStaysOnTopHint)
            popup.setWindowFlag(Qt::WindowStaysOnTopHint);
        const QRect editor(mapToGlobal(QPoint(0, 0)), size());
        const QScreen *screen = this->screen();
        popup.move(popupPosition(editor, popup.size(), screen ? screen->geometry() : QRect()));
        if (popup.exec() == TfrmCalPop::TodayResult && self)
            writeDate(Clock::today());
    }
    if (!self)
        return;
    setFocus(Qt::OtherFocusReason);
    m_buffer.home();
    refresh();
}

} // namespace zendrova
