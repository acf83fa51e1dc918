#pragma once

#include "output/ReportDialogModel.h"
#include "output/ui/ReportPrinting.h"

#include <QDialog>
#include <functional>
#include <map>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace zendrova {

// "Print Report": edits the current report definition on five pages and
// starts a report run to the printer or to the preview. The rules live in
// ReportDialogModel; this form shows its state and forwards every change.
class TReportDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 24;
    using RunReport = std::function<void(const ReportSetup &)>;

    // kinds: each caption's field kind, in caption order.
    TReportDlg(ReportSources sources, std::vector<FieldKind> kinds, TReportRec &current,
               bool oneRecord, QWidget *parent = nullptr);
    // Writes the controls into the current definition.
    ~TReportDlg() override;

    ReportDialogModel &model() { return m_model; }
    // Replaces what Print and Preview start (tests); by default the status
    // window and the preview.
    void setRunReport(RunReport run) { m_run = std::move(run); }

private:
    struct RadioGroup
    {
        QWidget *box;
        QButtonGroup *buttons;
    };
    RadioGroup radioGroup(const QString &name, const QString &title, const QStringList &items);
    QLineEdit *numberBox(const QString &name);
    QToolButton *speedButton(const QString &name, const QString &text, const QString &hint);

    QWidget *fieldsPage();
    QWidget *optionsPage();
    QWidget *pageSettingsPage();
    QWidget *fontsPage();
    QWidget *titlePage();

    void showPage(int index);
    void refresh();
    void setRadio(const QString &name, int index);
    void startRun(ReportSetup::Destination destination);
    void selectPrinter();
    void changeFont();
    void loadTemplate();
    void saveTemplate();

    ReportSources m_sources;
    TReportRec &m_current;
    ReportDialogModel m_model;
    RunReport m_run;
    bool m_refreshing = false;

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QListWidget *m_all = nullptr;
    QListWidget *m_included = nullptr;
    QLineEdit *m_width = nullptr;
    std::map<QString, RadioGroup> m_radios;
    std::map<QString, QLineEdit *> m_boxes;
    std::map<QString, QWidget *> m_buttons;
};

} // namespace zendrova
