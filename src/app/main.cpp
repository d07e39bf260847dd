#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdlib>

#include "gui/GameWindow.h"
#include "gui/IniSettingsStore.h"
#include "gui/LaunchOptions.h"
#include "gui/QtClock.h"
#include "gui/QtDialogs.h"
#include "table/Table.h"

namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

table::TableConfig ConfigOf(const gui::LaunchOptions& options) {
    table::TableConfig config;
    // The program folder is the folder the game starts in: data files and the game log.
    config.folder = QDir::currentPath().toStdString() + "/";
    config.seed = options.seed;
    if (options.demo) {
        config.computer_plays_syd = true;
        config.auto_continue_ms = gui::kDemoContinueMs;
    }
    return config;
}

void ScheduleScreenshot(const gui::LaunchOptions& options, gui::GameWindow& window) {
    if (options.screenshot.isEmpty()) {
        return;
    }
    QTimer::singleShot(options.screenshot_after_ms, &window, [&window, file = options.screenshot] {
        window.Refresh();
        if (!window.grab().save(file, "PNG")) {
            qWarning("Could not save the screenshot %s", qPrintable(file));
        }
        QApplication::exit(0);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fivrastar"));
    QApplication::setOrganizationName(QStringLiteral("Kolmbra"));

    const gui::LaunchOptions options = gui::ReadLaunchOptions(Environment);
    gui::QtDialogs dialogs;
    gui::IniSettingsStore settings(&dialogs);
    table::Table table(ConfigOf(options), dialogs, settings);
    gui::GameWindow window(table, dialogs, settings, &dialogs);
    dialogs.SetParent(&window);
    gui::QtClock clock(table, options.speed, [&window] { window.Refresh(); });
    clock.HoldWhileBusy(dialogs);
    window.Scene().after_input = [&clock] { clock.Reschedule(); };

    window.show();
    for (const std::string& problem : options.problems) {
        dialogs.Message("The setting " + problem + " cannot be used; the default applies.");
    }
    table.Start();
    window.Refresh();
    clock.Reschedule();
    ScheduleScreenshot(options, window);
    return QApplication::exec();
}
