// The pieces of the front end that stand apart from the window: the card painter, the launch
// options, the clock that drives the table, and the seat that thinks off the GUI thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <future>
#include <map>
#include <optional>
#include <thread>
#include <tuple>

#include "gui/coach/ThinkingPlayer.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/paint/CardPainter.h"
#include "gui/window/LaunchOptions.h"
#include "gui/window/QtClock.h"
#include "support/TableRig.h"

namespace gui {
namespace {

// A card drawn in the given deck's look, or as the table draws it when none is given.
QImage CardImage(int nr, CardLook look, const DeckLook* deck = nullptr) {
    QImage image(71, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (deck != nullptr) {
        CardPainter::Draw(painter, QRectF(0, 0, 71, 96), nr, look, *deck);
    } else {
        CardPainter::Draw(painter, QRectF(0, 0, 71, 96), nr, look);
    }
    return image;
}

std::pair<int, int> RedAndBlackInk(const QImage& image) {
    int red = 0;
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 80 && c.blue() < 90;
            black += c.alpha() > 200 && c.red() < 50 && c.green() < 50 && c.blue() < 50;
        }
    }
    return {red, black};
}

TEST(CardPainter, EveryNumberHasItsOwnFaceInItsSuitsColour) {
    QSet<QByteArray> faces;
    const QImage back = CardImage(0, CardLook::Back);
    for (int nr = 0; nr < 52; ++nr) {
        const QImage face = CardImage(nr, CardLook::Face);
        const QByteArray bytes(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes());
        EXPECT_FALSE(faces.contains(bytes)) << "card " << nr << " looks like another card";
        faces.insert(bytes);
        EXPECT_NE(face, back) << "card " << nr << " face up looks like the back";
        EXPECT_NE(face, CardImage(nr, CardLook::Highlighted)) << "card " << nr;
        const auto [red, black] = RedAndBlackInk(face);
        const int suit = nr % 4;
        if (suit == 1 || suit == 2) {
            EXPECT_GT(red, 20) << "card " << nr << " of ruter or hjärter is printed red";
        } else {
            EXPECT_EQ(red, 0) << "card " << nr << " of klöver or spader has red ink";
            EXPECT_GT(black, 20) << "card " << nr;
        }
    }
    EXPECT_EQ(CardImage(-1, CardLook::Face), back) << "no card draws as a back";
    EXPECT_STREQ(CardPainter::RankText(9), "10");
    EXPECT_STREQ(CardPainter::RankText(13), "");
}

TEST(CardPainter, TheFourColourDeckAndTheCardBackChangeWhatIsDrawn) {
    const DeckLook plain;
    DeckLook four;
    four.four_colours = true;
    for (int nr = 0; nr < 52; ++nr) {
        const int suit = nr % 4;
        const bool recoloured = suit == 0 || suit == 1;  // klöver green, ruter blue
        EXPECT_EQ(CardImage(nr, CardLook::Face, &plain) != CardImage(nr, CardLook::Face, &four),
                  recoloured)
            << "card " << nr;
    }
    EXPECT_EQ(CardImage(8, CardLook::Back, &plain), CardImage(8, CardLook::Back, &four))
        << "the four colours leave the back alone";
    std::vector<QImage> backs;
    for (int b = 0; b < kCardBacks; ++b) {
        DeckLook look;
        look.back = static_cast<CardBack>(b);
        backs.push_back(CardImage(-1, CardLook::Back, &look));
        EXPECT_EQ(std::count(backs.begin(), backs.end(), backs.back()), 1) << "back " << b;
    }
    // The table's own deck follows the chosen look, cached pictures included.
    const QImage before = CardImage(4, CardLook::Face);
    CardPainter::SetDeckLook(four);
    const QImage now = CardImage(4, CardLook::Face);
    CardPainter::SetDeckLook(plain);
    EXPECT_NE(now, before);
}

std::function<std::optional<std::string>(const char*)> Env(
    std::map<std::string, std::string> values) {
    return [values](const char* name) -> std::optional<std::string> {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

TEST(LaunchOptions, UsableValuesAreTakenAndOthersKeepTheDefaultAndAreNamed) {
    // The seed, the speed, the screenshot's wait and the demo switch.
    const auto read = [](const LaunchOptions& o) {
        return std::make_tuple(o.seed, o.speed, o.screenshot_after_ms, o.demo);
    };
    const LaunchOptions none = ReadLaunchOptions(Env({}));
    EXPECT_EQ(read(none), std::make_tuple(std::optional<std::uint64_t>(), 1.0, 2000, false));
    EXPECT_TRUE(none.problems.empty());

    const LaunchOptions good = ReadLaunchOptions(Env({{"FIVRA_SEED", "42"},
                                                      {"FIVRA_SPEED", "20"},
                                                      {"FIVRA_SCREENSHOT", "a.png"},
                                                      {"FIVRA_SCREENSHOT_AFTER_MS", "500"},
                                                      {"FIVRA_DEMO", "1"}}));
    EXPECT_EQ(read(good), std::make_tuple(std::optional<std::uint64_t>(42), 20.0, 500, true));
    EXPECT_EQ(good.screenshot, QStringLiteral("a.png"));

    // A speed of 0 would stop the game.
    const LaunchOptions bad = ReadLaunchOptions(Env({{"FIVRA_SEED", "seven"},
                                                     {"FIVRA_SPEED", "0"},
                                                     {"FIVRA_SCREENSHOT_AFTER_MS", "-5"},
                                                     {"FIVRA_DEMO", "0"}}));
    EXPECT_EQ(read(bad), read(none));
    EXPECT_EQ(bad.problems.size(), 3u);
    EXPECT_EQ(ReadLaunchOptions(Env({{"FIVRA_SPEED", "1e9"}})).speed, 1.0)
        << "an absurd speed is refused";
}

TEST(QtClock, TableTimeRunsFasterAndHoldsWhileADialogIsOpen) {
    table_test::TableRig rig(table_test::RigOptions{});
    QtDialogs dialogs;
    int ticks = 0;
    QtClock clock(rig.table, 20, [&ticks] { ++ticks; });
    clock.HoldWhileBusy(dialogs);
    clock.Reschedule();
    {
        const QtDialogs::ModalScope open(dialogs);
        clock.Reschedule();
        QTest::qWait(150);
        EXPECT_EQ(rig.table.Now(), 0) << "no tick reaches the table behind a dialog";
        EXPECT_EQ(ticks, 0);
    }
    QTest::qWait(150);
    EXPECT_GT(ticks, 0) << "the clock goes on when the dialog closes";
    EXPECT_GE(rig.table.Now(), 1000) << "table time runs 20 times faster";
    EXPECT_LE(rig.table.Now(), 3000 + 1000) << "the time behind the dialog was not made up";
}

TEST(QtClock, AfterAStallItCatchesUpInTurnsOfBoundedLength) {
    table_test::TableRig rig(table_test::RigOptions{});
    long long real = 0;
    std::vector<long long> turns;
    QtClock clock(
        rig.table, 1.0, [&] { turns.push_back(rig.table.Now()); }, [&] { return real; });
    rig.table.Start();
    real = 60LL * 60 * 1000;  // the machine stalled for an hour
    clock.Reschedule();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !turns.empty(); }, 5000));
    EXPECT_GT(turns.front(), 0);
    EXPECT_LT(turns.front(), real) << "one turn of the event loop does not run the whole hour";
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.table.NextDue().value_or(real + 1) > real; }))
        << "later turns catch up";
    EXPECT_GT(turns.size(), 2u);
}

