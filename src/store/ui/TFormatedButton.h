#pragma once

#include "store/RowColumns.h"
#include "store/ui/TColorButton.h"

namespace zendrova {

// A colour button that draws a row of text columns: a row of the record list.
class TFormatedButton : public TColorButton
{
    Q_OBJECT
public:
    explicit TFormatedButton(QWidget *parent = nullptr);

    const QList<RowColumn> &columns() const { return m_columns; }
    void setColumns(const QList<RowColumn> &columns);
    // Each column's text as far as it shows on the face.
    QStringList shownTexts() const;

protected:
    void drawFace(QPainter &painter, const QRect &face, const QColor &text) override;

private:
    QList<RowColumn> m_columns;
};

} // namespace zendrova
