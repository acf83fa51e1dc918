#pragma once

#include <QAbstractButton>

namespace zendrova {

// The small flat button at the right edge of a button edit: three dots in a
// raised frame that turns sunken while held down.
class TEditButton : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr int kWidth = 20;
    explicit TEditButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zendrova
