#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "gui/coach/ThinkingPlayer.h"
#include "gui/dialogs/QtDialogs.h"

namespace {

// A seat that thinks until the GUI thread lets it answer, or gives up after a while (so that
// a window that stops answering fails the test instead of hanging it).
class SlowSeat : public state::SeatPlayer {
  public:
    std::promise<void> go;
    std::thread::id decided_on;
    bool waited_for_go = false;

    std::optional<state::BidChoice> Bid(const state::SeatView&) override { return std::nullopt; }
    std::optional<int> Trump(const state::SeatView&) override { return std::nullopt; }
    std::optional<state::CardChoice> Card(const state::SeatView&) override {
        decided_on = std::this_thread::get_id();
        waited_for_go =
            go.get_future().wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        return state::CardChoice{12, "[slow]"};
    }
};

struct Decision {
    std::optional<state::CardChoice> card;
    std::vector<bool> holds;  // what the table was told about its input, in order
    std::vector<bool> clock_held_while_thinking;
};

// One card decision through a ThinkingPlayer, with `meanwhile` run on the GUI thread while
// the seat thinks (it must run: the window keeps answering); `meanwhile` lets the seat answer.
Decision Think(SlowSeat& seat, const std::function<void()>& meanwhile) {
    gui::QtDialogs dialogs;
    Decision made;
    gui::ThinkingPlayer thinking(seat, &dialogs, [&](bool held) { made.holds.push_back(held); });
    QTimer::singleShot(0, [&] {
        made.clock_held_while_thinking.push_back(dialogs.Busy());
        meanwhile();
    });
    state::RoundState round;
    made.card = thinking.Card(state::SeatView{round, round.Hand[1], 1, 0});
    made.clock_held_while_thinking.push_back(dialogs.Busy());
    return made;
}

TEST(ThinkingPlayer, DecidesOffTheGuiThreadWhileTheWindowAnswersAndTheClockHolds) {
    SlowSeat seat;
    bool window_answered = false;
    const Decision made = Think(seat, [&] {
        window_answered = true;
        seat.go.set_value();
    });
    EXPECT_TRUE(window_answered);
    EXPECT_TRUE(seat.waited_for_go) << "the GUI thread was blocked while the seat thought";
    EXPECT_NE(seat.decided_on, std::this_thread::get_id());
    ASSERT_TRUE(made.card.has_value());
    EXPECT_EQ(made.card->rank_code, 12);
    EXPECT_EQ(made.holds, (std::vector<bool>{true, false}));
    // The clock holds while the seat thinks and runs again once it has answered.
    EXPECT_EQ(made.clock_held_while_thinking, (std::vector<bool>{true, false}));
}

TEST(ThinkingPlayer, AQuitDuringADecisionStillWaitsForTheAnswer) {
    SlowSeat seat;
    // The application is told to quit while the seat thinks, which ends every event loop at
    // once; the seat answers only later: the decision is still awaited, and the table gets
    // the seat's card.
    std::thread answer_later;
    const Decision made = Think(seat, [&] {
        QCoreApplication::exit(0);
        answer_later = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            seat.go.set_value();
        });
    });
    if (answer_later.joinable()) {
        answer_later.join();
    }
    // A quit keeps every event loop from starting until the application's own loop has run
    // again: run it once, so that the tests after this one in the same process can open theirs.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    EXPECT_TRUE(seat.waited_for_go);
    ASSERT_TRUE(made.card.has_value());
    EXPECT_EQ(made.card->rank_code, 12);
    EXPECT_EQ(made.holds, (std::vector<bool>{true, false}));
}

}  // namespace
