#include "editors/ui/TCalcDlg.h"

#include "common/ui/DialogButtons.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

namespace zendrova {

namespace {

QChar localePoint()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point[0];
}

} // namespace

TCalcDlg::TCalcDlg(QLineEdit *editor)
    : QDialog(editor, Qt::Dialog | Qt::FramelessWindowHint)
    , m_editor(editor)
    , m_calculator(localePoint())
{
    setObjectName(QStringLiteral("TCalcDlg"));
    setWindowTitle(tr("Calculator"));
    setFixedSize(115, 176);
    setFocusPolicy(Qt::StrongFocus);

    addKey("B_C", QStringLiteral("C"), tr("Clear"), QLatin1Char('C'), 0, 0);
    addKey("B_Del", QStringLiteral("<-"), tr("Backspace"), QChar(Calculator::kBackspace), 1, 0);
    addKey("B_Sign", QStringLiteral("+/-"), tr("Switch Sign"), QLatin1Char('_'), 2, 0);
    addKey("B_Div", QStringLiteral("/"), tr("Divide"), QLatin1Char('/'), 3, 0);
    const char *digitNames[10] = {"B_0", "B_1", "B_2", "B_3", "B_4",
                                  "B_5", "B_6", "B_7", "B_8", "B_9"};
    for (int digit = 1; digit <= 9; ++digit)
        addKey(digitNames[digit], QString::number(digit), QString(), QChar(u'0' + digit),
               (digit - 1) % 3, 3 - (digit - 1) / 3);
    addKey("B_Mult", QStringLiteral("*"), tr("Multiply"), QLatin1Char('*'), 3, 1);
    addKey("B_Subt", QStringLiteral("-"), tr("Subtract"), QLatin1Char('-'), 3, 2);
    addKey("B_Plus", QStringLiteral("+"), tr("Add"), QLatin1Char('+'), 3, 3);
    addKey("B_Dot", QStringLiteral("."), tr("Decimal Point"), QLatin1Char('.'), 0, 4);
    addKey(digitNames[0], QStringLiteral("0"), QString(), QLatin1Char('0'), 1, 4);
    addKey("B_Perc", QStringLiteral("%"), tr("Percent"), QLatin1Char('%'), 2, 4);
    addKey("B_Equ", QStringLiteral("="), tr("Equals"), QLatin1Char('='), 3, 4);

    m_ok = popupButton(this, QStringLiteral("B_OK"), QRect(21, 143, 33, 25));
    m_ok->setIcon(dialogGlyph(DialogGlyph::Check));
    m_ok->setToolTip(tr("Close and Update the edit field"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton *cancel = popupButton(this, QStringLiteral("B_Cancel"), QRect(61, 143, 33, 25));
    cancel->setIcon(dialogGlyph(DialogGlyph::Cross));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton *TCalcDlg::addKey(const char *name, const QString &caption, const QString &hint,
                              QChar key, int column, int row)
{
    QPushButton *button = popupButton(this, QString::fromLatin1(name), QRect(6 + 26 * column, 6 + 26 * row, 25, 25));
    button->setText(caption);
    button->setToolTip(hint);
    connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
    return button;
}

void TCalcDlg::press(QChar key)
{
    m_calculator.key(key);
    m_editor->setText(m_calculator.text());
}

void TCalcDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter finishes a pending operation, as "=" would, before closing with OK.
        press(QChar(Calculator::kEnter));
        accept();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Backspace:
        press(QChar(Calculator::kBackspace));
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1)
        press(typed[0] == localePoint() ? QLatin1Char('.') : typed[0]);
}

void TCalcDlg::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, QColor(192, 192, 192));
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect inner = r.adjusted(1, 1, -2, -2);
    p.setPen(Qt::white);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());
}

} // namespace zendrova
