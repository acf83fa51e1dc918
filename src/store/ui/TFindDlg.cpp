#include "store/ui/TFindDlg.h"

#include "common/CaptionList.h"
#include "common/Interaction.h"
#include "store/FieldModel.h"
#include "store/FindPlacement.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zendrova {

namespace {

template <typename W> W *named(W *widget, const char *name, const QString &hint = QString())
{
    widget->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

} // namespace

TFindDlg::TFindDlg(
    RecordStore &store, const CaptionList &captions, FindSettings &settings, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_store(store)
    , m_settings(settings)
    , m_search(store)
{
    setObjectName(QStringLiteral("TFindDlg"));
    setWindowTitle(tr("Search"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setProperty("helpContext", kHelpContext);
    const FieldModel &fields = store.fields();
    for (int i = 0; i < captions.captions().size(); ++i) {
        const int position = i + FieldModel::kFirstUserPosition;
        if (fields.contains(position) && !fields.isPicture(position))
            m_fieldPositions.append(position);
    }
    buildControls();
    QStringList items { tr("ALL FIELDS") };
    for (int position : std::as_const(m_fieldPositions))
        items << captions.captions().at(position - FieldModel::kFirstUserPosition);
    m_fields->addItems(items);
    m_fields->setCurrentIndex(std::clamp(m_settings.fieldChoice, 0, int(items.size()) - 1));
    m_text->addItems(m_settings.history);
    m_text->setEditText(m_settings.lastText);
    (m_settings.startFrom == 1 ? m_fromEnd : m_fromBeginning)->setChecked(true);
    m_skipMemos->setChecked(m_settings.skipMemos);
    fieldChosen(m_fields->currentIndex());
    m_next->setEnabled(false);
    m_previous->setEnabled(false);
    m_stop->setEnabled(false);
    m_search.keepAlive = [this](int counter) {
        m_counter->setText(QString::number(counter + 1));
        QApplication::processEvents();
    };
    placeBesideMainWindow(mainWindow);
}

TFindDlg::~TFindDlg() = default;

void TFindDlg::buildControls()
{
    m_fields = named(new QComboBox, "ComboBox1", tr("Select Which Fields Should Be Searched"));
    m_text = named(new QComboBox, "Edit1", tr("Enter Text You Want To Search For"));
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->lineEdit()->setMaxLength(kMaxTextLength);
    auto *startFrom
        = named(new QGroupBox(tr("Start From")), "RadioGroup1", tr("Determines Search Direction"));
    m_fromBeginning = new QRadioButton(tr("Beginning"));
    m_fromEnd = new QRadioButton(tr("End"));
    auto *startLayout = new QVBoxLayout(startFrom);
    startLayout->addWidget(m_fromBeginning);
    startLayout->addWidget(m_fromEnd);
    m_find = named(
        new QPushButton(tr("&Find")), "BitBtn1", tr("Start Search From Beginning or End of File"));
    m_next = named(new QPushButton(tr("Find &Next")), "BitBtn2", tr("Find Next Record"));
    m_previous
        = named(new QPushButton(tr("Find &Previous")), "BitBtn3", tr("Find Previous Record"));
    m_stop = named(new QPushButton(tr("&Stop")), "BitBtn4", tr("Stop Searching"));
    m_skipMemos = named(new QCheckBox(tr("Don't Search Multiline Fields")), "CheckBox1",
        tr("Search is Faster if Checked"));
    m_nonStop = named(new QCheckBox(tr("Non-Stop Search Mode")), "CheckBox2",
        tr("Search Through Entire Database In One Pass"));
    m_close = named(new QPushButton(tr("&Close")), "OKBtn", tr("Close Search Window"));
    m_counter = named(new QLabel, "Label4");

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Fields To Be Searched:")), 0, 0);
    grid->addWidget(m_fields, 1, 0);
    grid->addWidget(new QLabel(tr("Text To Search For:")), 2, 0);
    grid->addWidget(m_text, 3, 0);
    grid->addWidget(startFrom, 4, 0, 2, 1);
    grid->addWidget(m_skipMemos, 6, 0);
    grid->addWidget(m_nonStop, 7, 0);
    grid->addWidget(new QLabel(tr("Current Record:")), 8, 0);
    grid->addWidget(m_counter, 9, 0);
    const QList<QPushButton *> buttons { m_find, m_next, m_previous, m_stop, m_close };
    for (int i = 0; i < buttons.size(); ++i)
        grid->addWidget(buttons[i], i + 1, 1);

    connect(m_fields, &QComboBox::currentIndexChanged, this, &TFindDlg::fieldChosen);
    connect(m_text, &QComboBox::editTextChanged, this, [this] {
        m_next->setEnabled(false);
        m_previous->setEnabled(false);
    });
    connect(m_skipMemos, &QCheckBox::toggled, this, [this](bool on) {
        if (m_skipMemos->isEnabled())
            m_settings.skipMemos = on;
    });
    connect(m_nonStop, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_fromBeginning->setChecked(true);
        m_fromBeginning->setEnabled(!on);
        m_fromEnd->setEnabled(!on);
    });
    connect(m_find, &QPushButton::clicked, this, &TFindDlg::find);
    connect(m_next, &QPushButton::clicked, this, [this] { findAgain(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { findAgain(false); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_search.stop(); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

void TFindDlg::placeBesideMainWindow(QWidget *mainWindow)
{
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!mainWindow || !screen)
        return;
    move(FindPlacement::place(
        mainWindow->frameGeometry(), frameGeometry().size(), screen->availableGeometry()));
}

void TFindDlg::fieldChosen(int index)
{
    const bool allFields = index <= 0;
    m_skipMemos->setEnabled(allFields);
    m_skipMemos->setChecked(m_settings.memosSkipped(allFields));
}

std::optional<int> TFindDlg::chosenPosition() const
{
    const int index = m_fields->currentIndex();
    if (index <= 0 || index > m_fieldPositions.size())
        return std::nullopt;
    return m_fieldPositions[index - 1];
}

void TFindDlg::find()
{
    const bool forward = m_fromBeginning->isChecked();
    const QString text = m_text->currentText();
    beginSearch();
    const bool matched
        = m_search.find(text, forward, m_nonStop->isChecked(), chosenPosition(), m_settings);
    endSearch();
    m_text->clear();
    m_text->addItems(m_settings.history);
    m_text->setEditText(text);
    if (m_nonStop->isChecked() || text.isEmpty())
        return;
    m_next->setEnabled(matched && forward);
    m_previous->setEnabled(matched && !forward);
    showCounter(matched);
}

void TFindDlg::findAgain(bool forward)
{
    beginSearch();
    const bool matched = m_search.findAgain(forward);
    endSearch();
    if (matched) {
        showCounter(true);
        (forward ? m_previous : m_next)->setEnabled(true);
    } else {
        (forward ? m_next : m_previous)->setEnabled(false);
    }
}

void TFindDlg::showCounter(bool matched)
{
    // The search shows its counter only now and then while it runs.
    if (matched)
        m_counter->setText(QString::number(m_search.counter() + 1));
    else
        m_counter->clear();
}

void TFindDlg::beginSearch()
{
    m_searching = true;
    m_enabledBeforeSearch.clear();
    for (QWidget *control : findChildren<QWidget *>()) {
        if (control->isEnabled() && control != m_stop && !control->isWindow()) {
            m_enabledBeforeSearch.append(control);
            control->setEnabled(false);
        }
    }
    m_stop->setEnabled(true);
}

void TFindDlg::endSearch()
{
    m_stop->setEnabled(false);
    for (QWidget *control : std::as_const(m_enabledBeforeSearch))
        control->setEnabled(true);
    m_enabledBeforeSearch.clear();
    m_searching = false;
    if (m_closeAfterSearch)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFindDlg::disableContinuing()
{
    m_search.forgetLastMatch();
    m_next->setEnabled(false);
    m_previous->setEnabled(false);
}

void TFindDlg::saveSettings()
{
    m_settings.fieldChoice = m_fields->currentIndex();
    m_settings.startFrom = m_fromEnd->isChecked() ? 1 : 0;
    m_settings.lastText = m_text->currentText();
}

void TFindDlg::closeEvent(QCloseEvent *event)
{
    m_search.stop();
    if (m_searching) {
        // The search still runs below this call: close once it has ended.
        m_closeAfterSearch = true;
        event->ignore();
        return;
    }
    saveSettings();
    m_search.forgetLastMatch();
    QDialog::closeEvent(event);
}

} // namespace zendrova