// Dialogs whose message box runs the event loop, as a real one does.
class SpinningDialogs : public common::ScriptedDialogs {
  public:
    void Message(const std::string& text, const std::string& title) override {
        ScriptedDialogs::Message(text, title);
        if (inside) {
            inside();
        }
    }
    std::function<void()> inside;
};

TEST(QtClock, NoTickRunsInsideATickWhoseMessageSpinsTheEventLoop) {
    SpinningDialogs dialogs;
    common::MemorySettingsStore settings;
    table::TableConfig config;
    config.folder = "/nonexistent-fivra-folder/";  // every bid tells of the missing rule files
    config.seed = 1;
    config.computer_plays_syd = true;
    table::Table table(config, dialogs, settings);
    table.Start();
    QtClock clock(table, 200, nullptr);
    const std::size_t told_at_start = dialogs.messages.size();
    int inside_ticks = 0;
    dialogs.inside = [&] {
        const long long now = table.Now();
        clock.Reschedule();  // as the window does after any input
        QTest::qWait(30);
        inside_ticks += table.Now() != now;
    };
    clock.Reschedule();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.messages.size() > told_at_start; }, 5000));
    EXPECT_EQ(inside_ticks, 0);
}

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
    QtDialogs dialogs;
    Decision made;
    ThinkingPlayer thinking(seat, &dialogs, [&](bool held) { made.holds.push_back(held); });
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
}  // namespace gui
