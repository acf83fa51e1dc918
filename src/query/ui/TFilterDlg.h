#pragma once

#include "query/FilterDialogModel.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace zendrova {

class AppState;
class FieldModel;
class TFilterTemplateList;

// What the filter dialog works on.
struct FilterDialogSetup
{
    TFilterList &filter;
    TFilterTemplateList &templates;
    const FieldModel &fields;
    // The captions, the settings folder and the filter date format setting.
    AppState &state;
    FilterScope scope = FilterScope::AllRecords;
    // The items of a field's lookup list, for a field whose card control is a
    // lookup combo; nothing for other fields.
    std::function<std::optional<QStringList>(int fieldPos)> lookupItems;
};

// The filter: which fields take part and their conditions, the scope to
// show afterwards, and the filter templates.
class TFilterDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 23;
    // The modal result of the "&OK" button; Apply closes with Accepted.
    static constexpr int kYesResult = 6;

    explicit TFilterDlg(FilterDialogSetup setup, QWidget *parent = nullptr);

    // What the main window does now the dialog has closed.
    FilterDialogResult outcome() const;
    const FilterDialogModel &model() const { return m_model; }

private:
    QWidget *buildScope();
    QVBoxLayout *buildButtons();
    void showEntries();
    void addClicked();
    void removeClicked();
    void removeAllClicked();
    void editClicked();
    void loadClicked();

    FilterDialogSetup m_setup;
    FilterDialogModel m_model;
    QListWidget *m_allFields;
    QListWidget *m_usedFields;
    QButtonGroup *m_scope = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_removeAll = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_help = nullptr;
};

} // namespace zendrova
