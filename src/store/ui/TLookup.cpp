#include "store/ui/TLookup.h"

#include "dbase/Error.h"
#include "dbase/TableFamily.h"
#include "common/AppState.h"
#include "common/Interaction.h"

#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zendrova {

TLookup::TLookup(const AppState &state, QWidget *parent)
    : QComboBox(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TLookup"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours: exact case and only while the option is on.
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
}

TLookup::~TLookup()
{
    // A value typed just before the window closes is kept too.
    const QString text = currentText();
    if (isNew(text) && store(text) && m_twin)
        m_twin->reload();
}

void TLookup::setSource(const QString &source)
{
    m_source = source;
    if (!m_source.isEmpty())
        openList();
}

void TLookup::openList()
{
    if (loadItems())
        return;
    const QString path = QDir(m_state.databaseFolder).filePath(m_source);
    if (dbase::TableFamily::exists(path.toStdString()))
        return; // there but unreadable now (in use, damaged): never replaced by an empty list
    if (!LookupList::createStarter(m_state.installFolder, path)) {
        showMessage(MessageKind::Error,
                    tr("Error! Could not create a list file: \r") + QDir::toNativeSeparators(path));
        return;
    }
    loadItems();
}

bool TLookup::loadItems()
{
    m_list = std::make_unique<LookupList>(m_state.databaseFolder, m_source);
    QStringList items;
    bool loaded = true;
    try {
        items = m_list->readItems();
    } catch (const dbase::Error &) {
        loaded = false;
    }
    m_items.assign(items);
    showItems();
    return loaded;
}

void TLookup::reload()
{
    if (!m_source.isEmpty())
        loadItems();
}

void TLookup::showItems()
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(m_items.items());
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
}

void TLookup::addCurrentText()
{
    const QString text = currentText();
    if (text.isEmpty() || m_source.isEmpty())
        return;
    {
        const QSignalBlocker quiet(this);
        insertItem(m_items.insert(text), text);
        setEditText(text);
    }
    // On failure the value stays in the drop-down until the items are next loaded.
    if (!store(text))
        return;
    reload();
    if (m_twin)
        m_twin->reload();
}

void TLookup::keepTypedItem()
{
    if (isNew(currentText()))
        addCurrentText();
}

bool TLookup::isNew(const QString &text) const
{
    if (m_source.isEmpty() || text.isEmpty() || m_items.contains(text))
        return false;
    // A text longer than the list column is an item once cut to it.
    return !m_list || !m_items.contains(m_list->stored(text));
}

bool TLookup::store(const QString &text)
{
    if (!m_list)
        m_list = std::make_unique<LookupList>(m_state.databaseFolder, m_source);
    try {
        m_list->addItem(text);
        return true;
    } catch (const dbase::Error &) {
        return false;
    }
}

bool TLookup::autoFill(QKeyEvent *event)
{
    if (!m_state.userOptions.autoFill || event->text().size() != 1)
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QChar typed = event->text().front();
    if (typed.unicode() < 32 || typed.unicode() == 127)
        return false;
    QLineEdit *edit = lineEdit();
    const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const auto completion = m_items.complete(edit->text(), caret, typed);
    if (!completion)
        return false;
    setCurrentIndex(completion->index);
    setEditText(completion->text);
    edit->setSelection(completion->selectionStart, int(completion->text.size()) - completion->selectionStart);
    event->accept();
    return true;
}

void TLookup::keyPressEvent(QKeyEvent *event)
{
    if (!autoFill(event))
        QComboBox::keyPressEvent(event);
}

bool TLookup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        return autoFill(static_cast<QKeyEvent *>(event));
    return QComboBox::eventFilter(watched, event);
}

void TLookup::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    lineEdit()->setCursorPosition(0);
}

void TLookup::focusOutEvent(QFocusEvent *event)
{
    // Opening the drop-down or a context menu is no leaving.
    if (event->reason() != Qt::PopupFocusReason) {
        hidePopup();
        keepTypedItem();
    }
    QComboBox::focusOutEvent(event);
}

} // namespace zendrova
