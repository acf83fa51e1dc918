#include "output/ui/TPieGraphDlg.h"

#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "output/ui/GraphChart.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QPushButton *button(const QString &name, const QString &text, const QString &hint)
{
    auto *result = new QPushButton(text);
    result->setObjectName(name);
    result->setToolTip(hint);
    result->setAutoDefault(false);
    return result;
}

} // namespace

QString TPieGraphDlg::printFailureText()
{
    return tr("The graph could not be printed.");
}

QString TPieGraphDlg::noPrinterText()
{
    return tr("No printers installed on your system! Cannot perform this function.");
}

QString TPieGraphDlg::saveFailureText(const QString &fileName)
{
    return tr("Could not save the graph as %1.").arg(fileName);
}

TPieGraphDlg::TPieGraphDlg(
    const QStringList &keys, const QStringList &counts, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_model(keys, counts)
    , m_chart(new GraphChart)
{
    setObjectName(QStringLiteral("TPieGraphDlg"));
    setWindowTitle(tr("Summary Graph"));
    m_chart->setTitle(title);

    m_typeBox = radioGroup(QStringLiteral("GraphType"), tr("Chart"),
        { tr("Bars"), tr("Pie"), tr("Lines") }, m_type);
    m_labelsBox = radioGroup(QStringLiteral("XLabels"), tr("X Axis Labels"),
        { tr("Horizontal"), tr("Vertical"), tr("No Labels") }, m_labels);
    m_threeD = new QCheckBox(tr("3D"));
    m_threeD->setObjectName(QStringLiteral("CheckBox1"));
    m_threeD->setChecked(m_model.threeD);

    m_itemsLabel = new QLabel(tr("Items Per Page:"));
    m_items = new QLineEdit;
    m_items->setObjectName(QStringLiteral("Edit1"));
    m_items->setMaxLength(GraphPaging::kMaxDigits);
    m_items->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_items));
    m_items->setFixedWidth(m_items->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    m_items->installEventFilter(this);
    m_itemsLabel->setBuddy(m_items);
    m_update = new QToolButton;
    m_update->setObjectName(QStringLiteral("SpeedButton1"));
    m_update->setText(tr("Update"));
    m_update->setToolTip(tr("Update Graph"));

    m_previous = button(QStringLiteral("BitBtn1"), tr("&Previous"), tr("Previous Page"));
    m_next = button(QStringLiteral("BitBtn2"), tr("&Next"), tr("Next Page"));
    QPushButton *print = button(QStringLiteral("BitBtn3"), tr("P&rint"), tr("Print Graph"));
    QPushButton *save = button(QStringLiteral("SaveBtn"), tr("&Save"), tr("Save Graph as Picture"));
    QPushButton *close = button(QStringLiteral("BitBtn4"), tr("&Close"), tr("Close Graph Window"));

    auto *items = new QHBoxLayout;
    items->addWidget(m_itemsLabel);
    items->addWidget(m_items);
    items->addWidget(m_update);
    auto *pages = new QHBoxLayout;
    pages->addWidget(m_previous);
    pages->addWidget(m_next);
    auto *middle = new QVBoxLayout;
    middle->addWidget(m_threeD);
    middle->addLayout(items);
    middle->addLayout(pages);
    auto *actions = new QVBoxLayout;
    actions->addWidget(print);
    actions->addWidget(save);
    actions->addWidget(close);

    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *top = new QHBoxLayout(panel);
    top->addWidget(m_typeBox);
    top->addWidget(m_labelsBox);
    top->addLayout(middle);
    top->addStretch();
    top->addLayout(actions);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_chart, 1);
    resize(640, 480);

    m_items->setText(QString::number(m_model.paging.itemsPerPage()));
    m_type->button(int(m_model.type))->setChecked(true);
    m_labels->button(int(m_model.axisLabels))->setChecked(true);

    connect(m_type, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.type = GraphType(id);
        showGraph();
    });
    connect(m_labels, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.axisLabels = AxisLabels(id);
        showGraph();
    });
    connect(m_threeD, &QCheckBox::toggled, this, [this](bool on) {
        m_model.threeD = on;
        showGraph();
    });
    connect(m_update, &QToolButton::clicked, this, &TPieGraphDlg::SpeedButton1Click);
    connect(m_previous, &QPushButton::clicked, this, &TPieGraphDlg::BitBtn1Click);
    connect(m_next, &QPushButton::clicked, this, &TPieGraphDlg::BitBtn2Click);
    connect(print, &QPushButton::clicked, this, &TPieGraphDlg::BitBtn3Click);
    connect(save, &QPushButton::clicked, this, &TPieGraphDlg::SaveBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    showGraph();
}

QGroupBox *TPieGraphDlg::radioGroup(
    const QString &name, const QString &title, const QStringList &items, QButtonGroup *&buttons)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name);
    buttons = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (int id = 0; id < items.size(); ++id) {
        auto *radio = new QRadioButton(items.at(id));
        buttons->addButton(radio, id);
        layout->addWidget(radio);
    }
    return box;
}

void TPieGraphDlg::showGraph()
{
    m_chart->show(m_model);
    const bool panel = m_model.pagingPanelShown();
    m_labelsBox->setVisible(panel);
    m_itemsLabel->setVisible(panel);
    m_items->setVisible(panel);
    m_update->setVisible(panel);
    m_previous->setVisible(m_model.pageButtonsShown());
    m_next->setVisible(m_model.pageButtonsShown());
    m_previous->setEnabled(m_model.paging.previousEnabled());
    m_next->setEnabled(m_model.paging.nextEnabled());
}

bool TPieGraphDlg::eventFilter(QObject *watched, QEvent *event)
{
    // The items box takes digits and Backspace; other typed characters are dropped.
    if (watched == m_items && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Backspace && !key->text().isEmpty()
            && key->text().at(0).isPrint() && !GraphPaging::acceptsText(key->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPieGraphDlg::SpeedButton1Click()
{
    m_items->setText(QString::number(m_model.paging.update(m_items->text())));
    showGraph();
}

void TPieGraphDlg::BitBtn1Click()
{
    m_model.paging.previous();
    showGraph();
}

void TPieGraphDlg::BitBtn2Click()
{
    m_model.paging.next();
    showGraph();
}

void TPieGraphDlg::renderPage(QPaintDevice &device, QSize page)
{
    QPainter painter(&device);
    m_chart->render(&painter, GraphPoints::printRect(page, m_chart->size()));
}

void TPieGraphDlg::BitBtn3Click()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showMessage(MessageKind::Warning, noPrinterText());
        return;
    }
    WaitCursor wait;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) {
        printer.abort();
        wait.pause([] { showMessage(MessageKind::Error, printFailureText()); });
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    m_chart->render(&painter, GraphPoints::printRect(page.size(), m_chart->size()));
    painter.end();
}

void TPieGraphDlg::SaveBtnClick()
{
    const QString fileName = Interaction::current().saveFileName(
        tr("Save Graph as Picture"), QString(), tr("PNG Pictures (*.png)"));
    if (fileName.isEmpty())
        return;
    // Written beside the old file and swapped in, so a failure keeps the old one.
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly)
        && m_chart->grab().save(&file, "PNG") && file.commit();
    if (!saved)
        showMessage(MessageKind::Error, saveFailureText(fileName));
}

} // namespace zendrova
