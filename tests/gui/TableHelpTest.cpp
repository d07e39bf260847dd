// What the table tells a new player, seen through the window: play from the keyboard alone,
// the dimmed cards and the reason a press on one gives, the trick on show, the count that rests
// on the final score and the help page.
#include <QTextBrowser>
#include <QTimer>

#include "gui/GuiFixture.h"
#include "gui/dialogs/HelpDialog.h"
#include "gui/scene/HandItem.h"

namespace gui::testing {
namespace {

constexpr int kTickLimit = 200000;

class KeyboardTable : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override { return GuiFixture::Options().Seed(2); }

    // One move of the game made with keys only; the clock ticks while nothing waits for SYD, so
    // a key that does not do its part stalls the round.
    void KeyStep() {
        const table::Controls& ctl = table_->Ctl();
        if (ctl.PBButtonsBackground.Visible && hinted_bids_) {
            // Enter alone makes the bid the hint marks (a pass when it marks none).
            const auto hinted = table_test::BidButtons(ctl, table::BidLook::Suggested);
            const int bid = hinted.empty() || hinted.back() == 0 ? 0 : hinted.back() + 5;
            Key(Qt::Key_Return);
            EXPECT_EQ(table_->State().Hand[0].GeBud(), bid);
            ++bids_;
        } else if (ctl.PBButtonsBackground.Visible) {
            for (int i = 0; i < 10; ++i) {
                Key(Qt::Key_Right);  // on to the highest bid SYD may make
            }
            Key(Qt::Key_Return);
            ++bids_;
        } else if (ctl.ImgFargUp[2].Visible) {
            Key(Qt::Key_H);
        } else if (table_->State().Hand[0].HandAktivitat == 1) {
            // Home: the first card that may be played; Left from the raised card, or from the
            // last card when none is raised, runs to another that may be.
            Key(hinted_bids_ ? Qt::Key_Left : Qt::Key_Home);
            Key(Qt::Key_Return);
        } else if (table_->WaitsForClick()) {
            Key(Qt::Key_Space);
        } else {
            ASSERT_TRUE(Tick()) << "the game stalled";
        }
    }

    void KeyUntil(const std::function<bool()>& done) {
        for (int i = 0; i < kTickLimit && !done(); ++i) {
            ASSERT_NO_FATAL_FAILURE(KeyStep());
        }
        ASSERT_TRUE(done());
    }

    bool hinted_bids_ = false;
    int bids_ = 0;
};

TEST_F(KeyboardTable, AWholeRoundIsPlayedFromTheKeyboardAlone) {
    ASSERT_NO_FATAL_FAILURE(KeyUntil([&] { return table_->Scoreboard().RowCount() == 1; }));
    EXPECT_EQ(std::pair(bids_, table_->State().gbFarg), std::pair(1, common::kHjarter))
        << "SYD won the auction and named it by H";
    ASSERT_NO_FATAL_FAILURE(KeyUntil([&] { return table_->State().myGameStatus == 2; }))
        << "Space starts the next round";
    // The next round with the hints lit by H: Enter makes the hinted bid.
    Key(Qt::Key_H);
    ASSERT_TRUE(table_->State().bSuggest);
    hinted_bids_ = true;
    ASSERT_NO_FATAL_FAILURE(KeyUntil([&] { return table_->Scoreboard().RowCount() == 2; }));
    EXPECT_EQ(bids_, 2);
}

// SYD leads holding the king of spader, which is no trump, before the ace and king of trump.
class SydLeadsTable : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override {
        return GuiFixture::Options()
            .PlayRules(table_test::kPlayFirstTrump)
            .BidRules(table_test::kOthersBidNine);
    }
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GuiFixture::SetUp());
        ASSERT_TRUE(Reach([this] { return table_->Ctl().PBButtonsBackground.Visible; }));
        table_->KeyPass();
        ASSERT_TRUE(table_test::StartPlayFrom(*table_, table_test::SydLeads()));
        window_->Refresh();
    }
};

TEST_F(SydLeadsTable, ADimmedCardIsDrawnGreyAndAPressOnItShowsTheReason) {
    const cards::KortHand& syd = table_->State().Hand[0];
    auto* hand = static_cast<HandItem*>(Item("Hand0"));
    EXPECT_EQ(std::pair(hand->mark_of(*syd.CardAt(1)), hand->mark_of(*syd.CardAt(2))),
              std::pair(CardMark::Unplayable, CardMark::None))
        << "the king of spader is drawn dimmed";
    Shoot("dimmed_cards");
    const presentation::CardPlace place = presentation::CardPosition(0, false, "SYD", 0);
    ClickAt(layout::kHand[0] + QPointF(place.x + 12, place.y + 50));
    const auto* line = static_cast<LabelItem*>(Item("LblAnnounce"));
    EXPECT_TRUE(line->isVisible() && line->Text().toStdString() == table_->Texts().only_trump)
        << "the click reached the card and the reason is on the announcement line";
    Shoot("dimmed_card_pressed");
}

