#pragma once

#include "output/LabelTemplates.h"

#include <QDialog>

class QListWidget;

namespace zendrova {

// "Load Label Template": the stored label templates; OK writes the list back
// and copies the selected one over the current definition.
class TLabelLoadDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 100;

    TLabelLoadDlg(const QString &userFolder, TLabelRec &current, QWidget *parent = nullptr);
    // False when "label.dat" could not be read (the user was told): do not show it.
    bool opened() const { return m_opened; }

private:
    void OKBtnClick();
    void Delete_BtnClick();
    void showNames();

    LabelLoadModel m_model;
    TLabelRec &m_current;
    QListWidget *m_list;
    bool m_opened = false;
};

} // namespace zendrova
