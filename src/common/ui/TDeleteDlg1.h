#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace zendrova {

// The typed-YES confirmation (TypedYes): the caller takes OK only with "YES" typed.
class TDeleteDlg1 : public QDialog
{
    Q_OBJECT

public:
    // firstLine: what is about to happen; warning: the line below the edit.
    TDeleteDlg1(const QString &caption, const QString &firstLine, const QString &warning,
        QWidget *parent = nullptr);

    QString typed() const;
    // Runs the dialog: the text typed, nothing on Cancel.
    static std::optional<QString> ask(const QString &caption, const QString &firstLine,
        const QString &warning, QWidget *parent);

private:
    QLineEdit *m_edit;
};

} // namespace zendrova
