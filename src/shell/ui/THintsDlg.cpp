#include "shell/ui/THintsDlg.h"

#include "common/AppState.h"
#include "common/ui/DialogButtons.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace zendrova {

THintsDlg::THintsDlg(AppState &state, const QString &tipsPath, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_book(tipsPath)
    , m_memo(new QPlainTextEdit)
    , m_previous(namedButton(QStringLiteral("PrevBtn"), tr("<< &Previous")))
    , m_next(namedButton(QStringLiteral("NextBtn"), tr("&Next >>")))
    , m_doNotDisplay(new QCheckBox(tr("&Do Not Display Tips")))
{
    setObjectName(QStringLiteral("THintsDlg"));
    setWindowTitle(tr("Tips"));
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setMinimumSize(520, 150);
    m_previous->setToolTip(tr("Display Previous Tip"));
    m_next->setToolTip(tr("Display Next Tip"));
    m_doNotDisplay->setObjectName(QStringLiteral("DoNotDisplay_CB"));
    m_doNotDisplay->setToolTip(tr("Do Not Display Tips Window On Startup"));
    m_doNotDisplay->setChecked(!state.userOptions.displayTips);
    QPushButton *close = namedButton(QStringLiteral("CloseBtn"), tr("&Close"));
    close->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo, 1);
    layout->addWidget(m_doNotDisplay);
    layout->addLayout(buttonRow({ m_previous, m_next, close }));

    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_book.previous();
        showCurrent();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_book.next();
        showCurrent();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    if (m_book.count() > 0) {
        QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
        showTip(TipsBook::startTip(m_book.count(), random));
    } else {
        showCurrent();
    }
}

QString THintsDlg::tipsPathOf(const AppState &state)
{
    return QDir(state.installFolder).filePath(TipsBook::kFileName);
}

void THintsDlg::run(AppState &state, QWidget *parent)
{
    THintsDlg dialog(state, tipsPathOf(state), parent);
    dialog.exec();
}

void THintsDlg::showTip(int k)
{
    m_book.show(k);
    showCurrent();
}

void THintsDlg::showCurrent()
{
    m_memo->setPlainText(m_book.lines().join(QLatin1Char('\n')));
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->ensureCursorVisible();
    m_previous->setEnabled(m_book.previousEnabled());
    m_next->setEnabled(m_book.nextEnabled());
}

void THintsDlg::done(int result)
{
    m_state.userOptions.displayTips = !m_doNotDisplay->isChecked();
    QDialog::done(result);
}

} // namespace zendrova
