#include "support/StrictInteraction.h"

#include <gtest/gtest.h>

// For tests without a QApplication whose code can still show messages.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return zendrova::test::runAllTestsStrictly();
}
