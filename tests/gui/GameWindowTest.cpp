// The window as a whole: its named controls, the ways of quitting, and a waiting table.
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsScene>
#include <QKeyEvent>

#include "gui/GuiFixture.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TraceItem.h"
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

// Counts the paint events of the table's view.
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

}  // namespace
}  // namespace gui::testing
