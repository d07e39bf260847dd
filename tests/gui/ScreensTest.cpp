// The screens a player meets in a game, reached by driving the table, each checked for the
// faults a player would see: captions that cover each other or the cards, a bid far from the
// seat it belongs to, a panel larger than what it holds. FIVRA_GUI_SHOTS=folder saves them.
#include <QLabel>
#include <QPushButton>

#include "gui/GuiFixture.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/ScoreboardItem.h"

namespace gui::testing {
namespace {

// Fails for every pair of visible captions, or a caption and a hand, that cover each other.
void ExpectNothingOverlaps(const TableScene& scene, const char* screen) {
    std::vector<std::pair<QString, QRectF>> things;
    for (QGraphicsItem* item : scene.items()) {
        if (!item->isVisible()) {
            continue;
        }
        if (const auto* label = dynamic_cast<const LabelItem*>(item)) {
            if (!label->Text().isEmpty()) {
                things.emplace_back(label->objectName(), label->TextRect());
            }
        } else if (const auto* hand = dynamic_cast<const HandItem*>(item)) {
            if (hand->CardCount() > 0) {
                things.emplace_back(hand->objectName(), hand->CardsRect());
            }
        }
    }
    const auto is_hand = [](const QString& name) {
        return name.startsWith(QLatin1String("Hand")) || name.startsWith(QLatin1String("Bord"));
    };
    for (std::size_t i = 0; i < things.size(); ++i) {
        for (std::size_t j = i + 1; j < things.size(); ++j) {
            const bool two_hands = is_hand(things[i].first) && is_hand(things[j].first);
            EXPECT_TRUE(two_hands || !things[i].second.intersects(things[j].second))
                << screen << ": " << things[i].first.toStdString() << " covers "
                << things[j].first.toStdString();
        }
    }
}

// Each seat's bid stands beside the seat's name, on the same line.
void ExpectBidsBesideNames(const TableScene& scene) {
    for (int seat = 0; seat < common::kSeats; ++seat) {
        const auto* name = static_cast<LabelItem*>(scene.Item(QStringLiteral("Label%1").arg(seat)));
        const auto* bid =
            static_cast<LabelItem*>(scene.Item(QStringLiteral("LabelBud%1").arg(seat)));
        if (!bid->isVisible() || !name->isVisible()) {
            continue;
        }
        const QRectF a = name->TextRect();
        const QRectF b = bid->TextRect();
        EXPECT_NEAR(a.center().y(), b.center().y(), 1) << "seat " << seat;
        const double gap = std::max(b.left() - a.right(), a.left() - b.right());
        EXPECT_GE(gap, 4) << "seat " << seat << ": the bid touches the name";
        EXPECT_LE(gap, 24) << "seat " << seat << ": the bid stands far from the name";
    }
}

// The screens are reached by scripted rounds on the table's clock; only the screen is drawn.
class ScreenTour : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override {
        return table_test::RigOptions().PlayRules(table_test::kPlayFirstTrump);
    }

    // De's bid of 6 makes it and wins the game, 32 : 64; stops at the round's count.
    void PlayGameWinningRound() {
        ASSERT_TRUE(table_test::StartPlayFrom(*table_, table_test::DeTakesSixViTwo(6, 30, 58)));
        ASSERT_TRUE(Reach([this] { return table_->Timer3().Tag == table::WaitStep::Animate; }));
    }
};

TEST_F(ScreenTour, EndOfRoundAndEndOfGameKeepTheirCaptionsApart) {
    const table::Controls& ctl = table_->Ctl();
    ASSERT_NO_FATAL_FAILURE(PlayGameWinningRound());
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(Tick());
    }
    Shoot("round_end");
    EXPECT_TRUE(Item("LblScore")->isVisible()) << "the running score is shown";
    ExpectNothingOverlaps(window_->Scene(), "end of round");
    ExpectBidsBesideNames(window_->Scene());

    ASSERT_TRUE(Reach([&ctl] { return ctl.LblGameOver.Visible; }));
    Shoot("game_over");
    EXPECT_TRUE(Item("LblGameOver")->isVisible());
    ExpectNothingOverlaps(window_->Scene(), "end of game");
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(Tick());
    }
    Shoot("ticker");
    const ControlItem* ticker = Item("LblTicker");
    ASSERT_TRUE(ticker->isVisible()) << "the news scrolls after a won game";
    EXPECT_TRUE(layout::kPlayingArea.contains(ticker->sceneBoundingRect()));
}

TEST_F(ScreenTour, TheKilledPileAndItsCaptionsStandApart) {
    const table::Controls& ctl = table_->Ctl();
    ASSERT_TRUE(table_test::SetUpAfterDiscard(*table_, table_test::KillingRound()));
    table_->AdvanceMe();
    ASSERT_TRUE(Reach([&ctl] { return ctl.LblNotInPlay.Visible; }));
    Shoot("killed");
    EXPECT_TRUE(Item("LblKilledCards")->isVisible()) << "the pile says whose cards they are";
    ExpectNothingOverlaps(window_->Scene(), "the killed pile");
}

TEST_F(ScreenTour, TheAboutBoxShowsItsTextsWholeAndResetsTheStatistics) {
    table::Controls& ctl = table_->MutableCtl();
    AboutDialog about(
        {table_->Folder(), rig_->settings, rig_->dialogs, ctl.LblStatisticVi, ctl.LblStatisticDe},
        window_.get());
    about.adjustSize();
    SaveShot("about", about.grab());
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().isEmpty()) << label->objectName().toStdString();
        EXPECT_GE(label->width(), label->minimumSizeHint().width())
            << label->text().toStdString() << " is cut";
    }
    auto* reset = about.findChild<QPushButton*>(QStringLiteral("ResetStatistics"));
    ASSERT_NE(reset, nullptr);
    ctl.LblStatisticVi.Caption = "3";
    rig_->dialogs.yes_no_answers = {true};
    reset->click();
    EXPECT_EQ(ctl.LblStatisticVi.Caption, "0") << "Yes resets the label the table shows";
}

