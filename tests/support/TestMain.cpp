// The main of every test program: the platform application runs offscreen unless the caller
// chose a display, and no modal run can hang a test.

#include "platform/app/Application.h"
#include "platform/testing/ModalScript.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests run in a fresh process: the toolkit's threads must not be forked.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    platform::Application::shared();
    platform::testing::installModalWatchdog();
    return RUN_ALL_TESTS();
}
