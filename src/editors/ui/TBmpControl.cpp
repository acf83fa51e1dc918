#include "editors/ui/TBmpControl.h"

#include "common/HelpTopic.h"
#include "editors/ScreenGrab.h"
#include "editors/ui/TCaptureForm.h"
#include "common/Interaction.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace zendrova {

namespace {
// Marks the owning window while it is hidden for a capture, so its activation handling keeps still.
constexpr int kCaptureTag = 1000;
// Time given to other programs to repaint what the hidden window covered.
constexpr int kRepaintMilliseconds = 150;

void letScreenSettle()
{
    QEventLoop loop;
    QTimer::singleShot(kRepaintMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

TBmpControl::TBmpControl(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("TBmpControl"));
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    // A 2-pixel sunken border leaves the display area: the box less 4 pixels each way.
    m_scrollBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_scrollBox->setLineWidth(2);
    m_scrollBox->setWidgetResizable(false);
    m_canvas = new QWidget;
    m_image = new QLabel(m_canvas);
    m_image->setObjectName(QStringLiteral("Image"));
    m_image->setScaledContents(true);
    m_scrollBox->setWidget(m_canvas);
    buildBar();
    buildMenu();
    relayout();
}

void TBmpControl::buildBar()
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    struct ButtonSetup
    {
        const char *name;
        QString caption;
        QString hint;
        void (TBmpControl::*action)();
    };
    const std::array<ButtonSetup, PictureLayout::ButtonCount> setups { {
        { "ClearBtn", tr("Clear"), tr("Clear Image"), &TBmpControl::clearPicture },
        { "LoadBtn", tr("Load"), tr("Load Image from BMP File"), &TBmpControl::loadPicture },
        { "SaveBtn", tr("Save"), tr("Save Image to BMP File"), &TBmpControl::savePicture },
        { "ScaleBtn", tr("Zoom"), tr("Zoom In / Out"), &TBmpControl::zoom },
        { "CaptureBtn", tr("Capture"), tr("Capture Screen"), &TBmpControl::captureScreen },
    } };
    const QFont captionFont(QStringLiteral("Arial"), 8);
    for (int i = 0; i < PictureLayout::ButtonCount; ++i) {
        auto *button = new QToolButton(m_panel);
        button->setObjectName(QString::fromLatin1(setups[i].name));
        button->setToolTip(setups[i].hint);
        button->setFont(captionFont);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, setups[i].action);
        m_buttons[i] = button;
        m_captions[i] = setups[i].caption;
    }
}

void TBmpControl::buildMenu()
{
    m_menu = new QMenu(this);
    m_entries[ClearItem] = m_menu->addAction(tr("Clear"), this, &TBmpControl::clearPicture);
    m_entries[LoadItem] = m_menu->addAction(tr("Load"), this, &TBmpControl::loadPicture);
    m_entries[SaveItem] = m_menu->addAction(tr("Save"), this, &TBmpControl::savePicture);
    m_entries[ZoomItem] = m_menu->addAction(tr("Zoom"), this, &TBmpControl::zoom);
    m_entries[CaptureItem]
        = m_menu->addAction(tr("Screen Capture"), this, &TBmpControl::captureScreen);
    m_entries[CopyItem] = m_menu->addAction(tr("Copy"), this, &TBmpControl::copyPicture);
    m_entries[PasteItem] = m_menu->addAction(tr("Paste"), this, &TBmpControl::pastePicture);
    m_menu->addSeparator();
    m_entries[HelpItem] = m_menu->addAction(tr("Help"), this, [this] { showHelpOf(this); });
    connect(m_menu, &QMenu::aboutToShow, this, &TBmpControl::preparePopup);
}

void TBmpControl::preparePopup()
{
    m_entries[ZoomItem]->setVisible(!m_autoZoom);
    m_entries[PasteItem]->setEnabled(PictureEditor::clipboardHasPicture());
}

void TBmpControl::setShowButtons(bool show)
{
    m_showButtons = show;
    relayout();
}

void TBmpControl::setAutoZoom(bool on)
{
    m_autoZoom = on;
    relayout();
}

