#include <QGraphicsScene>

#include "gui/GuiFixture.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TableLayout.h"
#include "presentation/HandGeometry.h"

namespace gui::testing {
namespace {

constexpr int kTickLimit = 20000;

TEST_F(GuiFixture, TheWindowNamesAndDescribesEveryControlAndShowsSydsNineCardsAfterTheDeal) {
    for (const char* name :
         {"Main",           "Hand0",       "Hand3",          "Bord2",
          "KortKilled",     "Label1",      "LabelBud2",      "PakkoImageXP0",
          "PBBid0",         "PBBid3",      "PBBid9",         "ImgKlUp",
          "ImgRuUp",        "ImgSpChosen", "ImgContUp",      "ImgReplayUp",
          "ImgReloadUp",    "ImgTraceUp",  "ImgAboutUp",     "ImgExitUp",
          "ImgSuggestUp",   "BtnHelp",     "ImgSettings",    "BtnDebugMsg",
          "BtnPlaylog",     "BtnLoadlog",  "LblClickVidare", "LblScore",
          "LblGameOver",    "LblTicker",   "LblAnnounce",    "LblStatisticVi",
          "LblStatisticDe", "LBTrace",     "Scoreboard",     "PBButtonsBackground"}) {
        EXPECT_NE(Item(QString::fromLatin1(name)), nullptr) << "no item named " << name;
    }
    // Every control is described from its help; the help's texts have tests of their own.
    for (const char* name : {"Hand0", "ImgExitUp", "PBBid4", "Scoreboard", "LBTrace"}) {
        EXPECT_FALSE(Item(name)->toolTip().isEmpty()) << name;
        EXPECT_FALSE(Item(name)->property("accessibleName").toString().isEmpty()) << name;
    }
    EXPECT_TRUE(
        Item("PBBid4")->property("accessibleName").toString().endsWith(QStringLiteral(" 9")))
        << "a bid button names its bid";
    EXPECT_EQ(window_->windowTitle().toStdString(), table_->Ctl().WindowTitle);

    for (int i = 0; i < kTickLimit && table_->State().DealStep < 15; ++i) {
        ASSERT_TRUE(Tick());
    }
    const cards::KortHand& syd = table_->State().Hand[0];
    ASSERT_EQ(syd.AntalKort(), 9);
    const presentation::HandSize size = presentation::ControlSize(syd.CardsToShow, syd.LayoutStyle);
    EXPECT_EQ(Item("Hand0")->Rect(), QRectF(layout::kHand[0], QSizeF(size.width, size.height)))
        << "the hand item follows the hand geometry";
    EXPECT_TRUE(Item("PakkoImageXP0")->isVisible()) << "SYD deals the first round";
    EXPECT_TRUE(layout::kPlayingArea.contains(Item("PakkoImageXP0")->sceneBoundingRect()));

    const QString off = Item("ImgSuggestUp")->toolTip();
    ClickItem("ImgSuggestUp");
    EXPECT_NE(Item("ImgSuggestUp")->toolTip(), off) << "the lit bulb is explained";
}

TEST_F(GuiFixture, TheQuitQuestionComesFromEveryWayOfClosing) {
    window_->close();  // the window's own close box
    QTest::keyClick(&window_->View(), Qt::Key_Q, Qt::ControlModifier);
    ClickItem("ImgExitUp");
    EXPECT_TRUE(window_->isVisible()) << "No keeps the game";
    EXPECT_EQ(rig_->dialogs.questions, std::vector<std::string>(3, table_->Texts().quit_question));
    EXPECT_EQ(rig_->dialogs.question_icons, std::vector<common::AskIcon>(3, common::AskIcon::Stop))
        << "the quit question has the critical-message icon";
    EXPECT_EQ(rig_->dialogs.question_titles, std::vector<std::string>(3, "Fivra"));
    EXPECT_EQ(static_cast<ButtonItem*>(Item("ImgExitUp"))->CurrentLook(), ButtonItem::Look::Up)
        << "the exit button is shown released after No";
    rig_->dialogs.yes_no_answers = {true};
    ClickItem("ImgExitUp");
    EXPECT_FALSE(window_->isVisible()) << "Yes closes";
    EXPECT_EQ(rig_->dialogs.questions.size(), 4u) << "the window does not ask again as it closes";
}

}  // namespace
}  // namespace gui::testing
