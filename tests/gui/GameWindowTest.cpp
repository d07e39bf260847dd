#include <QGraphicsScene>

#include "gui/GuiFixture.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TableLayout.h"
#include "presentation/HandGeometry.h"

namespace gui::testing {
namespace {

constexpr int kTickLimit = 20000;

TEST_F(GuiFixture, TheWindowNamesEveryControlAndShowsSydsNineCardsAfterTheDeal) {
    for (const char* name :
         {"Main",           "Hand0",          "Hand3",       "Bord2",
          "KortKilled",     "Label1",         "LabelBud2",   "PakkoImageXP0",
          "PBBid0",         "PBBid3",         "PBBid9",      "PBButtonsBackground",
          "ImgKlUp",        "ImgSpChosen",    "ImgContUp",   "ImgReplayUp",
          "ImgReloadUp",    "ImgTraceUp",     "ImgAboutUp",  "ImgExitUp",
          "ImgSuggestUp",   "BtnDebugMsg",    "BtnPlaylog",  "BtnLoadlog",
          "LblClickVidare", "LblScore",       "LblGameOver", "LblTicker",
          "LblStatisticVi", "LblStatisticDe", "LBTrace",     "Scoreboard"}) {
        EXPECT_NE(Item(QString::fromLatin1(name)), nullptr) << "no item named " << name;
    }
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
}

TEST_F(GuiFixture, AnExitAnsweredYesClosesTheWindowAndAnsweredNoKeepsIt) {
    dialogs_.yes_no_answers = {false, true};
    ClickItem("ImgExitUp");
    EXPECT_TRUE(window_->isVisible()) << "No leaves the game as it was";
    EXPECT_EQ(static_cast<ButtonItem*>(Item("ImgExitUp"))->CurrentLook(), ButtonItem::Look::Up)
        << "the exit button is shown released after No";
    ClickItem("ImgExitUp");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(dialogs_.question_icons,
              (std::vector<common::AskIcon>{common::AskIcon::Stop, common::AskIcon::Stop}))
        << "the quit question has the critical-message icon";
    EXPECT_EQ(dialogs_.question_titles, (std::vector<std::string>{"Fivra", "Fivra"}));
}

}  // namespace
}  // namespace gui::testing
