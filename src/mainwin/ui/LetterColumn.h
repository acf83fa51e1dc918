#pragma once

#include "mainwin/LetterStack.h"
#include "mainwin/LetterStackColors.h"

#include <QList>
#include <QWidget>

class QAction;
class QMenu;
class QToolButton;

namespace zendrova {

class LetterCounts;
class TColorButton;

// The column of letter tabs A..Z (Panel7): the tabs in Panel5 between the
// scroll buttons in Panel9 (up) and Panel8 (down). It shows and reports;
// the window decides what a click or a popup choice does.
class LetterColumn : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kScrollPanelHeight = 16;

    explicit LetterColumn(QWidget *parent = nullptr);

    TColorButton *letterButton(char letter) const;
    // Not active: every tab is disabled.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // A letter outside 'A'..'Z' selects none.
    void setSelectedLetter(char letter);
    char selectedLetter() const { return m_selected; }
    void setColors(const LetterStackColors &colors);
    void setCounts(const LetterCounts &counts);
    // Redraws one tab after its count changed.
    void setHoldsRecords(char letter, bool holdsRecords);
    // Checks "Enabled" or "Disabled" in the popup.
    void setLetterTabsOption(bool enabled);
    QMenu *popupMenu() const { return m_popup; }
    const LetterStack &stack() const { return m_stack; }

signals:
    void letterClicked(char letter);
    void enableRequested();
    void disableRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QWidget *scrollPanel(const char *panel, const char *button, Qt::ArrowType arrow,
        const QString &hint, void (LetterStack::*scroll)());
    void buildPopup();
    void paintLetter(int index);
    void placeLetters();

    QWidget *m_letters = nullptr;
    QWidget *m_up = nullptr;
    QWidget *m_down = nullptr;
    QToolButton *m_upButton = nullptr;
    QToolButton *m_downButton = nullptr;
    QList<TColorButton *> m_buttons;
    QList<bool> m_filled = QList<bool>(LetterStack::kLetterCount, false);
    LetterStackColors m_colors;
    LetterStack m_stack;
    QMenu *m_popup = nullptr;
    QAction *m_enabled = nullptr;
    QAction *m_disabled = nullptr;
    bool m_active = true;
    char m_selected = 'A';
};

} // namespace zendrova
