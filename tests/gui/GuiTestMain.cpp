#include <cstdlib>

#include "gui/GuiTestRun.h"

// The GUI tests run on the offscreen platform unless another one was asked for.
int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    return gui::testing::RunGuiTests(argc, argv);
}
