#pragma once

#include "shell/OptionsModel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace zendrova {

class AppState;
class TColorDlgGrid;
class TDirEdit;
class TRadioGroup;

// "Options": the settings of the program on seven pages, the last two for the
// Supervisor only. "&Close" is the one way out and keeps every change; the
// caller then applies them to the main window.
class TOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionsDlg(AppState &state, QWidget *parent = nullptr);

    // What Close stored; the caller applies it.
    const OptionsClosed &closed() const { return m_result; }
    // Escape and the like do not close it: only "&Close" does.
    void reject() override;

private:
    // Pages.
    QWidget *userInterfacePage();
    QWidget *dataPage();
    QWidget *datePage();
    QWidget *colorsPage();
    QWidget *fontsPage();
    QWidget *securityPage();
    QWidget *usersPage();
    TRadioGroup *radio(const char *name, const QString &caption, const QStringList &items,
        int index, int *choice);
    QCheckBox *check(const char *name, const QString &caption, bool *choice);

    // Navigation.
    void TabSet1Click(int index);
    void showPage();

    // Handlers.
    void Update_BtnClick();
    void BitBtn3Click();
    void BitBtn4Click();
    void showLabels();
    void showDateFormat();
    void BitBtn1Click();
    void BitBtn2Click();
    void showColor();
    void FontBtnClick();
    void showFont();
    void UserCount_GBClick(int index);
    void showUsersCount();
    void CloseBtnClick();

    AppState &m_state;
    OptionsModel m_model;
    OptionsClosed m_result;

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;

    QListWidget *m_labels = nullptr;
    QLineEdit *m_labelEdit = nullptr;
    TRadioGroup *m_dateFields = nullptr;
    TRadioGroup *m_dateFormat = nullptr;
    QListWidget *m_elements = nullptr;
    TColorDlgGrid *m_colors = nullptr;
    QComboBox *m_fontComponent = nullptr;
    QLineEdit *m_fontName = nullptr;
    QLineEdit *m_fontStyle = nullptr;
    QLineEdit *m_fontSize = nullptr;
    TDirEdit *m_dataDir = nullptr;
    TRadioGroup *m_accessMode = nullptr;
    TRadioGroup *m_userCount = nullptr;
    QPushButton *m_userAccounts = nullptr;
};

} // namespace zendrova
