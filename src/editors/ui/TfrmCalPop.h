#pragma once

#include "editors/CalendarLayout.h"
#include "editors/CalendarModel.h"

#include <QDialog>

class QPushButton;

namespace zendrova {

class TDateEdit;

// The month calendar a date field opens from its button: a borderless window
// that writes the chosen day into its field.
class TfrmCalPop : public QDialog
{
    Q_OBJECT
public:
    enum Result { CancelResult = QDialog::Rejected, OkResult = QDialog::Accepted, TodayResult = 2 };

    explicit TfrmCalPop(TDateEdit *editor);

    QDate date() const { return m_model.date(); }
    const CalendarLayout &layout() const { return m_layout; }
    QPushButton *TodayBtn() const { return m_today; }
    QPushButton *CancelBtn() const { return m_cancel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void moved(int oldCell, bool monthChanged);
    void chooseSelected();
    void paintTitle(QPainter &p);
    void paintArrow(QPainter &p, const QRect &box, bool pointsLeft);
    void paintDays(QPainter &p);

    TDateEdit *m_editor;
    CalendarModel m_model;
    CalendarLayout m_layout;
    QFont m_font;
    bool m_tracking = false;
    QPushButton *m_today;
    QPushButton *m_cancel;
};

} // namespace zendrova
