#include "support/StrictInteraction.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Like the usual headless test main, except that a display chosen in the
// environment (QT_QPA_PLATFORM=xcb under Xvfb) is kept, so screen reading can
// be tried on a real display server.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return zendrova::test::runAllTestsStrictly();
}