class TableOnItsOwn : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override { return table_test::RigOptions(); }

    // Plays on by itself until `reached` holds; the wait after the discard is clicked away.
    void PlayUntil(const std::function<bool()>& reached) {
        for (int i = 0; i < kTickLimit && !reached(); ++i) {
            if (table_->Timer1().Tag == table::WaitStep::WaitToBuy) {
                ClickItem("Main");
            } else {
                ASSERT_TRUE(Tick());
            }
        }
        ASSERT_TRUE(reached());
    }
};

TEST_F(TableOnItsOwn, TheLiveTrickAndTheLastTricksWinnerAreMarked) {
    const state::RoundState& round = table_->State();
    // The marks of a trick's cards on the table, seat by seat (None where a seat has no card).
    const auto marks = [this](const table::TrickOnShow& trick) {
        std::array<CardMark, 4> on_table{};
        for (int seat = 0; seat < common::kSeats; ++seat) {
            if (trick.card[seat] >= 0) {
                auto* spot = static_cast<HandItem*>(Item(QStringLiteral("Bord%1").arg(seat)));
                on_table[seat] = spot->mark_of(table_->Deck().Card(trick.card[seat]));
            }
        }
        return on_table;
    };
    ASSERT_NO_FATAL_FAILURE(
        PlayUntil([&] { return round.Round == 2 && table_->Ctl().Trick.winner >= 0; }));
    const table::TrickOnShow first = table_->Ctl().Trick;
    std::array<CardMark, 4> expected{};
    expected[first.winner] = CardMark::TrickWinner;
    EXPECT_EQ(marks(first), expected) << "the winner framed, the others still bright";
    Shoot("trick_winner");
    const int played = round.CardsPlayed;
    ASSERT_NO_FATAL_FAILURE(PlayUntil([&] { return round.CardsPlayed >= played + 2; }));
    // The card that took the last trick keeps its frame while the next is played.
    expected.fill(CardMark::EarlierTrick);
    expected[first.winner] = CardMark::TrickWinner;
    EXPECT_EQ(marks(first), expected);
    EXPECT_EQ(marks(table_->Ctl().Trick), (std::array<CardMark, 4>{})) << "the live cards";
    Shoot("live_trick");
}

TEST_F(TableOnItsOwn, TheCountStartsOverAfterTheFinalScoreWithItsCaption) {
    ASSERT_NO_FATAL_FAILURE(
        PlayUntil([&] { return table_->Timer1().Tag == table::WaitStep::RoundOver; }));
    const state::RoundState& round = table_->State();
    const QString final_score = QStringLiteral("%1 : %2").arg(round.PointsVi).arg(round.PointsDe);
    auto* score = static_cast<LabelItem*>(Item("LblScore"));
    // The count runs through the round's tricks to the final score, is hidden, and counts again.
    bool final_shown = false;
    bool hidden = false;
    bool counts_again = false;
    const long long start = table_->Now();
    while (table_->Now() < start + 60000 && !counts_again) {
        ASSERT_TRUE(Tick());
        ASSERT_EQ(Item("LblScoreCaption")->isVisible(), score->isVisible())
            << "the count is captioned";
        if (!final_shown && score->isVisible() && score->Text() == final_score &&
            table_->Animation().Status() == presentation::ScoreAnimation::kRestart) {
            final_shown = true;
            Shoot("final_score");
        }
        hidden = hidden || (final_shown && !score->isVisible());
        counts_again = hidden && score->isVisible();
    }
    EXPECT_TRUE(final_shown);
    EXPECT_TRUE(counts_again) << "the count starts over from the first trick";
    EXPECT_EQ(static_cast<LabelItem*>(Item("LblScoreCaption"))->Text().toStdString(),
              table_->Texts().score_caption);
}

TEST(HelpPage, OpensInBothLanguagesWithItsPictures) {
    for (const auto language : {presentation::Language::Svenska, presentation::Language::English}) {
        HelpDialog help(nullptr, language);
        const QString text = help.Browser().toPlainText();
        for (const char* told : {"61", "14", "Ctrl+Q"}) {  // the game's and the round's points
            EXPECT_TRUE(text.contains(QLatin1String(told))) << told;
        }
        EXPECT_EQ(text.contains(QStringLiteral("fivrorna")),
                  language == presentation::Language::Svenska);
        const auto picture = [&help](const char* url) {
            return help.Browser().loadResource(QTextDocument::ImageResource, QUrl(url));
        };
        EXPECT_FALSE(picture("card:18").value<QImage>().isNull()) << "the five of hjärter";
        EXPECT_FALSE(picture("picture:mark_made").value<QImage>().isNull());
        EXPECT_TRUE(picture("https://example.org/x.png").isNull()) << "nothing is fetched";
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
        SaveShot(language == presentation::Language::Svenska ? "help_sv" : "help_en", help.grab());
    }
}

TEST_F(TableOnItsOwn, F1AndTheHelpButtonOpenTheRules) {
    int opened = 0;
    const auto close_help = [&opened] {
        if (auto* help = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            help != nullptr && help->objectName() == QLatin1String("HelpDialog")) {
            ++opened;
            help->accept();
        }
    };
    QTimer::singleShot(0, close_help);
    Key(Qt::Key_F1);
    EXPECT_EQ(opened, 1) << "F1";
    QTimer::singleShot(0, close_help);
    ClickItem("BtnHelp");
    EXPECT_EQ(opened, 2) << "the help button";
}

}  // namespace
}  // namespace gui::testing
