// The window around the table: the mark that Tab moves over the buttons, the menu bar, the
// computer at the player's seat, the statistics window, and a frame that leaves no trace.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <set>

#include "gui/GuiFixture.h"
#include "gui/dialogs/StatisticsDialog.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/FocusRing.h"
#include "gui/scene/HandItem.h"
#include "gui/window/GameMenus.h"
#include "persistence/Statistics.h"

namespace gui::testing {
namespace {

class AtTheTable : public GuiFixture {
  protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&window_->View(), key, modifiers);
    }
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
    EXPECT_FALSE(table_->Ctl().PBButtonsBackground.Visible) << "the computer made SYD's bid";
    EXPECT_GE(table_->State().Hand[0].GeBud(), 0);
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

TEST_F(AtTheTable, TheStatisticsWindowShowsTheFiguresAndClearsOnlyOnYes) {
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
    ShootPixmap("statistics", statistics.grab());

    auto* clear = statistics.findChild<QPushButton*>(QStringLiteral("ClearStatistics"));
    ASSERT_NE(clear, nullptr);
    rig_->dialogs.yes_no_answers = {false};
    clear->click();
    ASSERT_EQ(rig_->dialogs.questions.size(), 1u) << "clearing asks first";
    EXPECT_EQ(statistics.Figure(QStringLiteral("GamesPlayedVi")), QStringLiteral("3"));
    rig_->dialogs.yes_no_answers = {true};
    clear->click();
    EXPECT_EQ(statistics.Figure(QStringLiteral("GamesPlayedVi")), QStringLiteral("0"));
    EXPECT_EQ(statistics.ChartedGames(), 0);
    EXPECT_EQ(ctl.LblStatisticVi.Caption, "0") << "the table's count is cleared too";
}

}  // namespace
}  // namespace gui::testing
