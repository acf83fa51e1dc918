#include "shell/ui/TAboutBox.h"

#include "common/AppState.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zendrova {

namespace {
const QString kIconResource = QStringLiteral(":/icons/zendrova.png");
} // namespace

TAboutBox::TAboutBox(const AppState &state, Use use, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ProgramIcon(new QLabel(this))
    , ProductName(new QLabel(state.productName, this))
    , Version(new QLabel(state.versionText, this))
    , OKButton(new QPushButton(tr("OK"), this))
    , m_picture(kIconResource)
    , m_animation(m_picture.size())
    , m_use(use)
{
    setObjectName(QStringLiteral("AboutBox"));
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version->setObjectName(QStringLiteral("Version"));
    OKButton->setObjectName(QStringLiteral("OKButton"));

    setWindowTitle(use == Use::Splash ? tr("Welcome") : tr("About"));
    QFont nameFont = ProductName->font();
    nameFont.setPointSize(nameFont.pointSize() + 6);
    nameFont.setBold(true);
    ProductName->setFont(nameFont);
    // The icon keeps its place while it grows, so the labels do not move.
    ProgramIcon->setFixedSize(m_picture.size());
    ProgramIcon->setAlignment(Qt::AlignCenter);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->setVisible(use == Use::About);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Version);
    auto *row = new QHBoxLayout(panel);
    row->addWidget(ProgramIcon);
    row->addSpacing(12);
    row->addLayout(texts);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);

    if (use == Use::About) {
        m_timer.setInterval(AboutBoxAnimation::kTickMilliseconds);
        connect(&m_timer, &QTimer::timeout, this, &TAboutBox::growIcon);
        showIconAt(m_animation.size());
    } else {
        showIconAt(m_picture.size());
    }
}

void TAboutBox::showAsSplash()
{
    show();
    repaint();
    QCoreApplication::processEvents();
}

QSize TAboutBox::shownIconSize() const
{
    return ProgramIcon->pixmap().size();
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (m_use == Use::About && !m_animation.finished())
        m_timer.start();
}

void TAboutBox::growIcon()
{
    if (!m_animation.tick()) {
        m_timer.stop();
        return;
    }
    showIconAt(m_animation.size());
    ProgramIcon->repaint();
}

void TAboutBox::showIconAt(QSize size)
{
    ProgramIcon->setPixmap(m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace zendrova
