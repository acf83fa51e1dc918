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
    // a modal box or dialog is up (the help button of a message), the page is
    // shown modally over it instead, since a modeless window would be blocked.
    static void open(int helpContext);

private:
    QTextBrowser *m_text;
};

} // namespace zendrova
