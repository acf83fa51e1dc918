#pragma once

#include "mainwin/ui/TOrvanHeader.h"

#include <QFrame>
#include <QList>

class QAbstractButton;
class QMenu;
class QAction;

namespace zendrova {

class TFormatedButton;
class TNoFocusBitBtn;
class TSortButton;

// The left page: the sort button, the column header, the record buttons that
// fill the page and the navigation bar. The rows are filled by the record list.
class RecordListPage : public QFrame
{
    Q_OBJECT

public:
    struct Colors
    {
        QColor text, background, selectedText, selectedBackground, page;
    };

    explicit RecordListPage(QWidget *parent = nullptr);

    TSortButton *sortButton() const { return m_sortButton; }
    TOrvanHeader *header() const { return m_header; }
    const QList<TFormatedButton *> &rows() const { return m_rows; }
    // B_First, B_PgUp, B_PgDn, B_Last, each carrying its command.
    QList<QAbstractButton *> navigationButtons() const;
    QMenu *rowMenu() const { return m_rowMenu; }
    QAction *rowMenuItem(const char *name) const;

    void setRowFont(const QFont &font);
    void applyColors(const Colors &colors);
    // The record-button menu below a row: the focused one, else the first.
    void popupRowMenu();
    // The row the menu was opened for.
    int menuRow() const { return m_menuRow; }

    QMenu *quickViewMenu() const { return m_quickView; }
    QMenu *viewBufferMenu() const { return m_viewBuffer; }

signals:
    void command(int mainCommand);
    void rowClicked(int row);
    // The rows were made again or moved: their number or width may differ.
    void rowsLaidOut();
    void rowMenuOpening(int row);
    void rowDeleteRequested(int row);
    void rowCopyRequested(int row);
    void rowPasteRequested(int row);
    void rowPrintRequested(int row);
    void rowFontRequested();
    void rowColorRequested();
    void rowHelpRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildNavigationBar();
    void buildRowMenu();
    void rebuildRows();
    void layoutNavigationBar();

    TSortButton *m_sortButton = nullptr;
    TOrvanHeader *m_header = nullptr;
    QFrame *m_navigationBar = nullptr;
    QList<TNoFocusBitBtn *> m_navigationButtons;
    QList<TFormatedButton *> m_rows;
    QMenu *m_rowMenu = nullptr;
    QMenu *m_quickView = nullptr;
    QMenu *m_viewBuffer = nullptr;
    QFont m_rowFont;
    Colors m_colors;
    int m_menuRow = 0;
};

} // namespace zendrova
