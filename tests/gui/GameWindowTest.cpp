#include <QGraphicsScene>

#include "cards/HandGeometry.h"
#include "gui/GuiFixture.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TableLayout.h"

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
    const cards::HandSize size = cards::ControlSize(syd.CardsToShow, syd.LayoutStyle);
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
              (std::vector<common::AskIcon>{common::AskIcon::Question, common::AskIcon::Question}))
        << "quitting is a plain question, not a warning";
}

// A game whose first auction does not pass out, so that SYD, the dealer, gets the bid panel.
class RoundThroughTheScene : public GuiFixture {
  protected:
    std::uint64_t Seed() const override { return 2; }
};

// One round as the human, every decision made by a press on the scene.
TEST_F(RoundThroughTheScene, OneRoundIsPlayedThroughTheScene) {
    const table::Table& table = *table_;
    const table::Controls& ctl = table.Ctl();
    int bids = 0;
    int colours = 0;
    int cards_played = 0;
    int continues = 0;
    for (int i = 0; i < kTickLimit && table.Scoreboard().RowCount() == 0; ++i) {
        if (ctl.PBButtonsBackground.Visible) {
            // The highest bid SYD may make, so that SYD also gets to choose trump.
            int chosen = 0;
            for (int b = 9; b >= 0 && chosen == 0; --b) {
                if (ctl.PBBid[b].Visible && ctl.PBBidLook[b] != table::BidLook::Inactive) {
                    chosen = b;
                }
            }
            ClickItem(QStringLiteral("PBBid%1").arg(chosen));
            ASSERT_FALSE(ctl.PBButtonsBackground.Visible) << "the bid closes the panel";
            ++bids;
        } else if (ctl.ImgFargUp[2].Visible) {
            ClickItem("ImgHjUp");
            ASSERT_EQ(table.State().gbFarg, 4) << "the hjärter button chose trump";
            ++colours;
        } else if (table.State().Hand[0].HandAktivitat == 1) {
            const int before = table.State().Hand[0].AntalKort();
            PlayFirstTrump();
            ASSERT_EQ(table.State().Hand[0].AntalKort(), before - 1)
                << "a press on a trump card plays it";
            ++cards_played;
        } else if (table.WaitsForClick()) {
            ClickItem("Main");
            ++continues;
        } else {
            ASSERT_TRUE(Tick()) << "the round stalled";
        }
    }
    EXPECT_EQ(table.Scoreboard().RowCount(), 1) << "the round was scored";
    EXPECT_EQ(bids, 1) << "SYD bid once, through the panel";
    EXPECT_EQ(table.State().gbBjuditHogst, 0) << "SYD's bid of 14 as dealer wins the auction";
    EXPECT_EQ(colours, 1) << "SYD chose trump with a colour button";
    EXPECT_GE(cards_played, 1);
    EXPECT_GE(continues, 1) << "the buying waited for a click";
    EXPECT_TRUE(Item("LblScore")->isVisible());
}

}  // namespace
}  // namespace gui::testing
