#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "gamelog/Archive.h"
#include "gamelog/GameLog.h"
#include "gamelog/LogText.h"

namespace gamelog {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxCounter = 1000000000;
// How many numbers are tried past ones whose archive exists before the last one is taken.
constexpr int kMaxSkips = 1000;

std::string LogArchivePath(const std::string& folder, int n, const std::string& attribute) {
    return folder + "FivraLOG_" + std::to_string(n) + "_" + attribute + ".txt";
}

std::string ImagePath(const std::string& folder, int n, const std::string& attribute) {
    return folder + "FivraDEBUG_" + std::to_string(n) + "_" + attribute + ".bmp";
}

// The stored counter; a value that is no count (an edited or damaged settings file) is reported
// and counting starts again from 0.
int DebugCounter(common::SettingsStore& settings, std::vector<std::string>& problems) {
    const std::string stored = settings.RegReadSetting("local", "Statistic", "Debug", "0");
    const std::optional<int> n = detail::WholeNumber(stored);
    if (n && *n >= 0 && *n <= kMaxCounter) {
        return *n;
    }
    problems.push_back("The debug counter " + detail::Quoted(stored) +
                       " in the settings (section Statistic, key Debug) is not a count; "
                       "counting starts again from 0.");
    return 0;
}

// The first number from n on whose log archive does not exist yet: a counter that was reset
// must not overwrite an earlier report.
int FreeNumber(const std::string& folder, const std::string& attribute, int n) {
    for (int tries = 0; tries < kMaxSkips; ++tries, ++n) {
        // Anything by the name counts, a dangling link too: it would lead the copy elsewhere.
        std::error_code ec;
        if (fs::symlink_status(LogArchivePath(folder, n, attribute), ec).type() ==
            fs::file_type::not_found) {
            break;
        }
    }
    return n;
}

void CopyLog(const std::string& folder, const std::string& target,
             std::vector<std::string>& problems) {
    const std::string source = folder + std::string(kLogFileName);
    if (!PlainFileOrNothing(target)) {
        problems.push_back("The game log could not be copied to " + target +
                           ": it is a link or no plain file.");
        return;
    }
    std::error_code ec;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        problems.push_back("The game log " + source + " could not be copied to " + target + ": " +
                           ec.message() + ".");
        // A cut or empty copy would only use up an archive number.
        fs::remove(target, ec);
    }
}

void SaveImage(const std::string& target,
               const std::function<bool(const std::string& bmp_path)>& save_debug_image,
               std::vector<std::string>& problems) {
    std::error_code ec;
    fs::remove(target, ec);
    if (ec) {
        problems.push_back("The old debug picture " + target +
                           " could not be deleted: " + ec.message() + ".");
        return;
    }
    if (!save_debug_image || !save_debug_image(target)) {
        problems.push_back("The debug picture " + target + " could not be saved.");
        fs::remove(target, ec);
    }
}

}  // namespace

void ArchiveLog(const std::string& folder, const std::string& attribute,
                common::SettingsStore& settings,
                const std::function<bool(const std::string& bmp_path)>& save_debug_image,
                common::Dialogs& dialogs) {
    std::vector<std::string> problems;
    const std::string safe = SafeAttribute(attribute);
    const int n = FreeNumber(folder, safe, DebugCounter(settings, problems));
    CopyLog(folder, LogArchivePath(folder, n, safe), problems);
    SaveImage(ImagePath(folder, n, safe), save_debug_image, problems);
    settings.RegWriteSetting("local", "Statistic", "Debug", std::to_string(n + 1));
    if (!problems.empty()) {
        std::string text;
        for (const std::string& problem : problems) {
            text += (text.empty() ? "" : "\n") + problem;
        }
        dialogs.Message(text, "DEBUG");
    }
}

}  // namespace gamelog
