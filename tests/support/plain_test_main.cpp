#include <gtest/gtest.h>

#include "tests/support/LocaleCheck.h"

int main(int argc, char **argv)
{
    adoptTestLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
