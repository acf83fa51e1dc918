#pragma once

#include "output/GraphModel.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPaintDevice;
class QPushButton;
class QToolButton;

namespace zendrova {

class GraphChart;

// "Summary Graph": the summary's counts as bars, a pie or a line, page by page.
class TPieGraphDlg : public QDialog
{
    Q_OBJECT

public:
    TPieGraphDlg(const QStringList &keys, const QStringList &counts, const QString &title,
        QWidget *parent = nullptr);

    GraphChart *chart() const { return m_chart; }
    const GraphModel &model() const { return m_model; }

    // Draws the chart into the page rectangle of a page of this size.
    void renderPage(QPaintDevice &device, QSize page);

    static QString printFailureText();
    static QString noPrinterText();
    static QString saveFailureText(const QString &fileName);

public slots:
    void SpeedButton1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SaveBtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *radioGroup(const QString &name, const QString &title, const QStringList &items,
        QButtonGroup *&buttons);
    // Fills the chart and shows the panel's controls as the model says.
    void showGraph();

    GraphModel m_model;
    GraphChart *m_chart;
    QButtonGroup *m_type = nullptr;
    QButtonGroup *m_labels = nullptr;
    QGroupBox *m_typeBox;
    QGroupBox *m_labelsBox;
    QCheckBox *m_threeD;
    QLabel *m_itemsLabel;
    QLineEdit *m_items;
    QToolButton *m_update;
    QPushButton *m_previous;
    QPushButton *m_next;
};

} // namespace zendrova
