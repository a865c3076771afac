#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/LocaleCheck.h"

// Widget tests drive real widgets; the QApplication sets the locale from the
// environment just as the programs do at start-up.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QApplication app(argc, argv);
    adoptTestLocale();
    return RUN_ALL_TESTS();
}
