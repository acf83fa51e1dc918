#pragma once

#include "store/SortDescriptor.h"
#include "store/SortOptions.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace zendrova {

// The Sort Options dialog: primary and secondary field with their directions.
// OK writes the choice into the descriptor (remembering the applied sort);
// the caller then applies it. Cancel changes nothing.
class TSortDlg : public QDialog
{
    Q_OBJECT
public:
    TSortDlg(SortDescriptor &descriptor, const QStringList &captions, const FieldModel &fields,
        QWidget *parent = nullptr);

    const SortOptions &options() const { return m_options; }

private:
    QGroupBox *orderGroup(const QString &name, QButtonGroup *&buttons);
    void showOptions();
    void OKBtnClick();

    SortDescriptor &m_descriptor;
    SortOptions m_options;
    QComboBox *m_sortCB;
    QComboBox *m_sort2CB;
    QGroupBox *m_orderGB;
    QGroupBox *m_order2GB;
    QButtonGroup *m_order;
    QButtonGroup *m_order2;
};

} // namespace zendrova
