#include "mainwin/ui/TForm3.h"

#include "store/RecordStore.h"

#include <QGuiApplication>
#include <QScreen>

namespace zendrova {

namespace {
constexpr int kStartWidth = 800;
constexpr int kStartHeight = 600;
constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 300;
} // namespace

TForm3::TForm3(AppState &state, RecordStore &store, QWidget *parent)
    : QMainWindow(parent)
    , m_model(state, store)
{
    setObjectName(QStringLiteral("Form3"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setCentralWidget(new QWidget(this));
    store.createOpenTables();
    placeAtStart();

    m_opened = m_model.openCurrentDatabase();
    if (m_opened) {
        setWindowTitle(m_model.caption());
    } else {
        // Posted, so whoever creates the window sees it first and the close
        // ends the run through the usual shutdown.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    if (const auto saved = m_model.savedPlacement())
        applyPlacement(*saved);
}

TForm3::~TForm3()
{
    m_model.writeFiles(placement());
    emit destroying();
}

void TForm3::placeAtStart()
{
    resize(kStartWidth, kStartHeight);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int right = screen ? screen->availableGeometry().right() + 1 : kStartWidth;
    move(right - frameGeometry().width(), 1);
}

void TForm3::applyPlacement(const WindowPlacement &placement)
{
    move(placement.left, placement.top);
    resize(placement.width, placement.height);
    m_cardPageWidth = placement.cardPageWidth;
}

WindowPlacement TForm3::placement() const
{
    return { y(), x(), width(), height(), m_cardPageWidth };
}

} // namespace zendrova
