#include "mainwin/ui/RecordCard.h"

#include "common/AppState.h"
#include "editors/DateBuffer.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/CardFieldDesign.h"
#include "mainwin/CardFields.h"
#include "mainwin/CardScaling.h"
#include "mainwin/CardTabOrder.h"
#include "mainwin/FontShift.h"
#include "mainwin/ui/CardControl.h"
#include "mainwin/ui/RecordCardBar.h"
#include "mainwin/ui/RecordCardLabel.h"
#include "mainwin/ui/RecordCardMenus.h"
#include "store/ui/TLookup.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace zendrova {

namespace {
constexpr int kStatusHeight = 22;
constexpr int kTemplateButtonWidth = 60;
} // namespace

RecordCard::RecordCard(AppState &state, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("PgRight"));
    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook1"));
    for (int page = 1; page <= CardFields::kPageCount; ++page)
        m_notebook->addWidget(buildPage(page));
    m_notebook->installEventFilter(this);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSet2"));
    m_tabs->setToolTip(tr("Select Part of the Record [Alt+#]"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setAutoFillBackground(true);
    for (int page = 1; page <= CardFields::kPageCount; ++page)
        m_tabs->addTab(tr("Part %1").arg(page));
    connect(m_tabs, &QTabBar::currentChanged, m_notebook, &QStackedWidget::setCurrentIndex);

    m_bar = new RecordCardBar(this);
    connect(m_bar, &RecordCardBar::commandRequested, this, &RecordCard::commandRequested);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildStatusBar());
    layout->addWidget(m_notebook, 1);
    layout->addWidget(m_tabs);
    layout->addWidget(m_bar);

    m_menus = new RecordCardMenus(state, this);
    connect(m_menus, &RecordCardMenus::fontRequested, this, &RecordCard::fieldFontRequested);
    connect(m_menus, &RecordCardMenus::colorRequested, this, &RecordCard::fieldColorRequested);
    buildLists();
    for (const CardField &field : CardFields::all()) {
        m_baseControls << CardFieldDesign::controlRect(field.tag);
        m_baseLabels << CardFieldDesign::captionRect(field.tag);
    }
    const QSize page = CardFieldDesign::pageSize();
    resize(page.width(),
        kStatusHeight + page.height() + m_tabs->sizeHint().height() + RecordCardBar::kHeight);
    relayout();
}

RecordCard::~RecordCard() = default;

QWidget *RecordCard::buildStatusBar()
{
    m_status = new QLabel(tr("Read/Write Access"), this);
    m_status->setObjectName(QStringLiteral("RStatus"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFixedHeight(kStatusHeight);
    auto *panel = new QFrame(m_status);
    panel->setObjectName(QStringLiteral("Panel10"));
    m_templateButton = new QPushButton(tr("Blank"), panel);
    m_templateButton->setObjectName(QStringLiteral("TemplateBtn"));
    m_templateButton->setFocusPolicy(Qt::NoFocus);
    connect(m_templateButton, &QPushButton::clicked, this, &RecordCard::templateButtonClicked);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_templateButton);
    // The template button keeps to the status bar's right end.
    auto *statusLayout = new QHBoxLayout(m_status);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addStretch(1);
    panel->setFixedWidth(kTemplateButtonWidth);
    statusLayout->addWidget(panel);
    return m_status;
}

QWidget *RecordCard::buildPage(int page)
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("PgR%1").arg(page));
    auto *panel = new QFrame(sheet);
    panel->setObjectName(QStringLiteral("CardPanel%1").arg(page));
    panel->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    for (const CardField &field : CardFields::all()) {
        if (field.page != page)
            continue;
        auto *label = new RecordCardLabel(field.tag, panel);
        label->setText(field.builtInCaption);
        connect(label, &RecordCardLabel::clicked, this, &RecordCard::captionClicked);
        createControl(field, panel);
    }
    return sheet;
}

void RecordCard::createControl(const CardField &field, QWidget *parent)
{
    m_cardControls[field.tag - 1] = CardControl::create(field, m_state, parent);
}

QList<CardControl *> RecordCard::cardControls() const
{
    QList<CardControl *> controls;
    for (const auto &control : m_cardControls)
        controls << control.get();
    return controls;
}

ColorDialogUse RecordCard::colorUseOf(const QWidget *control) const
{
    const int tag = CardFields::tagOf(control);
    if (tag < 1 || tag > CardFields::kCount)
        return ColorDialogUse::SingleLineFields;
    return m_cardControls[tag - 1]->colorUse();
}

