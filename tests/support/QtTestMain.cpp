#include "support/StrictInteraction.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Chosen here, before the QApplication exists: test discovery runs this
    // binary during the build, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return zendrova::test::runAllTestsStrictly();
}
