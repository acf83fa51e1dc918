#pragma once

#include <QDialog>

class QListWidget;

namespace zendrova {

class TFilterTemplateList;

// The filter template picker: choose a template to load, or delete one.
class TLoadFiltersDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 100;

    explicit TLoadFiltersDlg(TFilterTemplateList &templates, QWidget *parent = nullptr);

    // After OK: the file name of the selected template; empty when none.
    const QString &fileName() const { return m_fileName; }

private:
    void deleteSelected();
    void choose();

    TFilterTemplateList &m_templates;
    QListWidget *m_list;
    QString m_fileName;
};

} // namespace zendrova
