// The window around the table: its named controls, the ways of quitting, a waiting table that
// repaints nothing, the mark that Tab moves over the buttons, the menu bar, the computer at the
// player's seat, the statistics window, and a frame that leaves no trace.
#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <set>

#include "gui/GuiFixture.h"
#include "gui/dialogs/StatisticsDialog.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/FocusRing.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TraceItem.h"
#include "gui/window/GameMenus.h"
#include "persistence/Statistics.h"

namespace gui::testing {
namespace {

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

    ASSERT_TRUE(Reach([this] { return table_->State().DealStep >= 15; }));
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

// The close box and Ctrl+Q ask as the exit button does (whose No the table's tests follow).
TEST_F(GuiFixture, TheCloseBoxAndCtrlQAskBeforeQuittingAndYesClosesWithoutAskingAgain) {
    window_->close();
    QTest::keyClick(&window_->View(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(rig_->dialogs.questions, std::vector<std::string>(2, table_->Texts().quit_question));
    EXPECT_EQ(std::pair(rig_->dialogs.question_icons, rig_->dialogs.question_titles),
              std::pair(std::vector<common::AskIcon>(2, common::AskIcon::Stop),
                        std::vector<std::string>(2, "Fivra")))
        << "the quit question has the critical-message icon";
    rig_->dialogs.yes_no_answers = {true};
    ClickItem("ImgExitUp");  // fails while the window is hidden: No kept it open
    EXPECT_FALSE(window_->isVisible()) << "Yes closes";
    EXPECT_EQ(rig_->dialogs.questions.size(), 3u) << "the window does not ask again as it closes";
}

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Seed 3 makes SYD the dealer, who is to bid (or, forced to 6, to choose trump): the table
// waits for the player with nothing moving.
class WaitingTable : public GuiFixture {
  protected:
    table_test::RigOptions Options() const override { return GuiFixture::Options().Seed(3); }

    bool WaitsForSyd() const {
        return table_->Ctl().PBButtonsBackground.Visible || table_->Ctl().ImgFargUp[0].Visible;
    }
};

TEST_F(WaitingTable, IdleTicksRepaintNothingAndAChangeRepaints) {
    ASSERT_TRUE(Reach([this] { return WaitsForSyd(); })) << "SYD bids or chooses trump";
    PaintCounter counter;
    window_->View().viewport()->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(Tick());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, 0) << "60 ticks that changed nothing on the table repainted it";
    EXPECT_TRUE(WaitsForSyd()) << "still waiting for SYD";

    // The counter sees a real change: F2 opens the trace list, at its newest line.
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(&window_->Scene(), &f2);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0) << "opening the trace list repaints";
    ASSERT_TRUE(table_->Ctl().LBTraceBox.Visible);
    EXPECT_TRUE(Item("LBTrace")->isVisible());
    EXPECT_EQ(static_cast<TraceItem*>(Item("LBTrace"))->LastShownLine(),
              static_cast<int>(table_->Ctl().LBTrace.size()) - 1);
    Shoot("trace");
}

class AtTheTable : public GuiFixture {
  protected:
    QString Marked() {
        const ButtonItem* button = window_->Scene().Focus().Current();
        return button != nullptr ? button->data(0).toString() : QString();
    }
};

TEST_F(AtTheTable, TabVisitsEveryButtonShownBothWaysAndEnterPressesIt) {
    ASSERT_TRUE(Reach([this] { return table_->Ctl().PBButtonsBackground.Visible; }));
    std::set<QString> shown;
    for (QGraphicsItem* item : window_->Scene().items()) {
        if (auto* button = dynamic_cast<ButtonItem*>(item); button && button->isVisible()) {
            shown.insert(button->data(0).toString());
        }
    }
    ASSERT_GE(shown.size(), 10u);
    std::vector<QString> forward;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        Key(Qt::Key_Tab);
        forward.push_back(Marked());
    }
    EXPECT_EQ(std::set<QString>(forward.begin(), forward.end()), shown)
        << "one round of Tab marks every button shown, each once";
    EXPECT_TRUE(forward.front().startsWith(QStringLiteral("PBBid"))) << "the bid panel first";
    Key(Qt::Key_Tab);
    EXPECT_EQ(Marked(), forward.front()) << "and round again";
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Marked(), forward.back()) << "Shift+Tab goes back";
    EXPECT_TRUE(window_->Scene().Focus().isVisible());
    Shoot("focus_mark");

    for (std::size_t i = 0; i < shown.size() && Marked() != QLatin1String("ImgExitUp"); ++i) {
        Key(Qt::Key_Tab);
    }
    ASSERT_EQ(Marked(), QStringLiteral("ImgExitUp"));
    Key(Qt::Key_Return);
    ASSERT_EQ(rig_->dialogs.questions.size(), 1u) << "Enter pressed the marked exit button";
    EXPECT_EQ(rig_->dialogs.questions.back(), table_->Texts().quit_question);
    EXPECT_TRUE(window_->isVisible());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Marked().isEmpty()) << "Esc takes the mark away";
    EXPECT_FALSE(window_->Scene().Focus().isVisible());
}

