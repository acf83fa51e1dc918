#include "common/ui/TPercentDlg.h"

#include "common/ui/DialogOwner.h"
#include "common/ui/TPercent.h"

namespace zendrova {

TPercentDlg::TPercentDlg(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_bar(new TPercent(this))
{
    setObjectName(QStringLiteral("TPercentDlg"));
    setWindowTitle(tr("Progress"));
    setFixedSize(357, 76);
    m_bar->setObjectName(QStringLiteral("Percent1"));
    m_bar->setGeometry(30, 21, 297, 33);
    m_bar->setPercentColor(QColor(0, 128, 0));
    DialogOwner::placeOver(*this, parent ? parent->window() : DialogOwner::find());
    show();
}

void TPercentDlg::SetPosition(int position)
{
    if (const auto percent = m_counter.setPosition(position))
        m_bar->setPercentShaded(*percent);
}

} // namespace zendrova
