#pragma once

#include "mainwin/MainCommand.h"

#include <QFrame>
#include <QHash>

class QLabel;
class QPushButton;

namespace zendrova {

// The record bar under the card ("Panel2"): the buttons that act on the
// record on the card, and its place in the list and percentage.
class RecordCardBar : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kHeight = 28;
    static constexpr int kButtonHeight = 24;
    static constexpr int kLabelRightGap = 2;

    explicit RecordCardBar(QWidget *parent = nullptr);

    // The bar's button for a record command, nullptr for any other command.
    QPushButton *button(MainCommand command) const { return m_buttons.value(command); }
    void setPositionText(const QString &position, const QString &percentage);

signals:
    void commandRequested(zendrova::MainCommand command);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Captions
    {
        QString full;
        QString compact; // the letter of its Alt key, for a narrow bar
    };
    void addButton(MainCommand command, const char *name, const Captions &captions,
        const QString &hint);
    void relayout();
    int widthFor(const QString &caption) const;
    // The left buttons with their captions while they fit before B_Prev,
    // else as small squares with their key letters.
    void placeLeftButtons(int space);

    QHash<MainCommand, QPushButton *> m_buttons;
    QHash<MainCommand, Captions> m_captions;
    QLabel *m_position;
    QLabel *m_percentage;
};

} // namespace zendrova
