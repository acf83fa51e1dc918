#pragma once

#include <QDialog>

class QButtonGroup;

namespace zendrova {

// "Print" (or "Print Record"): chooses what to print. Kept general so that
// the label and summary printing can add their own choices.
class TPrtDlg : public QDialog
{
    Q_OBJECT
public:
    enum Choice { StandardReport = 0, Labels = 1 };

    explicit TPrtDlg(bool oneRecord, QWidget *parent = nullptr);

    Choice choice() const;

private:
    QButtonGroup *m_group;
};

} // namespace zendrova
