#pragma once

#include "common/ColorScheme.h"

#include <QMenu>

namespace zendrova {

class AppState;

// The caption labels' popup menu PopupMenu4, for the field whose label was
// clicked. It edits captions and the caption colours and tells the window
// what to re-apply.
class CaptionMenu : public QMenu
{
    Q_OBJECT
public:
    CaptionMenu(AppState &state, ColorScheme &scheme, QWidget *parent = nullptr);

    int fieldNumber() const { return m_fieldNumber; }
    void setFieldNumber(int fieldNumber) { m_fieldNumber = fieldNumber; }
    // Opens the menu for the field below its label.
    void popupBelow(int fieldNumber, QWidget *label);

    void Text1Click();
    void Color1Click();
    void LoadFromTemplate1Click();
    void SaveAsTemplate1Click();

signals:
    void captionsChanged();
    void colorsChanged();
    // The colour dialog changed the scheme for a moment (a click or its undo).
    void colorsPreviewed();

private:
    QAction *item(const char *name, const QString &text);

    AppState &m_state;
    ColorScheme &m_scheme;
    int m_fieldNumber = 0;
};

} // namespace zendrova