TEST_F(AtTheTable, TheRoundReviewEntryWaitsForTheRoundsEnd) {
    QAction* review = window_->Menus().Action(QStringLiteral("ActionRoundReview"));
    ASSERT_NE(review, nullptr);
    int opened = 0;
    window_->round_review = [&opened] { ++opened; };
    window_->Menus().UpdateStates();
    EXPECT_FALSE(review->isEnabled()) << "no round to review during the deal";
    // A round's end shows the replay button, and the review button beside it.
    table_->MutableCtl().ImgReplayUp.Visible = true;
    window_->Refresh();
    window_->Menus().UpdateStates();
    ASSERT_TRUE(review->isEnabled());
    review->trigger();
    EXPECT_EQ(opened, 1);
}

TEST_F(AtTheTable, TheComputerTakesTheSeatAndAKeyGivesItBack) {
    ASSERT_TRUE(Reach([this] { return table_->Ctl().PBButtonsBackground.Visible; }));
    window_->Menus().Action(QStringLiteral("ActionWatch"))->trigger();
    EXPECT_TRUE(table_->ComputerPlaysSyd());
    EXPECT_TRUE(Item("LblWatching")->isVisible());
    EXPECT_EQ(table_->State().Hand[0].VisaHanden, 0) << "SYD's cards stay face up";
    Shoot("watching");
    // The computer plays on through the round's end without a click.
    const int rows = table_->Scoreboard().RowCount();
    ASSERT_TRUE(Reach([&] { return table_->Scoreboard().RowCount() > rows; }));
    const int played = table_->State().CardsPlayed;
    Key(Qt::Key_Right);
    EXPECT_FALSE(table_->ComputerPlaysSyd()) << "a key took the seat back";
    EXPECT_FALSE(Item("LblWatching")->isVisible());
    EXPECT_EQ(table_->State().CardsPlayed, played) << "the key did nothing else";
}

TEST_F(AtTheTable, AWinnersFrameIsRepaintedAwayWithItsCard) {
    // The frame of the card that took a trick reaches beyond the card; the hand's item must
    // claim all it paints, or the frame stays on the felt when the card goes.
    auto* spot = static_cast<HandItem*>(Item("Bord0"));
    spot->mark_of = [](const cards::Kort&) { return CardMark::TrickWinner; };
    table_->MutableState().Bord[0].AddACard(&table_->MutableDeck().Card(3));
    table_->MutableState().Bord[0].refresh();
    spot->Sync();
    const QRectF claimed = spot->boundingRect();
    QImage image(1100, 800, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    spot->paint(&painter, nullptr, nullptr);
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                ASSERT_TRUE(claimed.contains(QPointF(x + 0.5, y + 0.5)))
                    << "painted outside the item at " << x << "," << y;
            }
        }
    }
}

TEST_F(AtTheTable, TheStatisticsWindowShowsTheFiguresAndClearsThemAfterAsking) {
    for (const bool vi_won : {true, false, true}) {
        persistence::RecordGame(rig_->settings, {vi_won, 5, 2, 1, 50, 20, vi_won ? 64 : 40, 62});
    }
    table::Controls& ctl = table_->MutableCtl();
    StatisticsDialog statistics(
        {rig_->settings, rig_->dialogs, ctl.LblStatisticVi, ctl.LblStatisticDe}, window_.get());
    statistics.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&statistics));
    std::vector<std::string> figures;
    for (const char* name :
         {"GamesWonVi", "GamesLostVi", "GamesWonDe", "GamesPlayedVi", "RoundsVi", "BidsFailedVi"}) {
        figures.push_back(statistics.Figure(QLatin1String(name)).toStdString());
    }
    EXPECT_EQ(figures, (std::vector<std::string>{"2", "1", "1", "3", "15", "3"}));
    EXPECT_EQ(statistics.ChartedGames(), 3);
    SaveShot("statistics", statistics.grab());

    auto* clear = statistics.findChild<QPushButton*>(QStringLiteral("ClearStatistics"));
    ASSERT_NE(clear, nullptr);
    rig_->dialogs.yes_no_answers = {true};
    clear->click();
    EXPECT_EQ(rig_->dialogs.questions.size(), 1u) << "clearing asks first";
    EXPECT_EQ(statistics.Figure(QStringLiteral("GamesPlayedVi")), QStringLiteral("0"));
    EXPECT_EQ(statistics.ChartedGames(), 0);
    EXPECT_EQ(ctl.LblStatisticVi.Caption, "0") << "the table's count is cleared too";
}

}  // namespace
}  // namespace gui::testing
