#pragma once

#include <QPushButton>

namespace zendrova {

// A bit button that never takes the keyboard focus, so clicking it leaves the
// focus in the record card. It also reports right clicks, for its menu.
class TNoFocusBitBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit TNoFocusBitBtn(QWidget *parent = nullptr);

signals:
    void rightClicked(const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace zendrova
