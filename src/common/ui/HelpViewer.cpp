#include "common/ui/HelpViewer.h"

#include "common/HelpTopics.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zendrova {

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent)
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    m_text->setObjectName(QStringLiteral("HelpText"));
    setWindowTitle(tr("Zendrova Help"));
    auto *contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsBtn"));
    connect(contents, &QPushButton::clicked, this,
        [this] { m_text->setSource(QUrl(HelpTopics::kContentsPage)); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(contents, 0, Qt::AlignLeft);
    layout->addWidget(m_text);
    resize(520, 440);
}

void HelpViewer::showTopic(int helpContext)
{
    m_text->setSource(QUrl(HelpTopics::pageFor(helpContext)));
}

void HelpViewer::showModal(int helpContext, QWidget *parent)
{
    HelpViewer viewer(parent);
    viewer.showTopic(helpContext);
    viewer.exec();
}

void HelpViewer::open(int helpContext)
{
    if (QWidget *modal = QApplication::activeModalWidget()) {
        showModal(helpContext, modal);
        return;
    }
    static QPointer<HelpViewer> shared;
    if (!shared) {
        shared = new HelpViewer;
        shared->setAttribute(Qt::WA_DeleteOnClose);
    }
    shared->showTopic(helpContext);
    shared->show();
    shared->raise();
    shared->activateWindow();
}

} // namespace zendrova
