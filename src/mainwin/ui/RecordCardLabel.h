#pragma once

#include <QLabel>

namespace zendrova {

// A caption label of the record card: clicking it asks for the caption menu.
class RecordCardLabel : public QLabel
{
    Q_OBJECT
public:
    explicit RecordCardLabel(int fieldNumber, QWidget *parent = nullptr);

signals:
    void clicked(int fieldNumber);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_fieldNumber;
};

} // namespace zendrova
