#pragma once

#include "editors/CharSet.h"

#include <QLineEdit>

namespace zendrova {

// A plain text box that may be limited to a set of characters; Enter never
// becomes text and goes on to the dialog's default button.
class TFilterEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString ValidChars READ ValidChars WRITE setValidChars)
    Q_PROPERTY(int Alignment READ AlignmentCode WRITE setAlignmentCode)
public:
    explicit TFilterEdit(QWidget *parent = nullptr);

    QString ValidChars() const { return m_literal; }
    // Also removes the characters outside the new set from the text.
    void setValidChars(const QString &literal);
    int AlignmentCode() const;
    void setAlignmentCode(int code);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_literal = QStringLiteral("[]");
    CharSet m_allowed;
};

} // namespace zendrova
