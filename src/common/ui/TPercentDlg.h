#pragma once

#include "common/ProgressCounter.h"

#include <QDialog>

namespace zendrova {

class TPercent;

// The "Progress" window of long operations: the caller sets the total and
// steps it; the bar changes only when the shown percentage does.
class TPercentDlg : public QDialog
{
    Q_OBJECT
public:
    // Shown at once over the window it belongs to, above other windows.
    explicit TPercentDlg(QWidget *parent = nullptr);

    void setTotal(int total) { m_counter.setTotal(total); }
    int total() const { return m_counter.total(); }
    int position() const { return m_counter.position(); }
    void SetPosition(int position);
    void Step() { SetPosition(m_counter.position() + 1); }
    TPercent *Percent1() const { return m_bar; }

private:
    ProgressCounter m_counter;
    TPercent *m_bar;
};

} // namespace zendrova
