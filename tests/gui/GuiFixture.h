#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "gui/scene/ControlItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/window/GameWindow.h"
#include "presentation/HandGeometry.h"
#include "support/TableRig.h"

namespace gui::testing {

// Runs the GUI tests of an executable in one QApplication, with a private runtime folder so
// that Qt does not complain. The platform (and any scale factor) is set before the call.
inline int RunGuiTests(int argc, char* argv[]) {
    const QString runtime = QDir::temp().filePath(QStringLiteral("fivra-test-gui-runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Saves a picture as a PNG into the folder named by FIVRA_GUI_SHOTS, when it is set: a way to
// look at the screens the tests reach.
inline void SaveShot(const char* name, const QPixmap& picture) {
    const char* folder = std::getenv("FIVRA_GUI_SHOTS");
    if (folder != nullptr && *folder != '\0') {
        picture.save(QDir(QString::fromLocal8Bit(folder))
                         .filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }
}

// The table rig (scripted dialogs, a folder of its own with a copy of the data files) shown in
// a real window on the offscreen platform. The tests drive the table's clock directly.
class GuiFixture : public ::testing::Test {
  protected:
    // The table under test: by default seed 7, the player at SYD and the shipped rules.
    virtual table_test::RigOptions Options() const { return table_test::RigOptions().Human(); }

    void SetUp() override {
        rig_ = std::make_unique<table_test::TableRig>(Options());
        table_ = &rig_->table;
        window_ = std::make_unique<GameWindow>(*table_, rig_->dialogs, rig_->settings, nullptr);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        table_->Start();
        window_->Refresh();
    }

    // Delivers the next tick of the table's clock and redraws; false when none is due.
    bool Tick() {
        const auto due = table_->NextDue();
        if (!due) {
            return false;
        }
        table_->StepClock(*due);
        window_->Refresh();
        return true;
    }

    // Runs the table's clock without drawing until `reached` holds, then draws once: the way
    // to a screen when what matters is the screen, not the ticks on the way.
    bool Reach(const std::function<bool()>& reached) {
        const bool ok = table_test::RunUntil(*table_, reached);
        window_->Refresh();
        return ok;
    }

    ControlItem* Item(const QString& name) const { return window_->Scene().Item(name); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&window_->View(), key, modifiers);
    }

    // A click at a point of the table, through the view as the mouse would give it.
    void ClickAt(QPointF scene_point) {
        TableView& view = window_->View();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(scene_point));
    }
    void ClickItem(const QString& name) {
        ControlItem* item = Item(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        ASSERT_TRUE(item->isVisible()) << name.toStdString() << " is hidden";
        ClickAt(item->Rect().center());
    }

    void Shoot(const char* name) {
        window_->Refresh();
        SaveShot(name, window_->grab());
    }

  protected:
    std::unique_ptr<table_test::TableRig> rig_;
    table::Table* table_ = nullptr;
    std::unique_ptr<GameWindow> window_;
};

}  // namespace gui::testing
