#pragma once

#include "mainwin/CommandTable.h"

#include <QList>
#include <QWidget>

class QFrame;
class QTabBar;
class QAbstractButton;

namespace zendrova {

class TNoFocusBitBtn;

// The two speed bar pages ("Standard" in Panel3, "Advanced" in Panel4) with
// the tab row TabSet1 below them. The window places this strip; the strip
// lays out its own buttons.
class SpeedBars : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kButtonHeight = 30;
    static constexpr int kButtonTop = 3;
    static constexpr int kBarHeight = kButtonHeight + 2 * kButtonTop;

    SpeedBars(CommandTable &commands, QWidget *parent = nullptr);

    int barHeight() const { return kBarHeight; }
    int tabRowHeight() const;
    QSize sizeHint() const override;

    // 0 "Standard", 1 "Advanced".
    void selectPage(int page);
    int currentPage() const;
    void setBarColor(const QColor &color);
    void setTabRowColor(const QColor &color);

signals:
    void commandChosen(MainCommand command);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Page
    {
        QFrame *panel = nullptr;
        QList<TNoFocusBitBtn *> buttons;
        QStringList captions;
        QList<int> captionWidths; // measured once: the bar's font never changes
    };

    void buildPage(Page &page, const char *name, SpeedBarPage which);
    void layOutPage(const Page &page);
    void refresh(MainCommand command);

    CommandTable &m_commands;
    Page m_pages[2];
    QTabBar *m_tabs = nullptr;
};

} // namespace zendrova
