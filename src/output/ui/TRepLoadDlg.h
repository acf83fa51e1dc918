#pragma once

#include "output/ReportTemplates.h"

#include <QDialog>

class QListWidget;

namespace zendrova {

class TReportRec;

// "Load Report Template": pick a template to copy over the current report
// definition, or delete templates (written only when OK is pressed).
class TRepLoadDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 100;

    TRepLoadDlg(const QString &userFolder, TReportRec &current, QWidget *parent = nullptr);

    // False when "report.dat" could not be read (the user was told); the
    // dialog must then not be shown.
    bool loaded() const { return m_loaded; }

    // Opens the dialog modally; true when it closed with OK.
    static bool run(const QString &userFolder, TReportRec &current, QWidget *parent);

private:
    void deleteSelected();
    void choose();

    ReportTemplatePicker m_picker;
    TReportRec &m_current;
    QListWidget *m_list;
    bool m_loaded = false;
};

} // namespace zendrova
