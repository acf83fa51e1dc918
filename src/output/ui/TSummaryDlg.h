#pragma once

#include "output/SummaryDialogModel.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace zendrova {

class StoreTable;

// "Summary": counts the open database's records by a chosen field.
class TSummaryDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kKeyWidth = 328;
    static constexpr int kCountWidth = 58;
    static constexpr int kPercentWidth = 46;
    static constexpr int kValueWidth = 90;
    static constexpr int kRowHeight = 16;
    // Room the grid keeps beside its columns (borders, scroll bar).
    static constexpr int kGridSpare = 26;

    // table: the current record table, counted through an object of the
    // dialog's own; scope: the filter state the records must pass.
    TSummaryDlg(const QStringList &captions, const StoreTable &table, FilterScope scope,
        QWidget *parent = nullptr);

    // Prints the summary: at first through the report driver to its preview.
    std::function<void(const SummaryDialogModel &)> printSummary;

    const SummaryDialogModel &model() const { return m_model; }

public slots:
    void ComboBox1Change(int index);
    void BitBtn1Click();
    void BitBtn2Click();

private:
    // Fills the grid, the total and the headers from the model.
    void showSummary();
    void layOutColumns();
    // A dialog grown by the value columns moves left to stay on its screen.
    void keepOnScreen();

    SummaryDialogModel m_model;
    QString m_folder;
    QString m_fileName;
    FilterScope m_scope;
    QComboBox *m_field;
    QTableWidget *m_grid;
    QButtonGroup *m_sortBy = nullptr;
    QCheckBox *m_values;
    QLabel *m_totalLabel;
    QLabel *m_total;
    QList<QLabel *> m_valueTotals;
};

} // namespace zendrova
