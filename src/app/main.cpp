#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "gui/dialogs/QtDialogs.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/window/DataPlaces.h"
#include "gui/window/GameSession.h"

namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
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

// The game cannot start. Without a screen nobody could close a message box, so a headless
// run only writes the message.
void ReportNoProgramFolder(const std::string& problem) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, QStringLiteral("Fivrastar"),
                              QString::fromStdString(problem));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fivrastar"));
    QApplication::setOrganizationName(QStringLiteral("Kolmbra"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.fivrastar.Fivrastar"));

    gui::QtDialogs dialogs;
    gui::IniSettingsStore settings(&dialogs);
    const gui::LaunchOptions options = gui::ReadLaunchOptions(Environment);
    std::string problem;
    const auto session = gui::GameSession::Open({options, gui::DataPlaces(), dialogs, settings,
                                                 &dialogs, settings.FilePath("user").toStdString()},
                                                problem);
    if (!session) {
        ReportNoProgramFolder(problem);
        return EXIT_FAILURE;
    }
    session->Start();
    ScheduleScreenshot(options, session->Window());
    return QApplication::exec();
}
