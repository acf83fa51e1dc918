#pragma once

#include "editors/PictureEditor.h"
#include "editors/PictureLayout.h"

#include <QFrame>
#include <array>

class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;

namespace zendrova {

// The picture field of the record card: a panel showing one picture, scaled
// to fit or at natural size, with a button bar and a right-click menu for
// Clear, Load, Save, Zoom, Screen Capture, Copy and Paste. The record moves
// the picture in and out as bytes: the field's data in, a BMP file image out.
class TBmpControl : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(bool ShowButtons READ ShowButtons WRITE setShowButtons)
    Q_PROPERTY(bool AutoZoom READ AutoZoom WRITE setAutoZoom)
    Q_PROPERTY(bool Enlarge READ Enlarge WRITE setEnlarge)
public:
    enum MenuEntry {
        ClearItem,
        LoadItem,
        SaveItem,
        ZoomItem,
        CaptureItem,
        CopyItem,
        PasteItem,
        HelpItem,
        MenuEntryCount
    };

    explicit TBmpControl(QWidget *parent = nullptr);

    bool ShowButtons() const { return m_showButtons; }
    void setShowButtons(bool show);
    bool AutoZoom() const { return m_autoZoom; }
    void setAutoZoom(bool on);
    bool Enlarge() const { return m_enlarge; }
    void setEnlarge(bool on);

    // The record's side: none of these counts as a user edit.
    QByteArray pictureData() const { return m_editor.data(); }
    // False (and the picture unchanged) when the data is not a readable bitmap.
    bool setPictureData(const QByteArray &data);
    QImage picture() const { return m_editor.picture(); }
    void setPicture(const QImage &picture);
    bool isEmpty() const { return m_editor.isEmpty(); }
    void clear();

    // Scaled to fit (zoomed) rather than natural size.
    bool isScaled() const { return m_editor.scaled() || m_autoZoom; }
    QMenu *popupMenu() const { return m_menu; }
    QAction *menuEntry(MenuEntry entry) const { return m_entries[entry]; }
    // Sets the menu entries' state, as each opening of the menu does.
    void preparePopup();

public slots:
    void clearPicture();
    void loadPicture();
    void savePicture();
    void zoom();
    void copyPicture();
    void pastePicture();
    void captureScreen();

signals:
    // The user changed the picture (not sent for changes made through the record's side).
    void pictureEdited();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildBar();
    void buildMenu();
    void relayout();
    void showPicture();
    void fitPicture();
    void edited(bool changed);

    PictureEditor m_editor;
    bool m_showButtons = true;
    bool m_autoZoom = false;
    bool m_enlarge = true;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_canvas = nullptr;
    QLabel *m_image = nullptr;
    QFrame *m_panel = nullptr;
    std::array<QToolButton *, PictureLayout::ButtonCount> m_buttons {};
    std::array<QString, PictureLayout::ButtonCount> m_captions;
    QMenu *m_menu = nullptr;
    std::array<QAction *, MenuEntryCount> m_entries {};
};

} // namespace zendrova
