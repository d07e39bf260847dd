#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "gui/GuiFixture.h"
#include "gui/scene/TraceItem.h"

namespace gui::testing {
namespace {

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