void RecordCard::buildLists()
{
    m_controls = QList<QWidget *>(CardFields::kCount, nullptr);
    m_labels = QList<RecordCardLabel *>(CardFields::kCount, nullptr);
    QList<TLookup *> lookups;
    // Walking the pages in order, and in each the children of its panel.
    for (int page = 0; page < m_notebook->count(); ++page) {
        int tagged = 0;
        const QWidget *panel = m_notebook->widget(page)->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
        for (QObject *child : panel->children()) {
            const int tag = CardFields::tagOf(child);
            if (tag < 1 || tag > CardFields::kCount)
                continue;
            if (auto *label = qobject_cast<RecordCardLabel *>(child)) {
                m_labels[tag - 1] = label;
                continue;
            }
            auto *control = qobject_cast<QWidget *>(child);
            m_controls[tag - 1] = control;
            ++tagged;
            if (auto *date = qobject_cast<TDateEdit *>(control))
                connectDateControl(date);
            else if (auto *lookup = qobject_cast<TLookup *>(control))
                lookups << lookup;
            else if (qobject_cast<QPlainTextEdit *>(control))
                m_menus->attachMemoMenu(control);
            else if (qobject_cast<QLineEdit *>(control))
                m_menus->attachFieldMenu(control);
        }
        m_pageCounts << tagged;
    }
    std::sort(lookups.begin(), lookups.end(), [](const TLookup *a, const TLookup *b) {
        return CardFields::tagOf(a) < CardFields::tagOf(b);
    });
    m_menus->attachLookupMenu(lookups);
}

void RecordCard::connectDateControl(TDateEdit *date)
{
    m_dates << date;
    connect(date, &TDateEdit::OnSetFont, this, [this, date] { emit fieldFontRequested(date); });
    connect(date, &TDateEdit::OnSetColor, this, [this, date] { emit fieldColorRequested(date); });
    connect(date, &TDateEdit::OnSetFormat, this, [this, date](int code) {
        const int tag = CardFields::tagOf(date);
        m_state.dateFormats.setCodeForField(tag - 1, code);
        m_state.dateFormats.save(m_state.userFolder);
        emit dateFormatChanged(tag, code);
    });
}

int RecordCard::pageOfControl(int index) const
{
    return CardFields::pageOfIndex(index, m_pageCounts);
}

int RecordCard::focusedControl() const
{
    const QWidget *focus = QApplication::focusWidget();
    for (int i = 0; focus && i < m_controls.size(); ++i)
        if (m_controls[i] == focus || m_controls[i]->isAncestorOf(focus))
            return i;
    return -1;
}

void RecordCard::applyCaptions(const CaptionList &captions)
{
    for (int i = 0; i < m_labels.size(); ++i) {
        const QString caption = captions.caption(i + 1);
        m_labels[i]->setText(caption.isEmpty() ? CardFields::byTag(i + 1).builtInCaption : caption);
    }
}

void RecordCard::applyDateFormats(const DateFormatList &formats)
{
    for (int line = 0; line < m_dates.size(); ++line)
        m_dates[line]->setDateFormat(DateBuffer::formatOfCode(formats.entries().value(line).code));
}

int RecordCard::partCount() const
{
    return m_tabs->count();
}

bool RecordCard::selectPart(int n)
{
    if (n < 1 || n > partCount())
        return false;
    m_tabs->setCurrentIndex(n - 1);
    return true;
}

int RecordCard::currentPart() const
{
    return m_tabs->currentIndex() + 1;
}

bool RecordCard::focusNextField(bool backwards)
{
    const int current = focusedControl();
    if (current < 0)
        return false;
    QList<bool> tabStops;
    for (const QWidget *control : std::as_const(m_controls))
        tabStops << (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus));
    const auto target = CardTabOrder::next(current, backwards, tabStops);
    if (!target)
        return false;
    selectPart(pageOfControl(*target));
    m_controls[*target]->setFocus(Qt::TabFocusReason);
    return true;
}

void RecordCard::setStatusText(const QString &text)
{
    m_status->setText(text);
}

bool RecordCard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_notebook && event->type() == QEvent::Resize)
        relayout();
    return QFrame::eventFilter(watched, event);
}

void RecordCard::relayout()
{
    const QSize size = m_notebook->size();
    for (int page = 1; page <= CardFields::kPageCount; ++page) {
        QList<CardScaling::Item> items;
        QList<QWidget *> widgets;
        for (const CardField &field : CardFields::all()) {
            if (field.page != page)
                continue;
            const int i = field.tag - 1;
            items << CardScaling::Item{m_baseLabels[i], field.kind, true}
                  << CardScaling::Item{m_baseControls[i], field.kind, false};
            widgets << m_labels[i] << m_controls[i];
        }
        const QList<QRect> placed = CardScaling::scale(items, CardFieldDesign::pageSize(), size);
        for (int k = 0; k < widgets.size(); ++k)
            widgets[k]->setGeometry(placed[k]);
    }
}

} // namespace zendrova
