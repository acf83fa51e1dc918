#pragma once

#include <QMenu>

#include <functional>

namespace zendrova {

// The right-click menu of the card's text boxes, memo and lookup combo boxes.
// The lookup variant carries "&Edit List..." and "Auto-F&ill" before the last
// separator; their work is done by whoever listens to the signals.
class TEditMenu : public QMenu
{
    Q_OBJECT
public:
    enum class Variant { Text, Lookup };
    // Positions of the entries in the plain menu.
    enum Position {
        UndoPos = 0, CutPos = 2, CopyPos = 3, PastePos = 4, DeletePos = 5, SelectAllPos = 7,
        LoadPos = 9, SavePos = 10, FontPos = 12, ColorPos = 13, HelpPos = 15
    };

    explicit TEditMenu(Variant variant = Variant::Text, QWidget *parent = nullptr);

    // Auto-fill of lookup fields, shown as the check mark of "Auto-F&ill".
    // Asked at each popup, so the mark shows the option as it is then.
    void setAutoFillSource(std::function<bool()> source) { m_autoFillSource = std::move(source); }
    void setAutoFillOption(bool on)
    {
        setAutoFillSource([on] { return on; });
    }
    // Gives the control the focus and sets the entries' state for it.
    void prepareFor(QWidget *component);
    void popupFor(QWidget *component, const QPoint &globalPos);
    QWidget *popupComponent() const { return m_component; }
    QAction *entry(int position) const { return actions().value(position); }

signals:
    void OnSetFont(QWidget *component);
    void OnSetColor(QWidget *component);
    void OnEditList(QWidget *component);
    void OnAutoFill(QWidget *component);

private:
    void loadMemo();
    void saveMemo();

    QWidget *m_component = nullptr;
    QAction *m_autoFillEntry = nullptr;
    std::function<bool()> m_autoFillSource;
};

} // namespace zendrova
