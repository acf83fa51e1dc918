#pragma once

#include "editors/DateBuffer.h"
#include "editors/ui/TBtnEdit.h"

class QMenu;
class QAction;

namespace zendrova {

// A date field: a masked overwrite buffer with its own caret rules, checked
// when it is left ("Invalid Date!"), with a calendar behind its button.
class TDateEdit : public TBtnEdit
{
    Q_OBJECT
    Q_PROPERTY(QString DateFormat READ DateFormat WRITE setDateFormat)
    Q_PROPERTY(QString Date READ Date WRITE setDate)
public:
    explicit TDateEdit(QWidget *parent = nullptr);

    QString DateFormat() const { return m_buffer.format(); }
    void setDateFormat(const QString &format);
    QString Date() const { return m_buffer.text(); }
    // Keeps the previous buffer when the text is neither blank nor a valid date.
    void setDate(const QString &text);

    double value() const { return m_buffer.value(); }
    // The date the buffer reads as; nothing when blank or not a date.
    std::optional<QDate> shownDate() const { return m_buffer.date(); }
    // Only blank marks: no date entered.
    bool isBlank() const { return m_buffer.isBlank(); }
    void setValue(double serial);
    void writeDate(QDate date);
    int caret() const { return m_buffer.caret(); }
    // Zero-fills and checks; a blank buffer is valid.
    bool validate();

    void hideFontAndColorEntries();
    QMenu *popupMenu() const { return m_menu; }
    // Fills in the menu's check mark and Undo state as opening it does.
    void prepareMenu();

signals:
    // formatCode: 0 "mm/dd/yyyy", 1 "dd/mm/yyyy", 2 "yyyy/mm/dd", 3 "yyyy".
    void OnSetFormat(int formatCode);
    void OnSetFont(QMenu *menu);
    void OnSetColor(QMenu *menu);

protected:
    void ButtonClick() override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void buildMenu();
    void refresh();
    void chooseFormat(int code);

    DateBuffer m_buffer;
    QMenu *m_menu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_font = nullptr;
    QAction *m_color = nullptr;
    QList<QAction *> m_formats;
};

} // namespace zendrova
