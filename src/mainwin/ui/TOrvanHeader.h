#pragma once

#include "mainwin/HeaderSections.h"

#include <QWidget>

namespace zendrova {

class CaptionList;
class HeaderMenu;

// The column header above the record list. The user drags a border to resize
// a column, drags a column to another place, and edits the columns with the
// popup menu. OnHChange follows every change of the sections, once.
class TOrvanHeader : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 104;
    // A press this close to a border grabs it; farther inside a section moves it.
    static constexpr int kGripMargin = 4;

    explicit TOrvanHeader(QWidget *parent = nullptr);
    ~TOrvanHeader() override;

    const HeaderSections &sections() const { return m_sections; }
    QString userFolder() const { return m_userFolder; }
    // The captions the header was loaded with (empty before loadHeader).
    const CaptionList &captions() const;
    HeaderMenu *menu() const { return m_menu; }
    // The popup menu below the header's left end (the window's F5).
    void popupMenuBelow();

    // Reads "header.dat" of the user folder, with the default columns when it
    // is missing or damaged. The captions must outlive the header; the menus
    // and applyCaptions read them.
    void loadHeader(const QString &userFolder, const CaptionList &captions);
    // Writes "header.dat" into the user folder; false when it could not.
    bool saveHeader(const QString &userFolder) const;
    // After the caption list was edited.
    void applyCaptions();

    // The menu commands.
    void insertField(int fieldIndex);
    void removeField(const QString &caption);
    void loadFromTemplate(const QString &name);
    void saveAsTemplate();
    void deleteTemplate(const QString &name);

    QSize sizeHint() const override;

signals:
    void OnHChange();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    enum class Drag { None, Resize, Move };

    // The section whose right border a press at x grabs, -1 for none.
    int borderAt(int x) const;
    // The section a press at x moves: well inside it, -1 otherwise.
    int sectionToMoveAt(int x) const;
    void announceIfChanged(const QList<HeaderSection> &before);
    void paintSection(QPainter &painter, int index, int left) const;
    void paintDropMark(QPainter &painter) const;

    HeaderSections m_sections;
    const CaptionList *m_captions = nullptr;
    QString m_userFolder;
    HeaderMenu *m_menu = nullptr;

    Drag m_drag = Drag::None;
    int m_dragIndex = -1;
    int m_pressX = 0;
    int m_pressWidth = 0;
    int m_dragX = 0;
    // Where a dragged section would be dropped: only on the header itself.
    bool m_dragInside = false;
    QList<HeaderSection> m_beforeDrag;
};

} // namespace zendrova
