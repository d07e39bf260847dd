#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "gui/base/GuiTexts.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/settings/IniText.h"
#include "gui/settings/Preferences.h"
#include "gui/window/DataPlaces.h"
#include "gui/window/FirstLanguage.h"
#include "gui/window/GameSession.h"
#include "gui/window/SingleInstance.h"

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

// The game does not start. Without a screen nobody could close a message box, so a headless
// run only writes the message.
void ReportNotStarted(const QString& problem, QMessageBox::Icon icon) {
    std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox(icon, QStringLiteral("Fivrastar"), problem).exec();
    }
}

// A second copy of the game brings the first one's window forward and says why it stops, in
// the player's language.
void ReportAlreadyRunning(const gui::SingleInstance& instance, common::SettingsStore& settings) {
    presentation::SetProgramLanguage(gui::LoadPreferences(settings).preferences.language);
    const bool shown = instance.AskFirstToShow();
    ReportNotStarted(
        gui::GuiText(shown ? gui::GuiTextId::AlreadyRunningShown : gui::GuiTextId::AlreadyRunning),
        QMessageBox::Information);
}

}  // namespace

int main(int argc, char* argv[]) {
    gui::IgnoreRelativeBaseFolders();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fivrastar"));
    QApplication::setOrganizationName(QStringLiteral("Kolmbra"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.fivrastar.Fivrastar"));

    gui::QtDialogs dialogs;
    gui::IniSettingsStore settings(&dialogs);
    gui::SingleInstance instance(gui::IniSettingsStore::DefaultFolder());
    if (!instance.First()) {
        ReportAlreadyRunning(instance, settings);
        return EXIT_SUCCESS;
    }
    gui::RemoveLeftScratch({QDir::tempPath(), gui::IniSettingsStore::DefaultFolder()});
    const gui::LaunchOptions options = gui::ReadLaunchOptions(Environment);
    gui::GameSession::Setup setup{options,           gui::DataPlaces(),
                                  dialogs,           settings,
                                  &dialogs,          settings.FilePath("user").toStdString(),
                                  QLocale::system(), {}};
    // Without a screen nobody could answer the first start's question.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        setup.ask_language = gui::AskFirstLanguage;
    }
    std::string problem;
    const auto session = gui::GameSession::Open(setup, problem);
    if (!session) {
        ReportNotStarted(QString::fromStdString(problem), QMessageBox::Critical);
        return EXIT_FAILURE;
    }
    instance.OnShowAsked([&window = session->Window()] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.show();
        window.raise();
        window.activateWindow();
    });
    session->Start();
    ScheduleScreenshot(options, session->Window());
    return QApplication::exec();
}
