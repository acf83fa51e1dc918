#include "common/ui/DialogButtons.h"

#include "common/Interaction.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zendrova {

QIcon dialogGlyph(DialogGlyph glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (glyph == DialogGlyph::Check) {
        p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    } else {
        p.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return QIcon(pixmap);
}

QPushButton *popupButton(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

QPushButton *namedButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

OkCancelHelp okCancelHelp(QDialog &dialog, int helpContext)
{
    const auto text = [](const char *source) {
        return QCoreApplication::translate("DialogButtons", source);
    };
    OkCancelHelp buttons { namedButton(QStringLiteral("OKBtn"), text("&OK")),
        namedButton(QStringLiteral("CancelBtn"), text("&Cancel")),
        namedButton(QStringLiteral("HelpBtn"), text("&Help")) };
    buttons.ok->setDefault(true);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(buttons.help, &QPushButton::clicked, &dialog,
        [helpContext] { Interaction::current().showHelp(helpContext); });
    return buttons;
}

QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return row;
}

QVBoxLayout *buttonColumn(std::initializer_list<QPushButton *> buttons)
{
    auto *column = new QVBoxLayout;
    for (QPushButton *button : buttons)
        column->addWidget(button);
    column->addStretch();
    return column;
}

} // namespace zendrova
