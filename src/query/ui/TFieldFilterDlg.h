#pragma once

#include "query/FieldFilterModel.h"

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zendrova {

class TCurrencyEdit;
class TDateEdit;
class TFilterEdit;

// What the field filter dialog edits.
struct FieldFilterSetup
{
    TFilterList &filter;
    int entryIndex = 0;
    int fieldPos = 0;
    QString caption;
    FieldKind fieldKind = FieldKind::Other;
    // The field's lookup list items, when its card control is a lookup combo.
    std::optional<QStringList> lookupItems;
    // The user's filter date format setting (0..3), changed from the date editors.
    std::uint16_t &dateFormatSetting;
};

// The condition of one filter entry: the comparison and its values, typed
// into editors that suit the field's type.
class TFieldFilterDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 85;

    explicit TFieldFilterDlg(FieldFilterSetup setup, QWidget *parent = nullptr);
    ~TFieldFilterDlg() override;

    // The memo's lines; none when it is empty.
    QStringList memoLines() const;

private:
    QWidget *buildValues();
    QWidget *buildListPanel();
    void buildConditions();
    void chooseEditors();
    void showEntry();
    void layOut(int condition);
    void removeMemoLine();
    void fillList();
    void addCalendarDates();
    void setDateFormat(int setting);
    void okClicked();
    static QString editorText(QLineEdit *editor);

    FieldFilterSetup m_setup;
    FieldFilterModel m_model;
    QButtonGroup *m_conditions = nullptr;
    QLabel *m_text3 = nullptr;
    QLabel *m_text4 = nullptr;
    TFilterEdit *m_edit1 = nullptr;
    TFilterEdit *m_edit2 = nullptr;
    TCurrencyEdit *m_currency1 = nullptr;
    TCurrencyEdit *m_currency2 = nullptr;
    TDateEdit *m_date1 = nullptr;
    TDateEdit *m_date2 = nullptr;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
    QWidget *m_panel = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QPushButton *m_removeLine = nullptr;
    // Cut before the dialog's parts go: destroying them moves the focus.
    QMetaObject::Connection m_focusWatch;
    QPushButton *m_listButton = nullptr;
};

} // namespace zendrova
