#include "store/ui/TSortButton.h"

#include "common/HelpTopic.h"
#include "store/ui/MenuFill.h"
#include "common/ui/TNoFocusBitBtn.h"

#include <QMenu>
#include <QPainter>
#include <QPolygon>

namespace zendrova {
namespace {

// A small black triangle pointing up or down, the buttons' default arrows.
QPixmap arrowGlyph(bool down)
{
    QPixmap pixmap(9, 9);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(down ? QPolygon({ { 0, 2 }, { 8, 2 }, { 4, 7 } })
                             : QPolygon({ { 0, 7 }, { 8, 7 }, { 4, 2 } }));
    return pixmap;
}

QString stateCaption(TSortButton::TFilterState state)
{
    return filterScopeCaption(static_cast<FilterScope>(int(state)));
}

} // namespace

TSortButton::TSortButton(QWidget *parent)
    : QFrame(parent)
    , m_upBmp(arrowGlyph(false))
    , m_downBmp(arrowGlyph(true))
{
    setObjectName(QStringLiteral("TSortButton"));
    const char *const names[] = { "PrimaryBtn", "SecondaryBtn", "FilterBtn" };
    const char *const menuNames[] = { "PrimaryMenu", "SecondaryMenu", "FilterMenu" };
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new TNoFocusBitBtn(this);
        m_buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        m_menus[i] = new QMenu(this);
        m_menus[i]->setObjectName(QString::fromLatin1(menuNames[i]));
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &TSortButton::sortByClick);
    connect(m_buttons[1], &QPushButton::clicked, this, &TSortButton::sortByClick);
    connect(m_buttons[2], &QPushButton::clicked, this, &TSortButton::filterClick);
    connect(m_buttons[0], &TNoFocusBitBtn::rightClicked, this, &TSortButton::popupPrimaryMenu);
    connect(m_buttons[1], &TNoFocusBitBtn::rightClicked, this, &TSortButton::popupSecondaryMenu);
    connect(m_buttons[2], &TNoFocusBitBtn::rightClicked, this, &TSortButton::popupFilterMenu);

    setLabel1(SortMenus::entryOrderText());
    setLabel2(SortMenus::noneText());
    setFilterState(fsFilterOff);
    showArrows();
    resize(300, 20);
}

QString TSortButton::label1() const
{
    return m_buttons[0]->text();
}

void TSortButton::setLabel1(const QString &text)
{
    m_buttons[0]->setText(text);
}

QString TSortButton::label2() const
{
    return m_buttons[1]->text();
}

void TSortButton::setLabel2(const QString &text)
{
    m_buttons[1]->setText(text);
}

void TSortButton::setIsDown1(bool down)
{
    m_isDown1 = down;
    showArrows();
}

void TSortButton::setIsDown2(bool down)
{
    m_isDown2 = down;
    showArrows();
}

void TSortButton::setUpBmp(const QPixmap &bmp)
{
    m_upBmp = bmp;
    showArrows();
}

void TSortButton::setDownBmp(const QPixmap &bmp)
{
    m_downBmp = bmp;
    showArrows();
}

void TSortButton::setFilterBmp(const QPixmap &bmp)
{
    m_filterBmp = bmp;
    m_buttons[2]->setIcon(QIcon(bmp));
}

QString TSortButton::hint1() const
{
    return m_buttons[0]->toolTip();
}

void TSortButton::setHint1(const QString &hint)
{
    m_buttons[0]->setToolTip(hint);
}

QString TSortButton::hint2() const
{
    return m_buttons[1]->toolTip();
}

void TSortButton::setHint2(const QString &hint)
{
    m_buttons[1]->setToolTip(hint);
}

QString TSortButton::hint3() const
{
    return m_buttons[2]->toolTip();
}

void TSortButton::setHint3(const QString &hint)
{
    m_buttons[2]->setToolTip(hint);
}

void TSortButton::setFilterState(TFilterState state)
{
    m_filterState = state;
    m_buttons[2]->setText(stateCaption(state));
}

void TSortButton::showSort(const SortBytes &sort, const QStringList &captions, FilterScope scope)
{
    setLabel1(SortMenus::primaryLabel(sort, captions));
    setLabel2(SortMenus::secondaryLabel(sort, captions));
    setIsDown1(sort.primaryDescending);
    setIsDown2(sort.secondaryDescending);
    setFilterState(static_cast<TFilterState>(int(scope)));
}

void TSortButton::showArrows()
{
    m_buttons[0]->setIcon(QIcon(m_isDown1 ? m_downBmp : m_upBmp));
    m_buttons[1]->setIcon(QIcon(m_isDown2 ? m_downBmp : m_upBmp));
}

void TSortButton::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const int third = width() / 3;
    m_buttons[0]->setGeometry(0, 0, third, height());
    m_buttons[1]->setGeometry(third, 0, third, height());
    m_buttons[2]->setGeometry(2 * third, 0, width() - 2 * third, height());
}

SortMenuContext TSortButton::currentContext() const
{
    return menuContext ? menuContext() : SortMenuContext {};
}

void TSortButton::popupPrimaryMenu(const QPoint &globalPos)
{
    fillMenu(m_menus[0], SortMenus::primaryMenu(currentContext(), m_isDown1),
        [this](const MenuEntry &entry) { sortChosen(0, entry); });
    m_menus[0]->popup(globalPos);
}

void TSortButton::popupSecondaryMenu(const QPoint &globalPos)
{
    fillMenu(m_menus[1],
        SortMenus::secondaryMenu(currentContext(), label1() == SortMenus::entryOrderText(),
            label2() == SortMenus::noneText(), m_isDown2),
        [this](const MenuEntry &entry) { sortChosen(1, entry); });
    m_menus[1]->popup(globalPos);
}

void TSortButton::popupFilterMenu(const QPoint &globalPos)
{
    const QStringList names = filterTemplates ? filterTemplates->names() : QStringList();
    fillMenu(m_menus[2], SortMenus::filterMenu(static_cast<FilterScope>(int(m_filterState)), names),
        [this](const MenuEntry &entry) { filterChosen(entry); });
    m_menus[2]->popup(globalPos);
}

void TSortButton::sortChosen(int button, const MenuEntry &entry)
{
    if (entry.role == MenuEntry::Role::Help) {
        showHelpOf(m_buttons[button]);
        return;
    }
    const SortMenuChoice choice { entry.role == MenuEntry::Role::Direction
            ? SortMenuChoice::Part::Direction
            : SortMenuChoice::Part::Field,
        entry.tag };
    if (button == 0)
        emit sort1MenuClick(choice);
    else
        emit sort2MenuClick(choice);
}

void TSortButton::filterChosen(const MenuEntry &entry)
{
    switch (entry.role) {
    case MenuEntry::Role::Scope:
        emit filterMenuClick(entry.tag);
        break;
    case MenuEntry::Role::LoadTemplate:
        if (filterTemplates && FilterTemplateMenu::load(*filterTemplates, entry.tag))
            emit quickFilter();
        break;
    case MenuEntry::Role::SaveTemplate:
        if (filterTemplates)
            FilterTemplateMenu::saveAs(*filterTemplates);
        break;
    case MenuEntry::Role::DeleteTemplate:
        if (filterTemplates)
            FilterTemplateMenu::remove(*filterTemplates, entry.tag);
        break;
    case MenuEntry::Role::Help:
        showHelpOf(m_buttons[2]);
        break;
    default:
        break;
    }
}

} // namespace zendrova
