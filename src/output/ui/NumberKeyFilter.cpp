#include "output/ui/NumberKeyFilter.h"

#include "output/LabelNumbers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace zendrova {

NumberKeyFilter::NumberKeyFilter(QLineEdit *box, bool decimals)
    : QObject(box)
    , m_decimals(decimals)
{
    box->installEventFilter(this);
}

bool NumberKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Moving, deleting and shortcuts are not typing.
    if (key->text().isEmpty() || key->key() == Qt::Key_Delete
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (LabelNumbers::acceptsKey(key->text().at(0), m_decimals))
        return false;
    QApplication::beep();
    return true;
}

} // namespace zendrova