class EnglishTour : public ScreenTour {
  protected:
    table_test::RigOptions Options() const override {
        return ScreenTour::Options().InLanguage(presentation::Language::English);
    }
};

TEST_F(EnglishTour, ThePartnershipsAreWeAndTheyAndTheirCaptionsFit) {
    const auto* vi = static_cast<LabelItem*>(Item("LabelVi"));
    const auto* de = static_cast<LabelItem*>(Item("LabelDe"));
    const auto* board = static_cast<ScoreboardItem*>(Item("Scoreboard"));
    EXPECT_EQ((QStringList{vi->Text(), de->Text(), board->TeamViCaption(), board->TeamDeCaption()}),
              (QStringList{"We", "They", "We", "They"}));
    ASSERT_NO_FATAL_FAILURE(PlayGameWinningRound());
    Shoot("english_round_end");
    EXPECT_TRUE(vi->Rect().contains(vi->TextRect())) << "We";
    EXPECT_TRUE(de->Rect().contains(de->TextRect())) << "They";
    ExpectNothingOverlaps(window_->Scene(), "end of round in English");
}

// A game in which SYD, the first dealer, bids last and wins the auction.
class HumanTour : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override { return GuiFixture::Options().Seed(2); }

    // One move for SYD where the table waits for one: a pass, the first trump, a click on.
    // Always false, so that a wait can make the move after checking what it waits for.
    bool MoveForSyd() {
        if (table_->Ctl().PBButtonsBackground.Visible) {
            table_->KeyPass();
        } else if (table_->State().Hand[0].HandAktivitat == 1) {
            table_->KeyChooseEndCard(false);
            table_->KeyEnter();
        } else if (table_->WaitsForClick()) {
            table_->AdvanceMe();
        }
        return false;
    }

    // The bid panel's background holds every visible bid button and no empty row.
    void ExpectPanelFitsItsButtons(const char* which) {
        const QRectF panel = Item("PBButtonsBackground")->sceneBoundingRect();
        QRectF buttons;
        for (int i = 0; i < 10; ++i) {
            const ControlItem* button = Item(QStringLiteral("PBBid%1").arg(i));
            if (button->isVisible()) {
                EXPECT_TRUE(panel.contains(button->sceneBoundingRect()))
                    << which << ": button " << i << " lies outside the panel";
                buttons |= button->sceneBoundingRect();
            }
        }
        EXPECT_LE(panel.height() - buttons.height(), 30) << which << ": the panel has an empty row";
        EXPECT_LE(panel.width() - buttons.width(), 40)
            << which << ": the panel has an empty column";
    }
};

TEST_F(HumanTour, TheHumansPanelsHintsAndReplayAreLaidOutCleanly) {
    const table::Controls& ctl = table_->Ctl();
    const TableScene& scene = window_->Scene();
    ClickItem("ImgSuggestUp");
    ASSERT_TRUE(table_->State().bSuggest) << "the lamp switches suggestions on";
    ASSERT_TRUE(Reach([&ctl] { return ctl.PBButtonsBackground.Visible; }));
    Shoot("bid_dealer");
    ExpectPanelFitsItsButtons("dealer");
    ExpectNothingOverlaps(scene, "the dealer's bid");
    ClickItem(QStringLiteral("PBBid%1").arg(table_test::BidButtons(ctl).back()));  // the highest
    ASSERT_TRUE(Reach([&ctl] { return ctl.ImgFargUp[2].Visible; }));
    Shoot("colours");
    ExpectNothingOverlaps(scene, "the colour choice");
    ClickItem("ImgHjUp");

    ASSERT_TRUE(Reach([&] { return table_->State().Hand[0].HandAktivitat == 1 || MoveForSyd(); }));
    // The hint follows a moment after SYD's turn begins.
    ASSERT_TRUE(Reach([this] { return table_->Timer1().Tag == table::WaitStep::None; }));
    Shoot("suggestion");
    EXPECT_TRUE(Item("LblSuggest")->isVisible()) << "a hint is shown with suggestions on";
    ExpectNothingOverlaps(scene, "a suggestion");

    ASSERT_TRUE(
        Reach([&] { return table_->Timer3().Tag == table::WaitStep::Animate || MoveForSyd(); }));
    ClickItem("ImgReplayUp");
    ASSERT_TRUE(table_->State().bReplay);
    Shoot("replay");
    EXPECT_TRUE(Item("LblReplay")->isVisible());
    EXPECT_TRUE(Item("LlbDisabled")->isVisible());
    ExpectNothingOverlaps(scene, "a replay");

    ASSERT_TRUE(Reach([&] { return !table_->State().bReplay || MoveForSyd(); }));
    table_test::RestartRoundDealtBy(*table_, common::kOst);
    ASSERT_TRUE(Reach([&ctl] { return ctl.PBButtonsBackground.Visible; }));
    Shoot("bid_not_dealer");
    ExpectPanelFitsItsButtons("not the dealer");
    ExpectNothingOverlaps(scene, "a bid before the dealer's");
    ExpectBidsBesideNames(scene);
}

}  // namespace
}  // namespace gui::testing
