#include "gui/GuiFixture.h"

// The GUI tests run on the offscreen platform unless another one was asked for.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return gui::testing::RunGuiTests(argc, argv);
}
