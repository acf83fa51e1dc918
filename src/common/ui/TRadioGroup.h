#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace zendrova {

// A captioned group of radio items, one of which is the item index.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroup(const QString &objectName, const QString &caption, const QStringList &items,
        QWidget *parent = nullptr);

    int ItemIndex() const;
    // Checks the item without emitting clicked.
    void setItemIndex(int index);
    // Replaces the items; none is checked then.
    void setItems(const QStringList &items);
    QRadioButton *item(int index) const;
    int count() const;

signals:
    // The user chose an item.
    void clicked(int index);

private:
    QButtonGroup *m_group;
};

} // namespace zendrova
