#pragma once

#include "store/FilterScope.h"
#include "store/FilterTemplateSource.h"
#include "store/SortChange.h"
#include "store/SortMenus.h"

#include <QFrame>
#include <QPixmap>
#include <functional>

class QMenu;

namespace zendrova {

class TNoFocusBitBtn;

// The panel over the record list: the primary and secondary sort buttons and
// the filter button. A left click on a sort button asks for the Sort Options
// dialog, on the filter button for the filter dialog; a right click opens the
// button's menu, rebuilt from `menuContext` on every popup.
class TSortButton : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString Label1 READ label1 WRITE setLabel1)
    Q_PROPERTY(QString Label2 READ label2 WRITE setLabel2)
    Q_PROPERTY(bool IsDown1 READ isDown1 WRITE setIsDown1)
    Q_PROPERTY(bool IsDown2 READ isDown2 WRITE setIsDown2)
    Q_PROPERTY(QPixmap UpBmp READ upBmp WRITE setUpBmp)
    Q_PROPERTY(QPixmap DownBmp READ downBmp WRITE setDownBmp)
    Q_PROPERTY(QPixmap FilterBmp READ filterBmp WRITE setFilterBmp)
    Q_PROPERTY(QString Hint1 READ hint1 WRITE setHint1)
    Q_PROPERTY(QString Hint2 READ hint2 WRITE setHint2)
    Q_PROPERTY(QString Hint3 READ hint3 WRITE setHint3)
    Q_PROPERTY(TFilterState FilterState READ filterState WRITE setFilterState)

public:
    enum TFilterState { fsFilterOff, fsNormal, fsReversed };
    Q_ENUM(TFilterState)

    explicit TSortButton(QWidget *parent = nullptr);

    QString label1() const;
    void setLabel1(const QString &text);
    QString label2() const;
    void setLabel2(const QString &text);
    bool isDown1() const { return m_isDown1; }
    void setIsDown1(bool down);
    bool isDown2() const { return m_isDown2; }
    void setIsDown2(bool down);
    QPixmap upBmp() const { return m_upBmp; }
    void setUpBmp(const QPixmap &bmp);
    QPixmap downBmp() const { return m_downBmp; }
    void setDownBmp(const QPixmap &bmp);
    QPixmap filterBmp() const { return m_filterBmp; }
    void setFilterBmp(const QPixmap &bmp);
    QString hint1() const;
    void setHint1(const QString &hint);
    QString hint2() const;
    void setHint2(const QString &hint);
    QString hint3() const;
    void setHint3(const QString &hint);
    TFilterState filterState() const { return m_filterState; }
    void setFilterState(TFilterState state);

    // Captions, arrows and filter caption from the current choice.
    void showSort(const SortBytes &sort, const QStringList &captions, FilterScope scope);

    // The captions, fields and choice the sort menus are built from.
    std::function<SortMenuContext()> menuContext;
    // The filter template list of the filter menu; its submenus stay empty without one.
    FilterTemplateSource *filterTemplates = nullptr;

    TNoFocusBitBtn *primaryButton() const { return m_buttons[0]; }
    TNoFocusBitBtn *secondaryButton() const { return m_buttons[1]; }
    TNoFocusBitBtn *filterButton() const { return m_buttons[2]; }
    QMenu *primaryMenu() const { return m_menus[0]; }
    QMenu *secondaryMenu() const { return m_menus[1]; }
    QMenu *filterMenu() const { return m_menus[2]; }

    // Rebuild a menu and pop it up (what a right click on the button does).
    void popupPrimaryMenu(const QPoint &globalPos);
    void popupSecondaryMenu(const QPoint &globalPos);
    void popupFilterMenu(const QPoint &globalPos);

signals:
    void filterClick();
    void filterMenuClick(int scope);
    void sort1MenuClick(zendrova::SortMenuChoice choice);
    void sort2MenuClick(zendrova::SortMenuChoice choice);
    void sortByClick();
    // A filter template was loaded into the current filter.
    void quickFilter();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    SortMenuContext currentContext() const;
    void showArrows();
    void sortChosen(int button, const MenuEntry &entry);
    void filterChosen(const MenuEntry &entry);

    TNoFocusBitBtn *m_buttons[3];
    QMenu *m_menus[3];
    bool m_isDown1 = true;
    bool m_isDown2 = false;
    QPixmap m_upBmp, m_downBmp, m_filterBmp;
    TFilterState m_filterState = fsFilterOff;
};

} // namespace zendrova
