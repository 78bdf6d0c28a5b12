// The GUI tests open real windows: they need a display (scripts/test.sh runs
// them under Xvfb). Listing the tests needs none.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/gui_fixture.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        SetNoDisplay();
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
