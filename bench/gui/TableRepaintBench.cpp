// Frame time of a full repaint of the table, as the view paints it after the window was
// uncovered or resized: the whole scene into a window of 1366 x 768 pixels, at device pixel
// ratio 1 and 2. "Warm" is every frame after the first (card pictures cached); "Cold" forgets
// the cached pictures before each frame, so every card and picture is drawn from its vectors.
//   build/bench/gui/TableRepaintBench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "gui/paint/PaintCache.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TableScene.h"
#include "table/Table.h"

namespace {

constexpr QSize kWindow(1366, 768);

// Seed 3 when SYD, the dealer, is to decide (bid, or choose trump): every seat's hand, the
// seat labels, the bid panel or the colour buttons and the side panel are on show.
struct WaitingTable {
    common::ScriptedDialogs dialogs;
    common::MemorySettingsStore settings;
    table::Table table;
    gui::TableScene scene;

    explicit WaitingTable(const std::string& folder)
        : table(Config(folder), dialogs, settings), scene(table) {
        table.Start();
        const table::Controls& ctl = table.Ctl();
        for (int i = 0; i < 20000 && !ctl.PBButtonsBackground.Visible && !ctl.ImgFargUp[0].Visible;
             ++i) {
            table.StepClock(*table.NextDue());
        }
        table.MutableCtl().LBTraceBox.Visible = true;  // the trace list too
        scene.Sync();
    }

    static table::TableConfig Config(const std::string& folder) {
        table::TableConfig config;
        config.folder = folder;
        config.seed = 3;
        return config;
    }
};

void Repaint(benchmark::State& state, double ratio, bool cold) {
    const char* data = std::getenv("FIVRA_DATA_DIR");
    WaitingTable waiting(std::string(data != nullptr ? data : "data") + "/");
    QImage frame(kWindow * ratio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        if (cold) {
            gui::ClearPaintCache();
        }
        QPainter painter(&frame);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.fillRect(QRectF(QPointF(0, 0), QSizeF(kWindow)), QColor(10, 36, 22));
        waiting.scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(kWindow)), gui::layout::kScene,
                             Qt::KeepAspectRatio);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_RepaintWarm(benchmark::State& state) {
    Repaint(state, static_cast<double>(state.range(0)), false);
}
void BM_RepaintCold(benchmark::State& state) {
    Repaint(state, static_cast<double>(state.range(0)), true);
}

BENCHMARK(BM_RepaintWarm)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintCold)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