void TBmpControl::setEnlarge(bool on)
{
    m_enlarge = on;
    fitPicture();
}

bool TBmpControl::setPictureData(const QByteArray &data)
{
    if (!m_editor.setData(data))
        return false;
    showPicture();
    return true;
}

void TBmpControl::setPicture(const QImage &picture)
{
    m_editor.setPicture(picture);
    showPicture();
}

void TBmpControl::clear()
{
    if (m_editor.clear())
        showPicture();
}

void TBmpControl::clearPicture()
{
    edited(m_editor.clear());
}

void TBmpControl::loadPicture()
{
    edited(m_editor.load());
}

void TBmpControl::savePicture()
{
    m_editor.save();
}

void TBmpControl::zoom()
{
    if (m_editor.zoom())
        fitPicture();
}

void TBmpControl::copyPicture()
{
    m_editor.copy();
}

void TBmpControl::pastePicture()
{
    edited(m_editor.paste());
}

void TBmpControl::captureScreen()
{
    const QString unavailable = ScreenGrab::unavailableReason();
    if (!unavailable.isEmpty()) {
        showMessage(MessageKind::Error, unavailable);
        return;
    }
    QWidget *owner = window();
    owner->setProperty("tag", kCaptureTag);
    owner->lower();
    QApplication::processEvents();
    owner->hide();
    letScreenSettle();
    QImage captured;
    bool screenRead = false;
    {
        // Whatever happens in the capture window, the owner comes back after it is gone.
        const auto restoreOwner = qScopeGuard([owner] {
            owner->show();
            owner->raise();
            owner->activateWindow();
            owner->setProperty("tag", 0);
        });
        TCaptureForm form(screen(), this);
        QApplication::processEvents();
        if (form.exec() == QDialog::Accepted)
            captured = form.capturedImage();
        screenRead = !form.frozenScreen().isNull();
    }
    if (!screenRead) {
        showMessage(MessageKind::Error, ScreenGrab::failedText());
        return;
    }
    edited(m_editor.takeCapture(captured));
}

void TBmpControl::edited(bool changed)
{
    if (!changed)
        return;
    showPicture();
    emit pictureEdited();
}

void TBmpControl::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    relayout();
}

void TBmpControl::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
}

void TBmpControl::relayout()
{
    const QSize box = PictureLayout::scrollBox(size(), m_showButtons);
    m_scrollBox->setGeometry(QRect(QPoint(0, 0), box));
    m_panel->setVisible(m_showButtons);
    m_panel->setGeometry(
        0, height() - PictureLayout::kBarHeight, width(), PictureLayout::kBarHeight);
    const PictureLayout::Bar bar = PictureLayout::bar(width(), m_autoZoom, m_captions);
    for (int i = 0; i < PictureLayout::ButtonCount; ++i) {
        const PictureLayout::BarButton &place = bar.buttons[i];
        m_buttons[i]->setVisible(place.visible);
        m_buttons[i]->setGeometry(place.geometry);
        m_buttons[i]->setText(place.caption);
    }
    m_entries[ZoomItem]->setVisible(!m_autoZoom);
    fitPicture();
}

void TBmpControl::showPicture()
{
    m_image->setPixmap(isEmpty() ? QPixmap() : QPixmap::fromImage(m_editor.picture()));
    fitPicture();
}

void TBmpControl::fitPicture()
{
    const QSize area = PictureLayout::displayArea(m_scrollBox->size());
    const PictureLayout::Fit fit = PictureLayout::fit(
        m_editor.picture().size(), area, m_editor.scaled(), m_autoZoom, m_enlarge);
    const Qt::ScrollBarPolicy bars
        = fit.scrollRange.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_scrollBox->setHorizontalScrollBarPolicy(bars);
    m_scrollBox->setVerticalScrollBarPolicy(bars);
    m_image->setGeometry(fit.image);
    m_canvas->resize(fit.image.united(QRect(QPoint(0, 0), area)).size());
    m_scrollBox->horizontalScrollBar()->setValue(0);
    m_scrollBox->verticalScrollBar()->setValue(0);
    m_image->update();
}

} // namespace zendrova
