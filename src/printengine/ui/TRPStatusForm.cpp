#include "printengine/ui/TRPStatusForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova::print {

TRPStatusForm::TRPStatusForm(const QString &title, std::function<void()> cancel, QWidget *parent)
    : QDialog(parent)
    , m_cancel(std::move(cancel))
    , m_label(new QLabel(this))
    , m_button(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(QStringLiteral("RPStatusForm"));
    setWindowTitle(title);
    m_label->setObjectName(QStringLiteral("StatusLabel"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(260, 60);
    m_button->setObjectName(QStringLiteral("CancelButton"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    connect(m_button, &QPushButton::clicked, this, &TRPStatusForm::buttonClicked);
}

void TRPStatusForm::setStatus(const QString &text)
{
    m_label->setText(text);
}

void TRPStatusForm::finished(bool cancelled)
{
    m_done = true;
    m_button->setText(tr("OK"));
    if (!cancelled) {
        close();
        return;
    }
    m_label->setText(tr("Report Canceled!"));
}

void TRPStatusForm::buttonClicked()
{
    if (m_done) {
        close();
        return;
    }
    if (m_cancel)
        m_cancel();
}

} // namespace zendrova::print
