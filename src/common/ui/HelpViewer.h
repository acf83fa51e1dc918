#pragma once

#include <QDialog>

class QTextBrowser;

namespace zendrova {

// The window that shows the program's help pages.
class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showTopic(int helpContext);

    // Opens the page of a context in the one help window of the program. While
    // a modal dialog is up, the page is shown modally over it instead, since a
    // modeless window would be blocked by the dialog.
    static void open(int helpContext);
    // Shows the page modally and returns when the user closes it: for the help
    // button of a message box, which comes back once help is closed.
    static void showModal(int helpContext, QWidget *parent);

private:
    QTextBrowser *m_text;
};

} // namespace zendrova
