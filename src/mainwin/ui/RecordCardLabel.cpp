#include "mainwin/ui/RecordCardLabel.h"

#include "mainwin/CardFields.h"

#include <QMouseEvent>

namespace zendrova {

RecordCardLabel::RecordCardLabel(int fieldNumber, QWidget *parent)
    : QLabel(parent)
    , m_fieldNumber(fieldNumber)
{
    setObjectName(QStringLiteral("Label%1").arg(fieldNumber));
    CardFields::setTag(this, fieldNumber);
    setToolTip(tr("Click to Display Popup Menu"));
    setAutoFillBackground(true);
}

void RecordCardLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked(m_fieldNumber);
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace zendrova
