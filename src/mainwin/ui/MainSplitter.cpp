#include "mainwin/ui/MainSplitter.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace zendrova {

MainSplitter::MainSplitter(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Splitter"));
    setToolTip(tr("Resize Left and Right Pages"));
    setCursor(Qt::SplitHCursor);
    setFrameShape(QFrame::NoFrame);
}

int MainSplitter::centreInParent(const QMouseEvent *event) const
{
    return mapToParent(event->position().toPoint()).x();
}

void MainSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !parentWidget())
        return QFrame::mousePressEvent(event);
    if (!m_track)
        m_track = new QRubberBand(QRubberBand::Line, parentWidget());
    m_track->setGeometry(centreInParent(event) - 1, y(), 3, height());
    m_track->show();
}

void MainSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (m_track && m_track->isVisible())
        m_track->move(centreInParent(event) - 1, y());
}

void MainSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_track || !m_track->isVisible())
        return QFrame::mouseReleaseEvent(event);
    m_track->hide();
    emit released(centreInParent(event));
}

} // namespace zendrova
