// main() of the test programs without widgets: gtest's, in a home of their own.
#include "tests/private_home.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const haberes::test::PrivateHome home;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
