#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zendrova {

class RecordTemplates;

// "Save Record As Template": the name to save the card under (a new one or
// an existing template's), the templates to pick or delete, and the date
// fields that will hold the day the template is used.
class TRecordTemplateForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 100;

    struct Choice
    {
        int index = -1; // the template the card is saved to
        QList<int> todayPositions; // the date fields checked
    };

    TRecordTemplateForm(RecordTemplates &templates, QWidget *parent = nullptr);

    // What OK chose; nothing after Cancel.
    const std::optional<Choice> &choice() const { return m_choice; }

private:
    QGroupBox *buildDateBoxes();
    void showNames();
    void ListBox1Click();
    void ListBox1DblClick();
    void DeleteBtnClick();
    void OKBtnClick();

    RecordTemplates &m_templates;
    QLineEdit *m_name = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_delete = nullptr;
    QList<QCheckBox *> m_dateBoxes;
    QList<int> m_datePositions;
    std::optional<Choice> m_choice;
};

} // namespace zendrova
