#pragma once

#include <QLineEdit>

namespace zendrova {

class TEditButton;

// A one-line edit with a small button at its right edge; the text never runs
// under the button. Subclasses act on the button through ButtonClick().
class TBtnEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool ButtonVisible READ ButtonVisible WRITE setButtonVisible)
    Q_PROPERTY(int Alignment READ AlignmentCode WRITE setAlignmentCode)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(QString ButtonHint READ ButtonHint WRITE setButtonHint)
public:
    explicit TBtnEdit(QWidget *parent = nullptr);

    bool ButtonVisible() const { return m_buttonVisible; }
    void setButtonVisible(bool visible);
    int AlignmentCode() const;
    void setAlignmentCode(int code);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }
    QString ButtonHint() const;
    void setButtonHint(const QString &hint);
    TEditButton *button() const { return m_button; }

    // Least height for a font: its height + a quarter of the smaller of it and
    // the system font's height + 4 border heights.
    static int minimumHeightFor(int fontHeight, int systemFontHeight, int borderHeight = 1);

protected:
    virtual void ButtonClick() {}
    // The caret on entering: the whole text with AutoSelect, else the start.
    void placeCaretOnEntry();

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Enter and Return never become text; the key goes on to the dialog.
    static bool isEnterKey(const QKeyEvent *event);
    // True when the focus moves between controls; menus, popups and other
    // windows taking or giving back the focus do not leave or enter the field.
    static bool changesField(const QFocusEvent *event);
    // Reports why the field cannot be left and takes the focus back.
    void refuseLeaving(const QString &message);

private:
    void layoutButton();

    TEditButton *m_button;
    bool m_buttonVisible = true;
    bool m_autoSelect = false;
};

} // namespace zendrova
