#include <QScreen>

#include "gui/GuiFixture.h"
#include "gui/dialogs/HelpDialog.h"

namespace gui {
namespace {

constexpr QSize kScreen(1366, 768);

class SmallScreen : public ::testing::Test {
  protected:
    std::unique_ptr<GameWindow> OpenWindow() {
        auto window =
            std::make_unique<GameWindow>(rig_.table, rig_.dialogs, rig_.settings, nullptr);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    // The window and SYD's full hand of nine cards lie on the screen.
    static void ExpectWholeTableOnScreen(GameWindow& window) {
        const QRect screen = window.screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window.frameGeometry()))
            << "window " << window.frameGeometry().width() << "x" << window.frameGeometry().height()
            << " at " << window.frameGeometry().x() << "," << window.frameGeometry().y()
            << " on a free area of " << screen.width() << "x" << screen.height();
        const presentation::HandSize hand = presentation::ControlSize(9, 0);
        const QRectF syd(layout::kHand[0], QSizeF(hand.width, hand.height));
        const QRect shown = window.View().mapFromScene(syd).boundingRect();
        EXPECT_TRUE(window.View().viewport()->rect().contains(shown)) << "SYD's hand is cut off";
    }

    table_test::TableRig rig_{table_test::RigOptions()};
};

// At the first start, and with a place kept from a larger screen.
TEST_F(SmallScreen, TheWindowOpensFittingTheScreenAtScaleFactorTwo) {
    ASSERT_DOUBLE_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), kScreen / 2);
    ExpectWholeTableOnScreen(*OpenWindow());
    QWidget large;
    large.setGeometry(40, 40, 1700, 1150);
    rig_.settings.RegWriteSetting("user", "Window", "Geometry",
                                  large.saveGeometry().toBase64().toStdString());
    ExpectWholeTableOnScreen(*OpenWindow());
}

TEST_F(SmallScreen, TheRulesFitTheScreenWithTheirOkButtonInReach) {
    const auto window = OpenWindow();
    HelpDialog help(window.get());
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const QRect screen = help.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(help.frameGeometry()))
        << "rules " << help.frameGeometry().height() << " high on " << screen.height();
    const auto* ok = help.findChild<QWidget*>(QStringLiteral("HelpClose"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
}

TEST_F(SmallScreen, TheWindowComesBackWhereItWasLeft) {
    {
        const auto first = OpenWindow();
        first->resize(520, 300);
        first->move(30, 20);
        QTest::qWait(20);
        first->close();
        EXPECT_FALSE(first->isVisible()) << "a window without a game closes at once";
    }
    const auto second = OpenWindow();
    EXPECT_EQ(second->size(), QSize(520, 300));
    ExpectWholeTableOnScreen(*second);
}

}  // namespace
}  // namespace gui

// A 1366 x 768 screen at scale factor 2 (683 x 384 logical pixels), set before Qt starts.
int main(int argc, char* argv[]) {
    const test_support::TempFolder folder;
    folder.Write("screens.json",
                 QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(gui::kScreen.width())
                     .arg(gui::kScreen.height())
                     .toStdString());
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + folder.File("screens.json")).c_str(), 1);
    setenv("QT_SCALE_FACTOR", "2", 1);
    return gui::testing::RunGuiTests(argc, argv);
}
