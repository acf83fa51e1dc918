#pragma once

#include <QFrame>

class QRubberBand;

namespace zendrova {

// The grip between the left parts and the card page. Dragging it with the
// left button shows a line that follows the mouse; letting go reports where
// the grip's centre ended, in its parent's coordinates.
class MainSplitter : public QFrame
{
    Q_OBJECT

public:
    explicit MainSplitter(QWidget *parent = nullptr);

signals:
    void released(int centreX);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int centreInParent(const QMouseEvent *event) const;

    QRubberBand *m_track = nullptr;
};

} // namespace zendrova
