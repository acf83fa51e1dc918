#include "common/ui/TEditMenu.h"

#include "common/HelpTopic.h"
#include "common/ui/EditTargetActions.h"
#include "common/Interaction.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace zendrova {

namespace {
const QString kTextFiles = QStringLiteral("*.txt");
}

TEditMenu::TEditMenu(Variant variant, QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("TEditMenu"));
    using namespace EditTargetActions;
    auto onComponent = [this](void (*action)(QWidget *)) {
        return [this, action] {
            if (m_component)
                action(m_component);
        };
    };
    addAction(tr("&Undo"), this, onComponent(&undo));
    addSeparator();
    addAction(tr("Cu&t"), this, onComponent(&cut));
    addAction(tr("&Copy"), this, onComponent(&copy));
    addAction(tr("&Paste"), this, onComponent(&paste));
    addAction(tr("&Delete"), this, onComponent(&deleteSelection));
    addSeparator();
    addAction(tr("Select &All"), this, onComponent(&selectAll));
    addSeparator();
    addAction(tr("&Load"), this, &TEditMenu::loadMemo);
    addAction(tr("&Save"), this, &TEditMenu::saveMemo);
    addSeparator();
    addAction(tr("&Font..."), this, [this] { emit OnSetFont(m_component); });
    addAction(tr("C&olor..."), this, [this] { emit OnSetColor(m_component); });
    QAction *lastSeparator = addSeparator();
    addAction(tr("&Help"), this, [this] { showHelpOf(m_component); });

    if (variant == Variant::Lookup) {
        auto *editList = new QAction(tr("&Edit List..."), this);
        connect(editList, &QAction::triggered, this, [this] { emit OnEditList(m_component); });
        m_autoFillEntry = new QAction(tr("Auto-F&ill"), this);
        m_autoFillEntry->setCheckable(true);
        connect(m_autoFillEntry, &QAction::triggered, this, [this] { emit OnAutoFill(m_component); });
        insertActions(lastSeparator, {editList, m_autoFillEntry});
    }
}

void TEditMenu::prepareFor(QWidget *component)
{
    m_component = component;
    if (!component)
        return;
    component->setFocus(Qt::PopupFocusReason);
    EditMenuInput input = EditTargetActions::inspect(component);
    input.autoFill = m_autoFillSource && m_autoFillSource();
    const EditMenuState state = editMenuState(input);
    entry(UndoPos)->setVisible(state.undoVisible);
    entry(UndoPos + 1)->setVisible(state.undoVisible);
    entry(UndoPos)->setEnabled(state.undoEnabled);
    entry(CutPos)->setEnabled(state.cutEnabled);
    entry(CopyPos)->setEnabled(state.copyEnabled);
    entry(PastePos)->setEnabled(state.pasteEnabled);
    entry(DeletePos)->setEnabled(state.deleteEnabled);
    entry(SelectAllPos)->setEnabled(state.selectAllEnabled);
    for (int position : {int(LoadPos) - 1, int(LoadPos), int(SavePos)})
        entry(position)->setVisible(state.fileEntriesVisible);
    if (m_autoFillEntry)
        m_autoFillEntry->setChecked(state.autoFillChecked);
}

void TEditMenu::popupFor(QWidget *component, const QPoint &globalPos)
{
    prepareFor(component);
    exec(globalPos);
}

void TEditMenu::loadMemo()
{
    auto *memo = qobject_cast<QPlainTextEdit *>(m_component);
    if (!memo)
        return;
    const QString name = Interaction::current().openFileName(QString(), QString(), kTextFiles);
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(MessageKind::Error, tr("Cannot open file \"%1\". %2").arg(name, file.errorString()));
        return;
    }
    QString text = QString::fromLocal8Bit(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo->setPlainText(text);
}

void TEditMenu::saveMemo()
{
    auto *memo = qobject_cast<QPlainTextEdit *>(m_component);
    if (!memo)
        return;
    const QString name = Interaction::current().saveFileName(QString(), QString(), kTextFiles);
    if (name.isEmpty())
        return;
    // Written beside the old file and swapped in, so a failed write keeps it.
    QSaveFile file(name);
    QByteArray bytes = memo->toPlainText().toLocal8Bit();
    bytes.replace("\n", "\r\n");
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        showMessage(MessageKind::Error, tr("Cannot create file \"%1\". %2").arg(name, file.errorString()));
}

} // namespace zendrova
