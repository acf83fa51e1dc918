#pragma once

#include "mainwin/ColorDialogModel.h"

#include <QDialog>

class QButtonGroup;

namespace zendrova {

class TColorDlgGrid;

// The "Set Colors" dialog for one use. Each palette click changes the scheme
// at once and says so, so the caller may show it; Cancel (or Esc) puts the
// scheme back as it was at opening.
class TColorDlg : public QDialog
{
    Q_OBJECT
public:
    TColorDlg(ColorScheme &scheme, const QString &databaseFolder, ColorDialogUse use,
        QWidget *parent = nullptr);

    const ColorDialogModel &model() const { return m_model; }
    // OK was pressed and one of this dialog's elements changed.
    bool changed() const { return m_model.changed(); }

    void reject() override;

signals:
    void schemeEdited();

private:
    void RadioGroup1Click(int item);
    void Color_LstClick(int paletteIndex);
    void OKBtnClick();
    void showCurrent();

    ColorDialogModel m_model;
    QButtonGroup *m_radio;
    TColorDlgGrid *m_grid;
};

} // namespace zendrova
