#pragma once

#include <QDialog>

class QListWidget;

namespace zendrova {

// What the two template load dialogs share: a titled list of template names,
// OK, Cancel, Help and Delete. The concrete dialog says what OK and Delete do.
class TLoadTemplateDlg : public QDialog
{
public:
    static constexpr int kHelpContext = 100;

    struct Texts
    {
        QString caption;
        QString label;
        QString ok;
        QString cancel;
    };

protected:
    TLoadTemplateDlg(const QString &objectName, const Texts &texts, QWidget *parent);

    // Shows the names with the given row selected (-1 for none).
    void showNames(const QStringList &names, int selected);
    // -1 when nothing is selected.
    int selectedRow() const;

    virtual void OKBtnClick() = 0;
    virtual void DeleteBtnClick() = 0;

private:
    QListWidget *m_list;
};

} // namespace zendrova
