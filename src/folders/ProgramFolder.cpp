#include "folders/ProgramFolder.h"

#include <array>
#include <string_view>
#include <system_error>

#include "bidai/BidBaseFormat.h"
#include "playai/PlayEngine.h"

namespace folders {

namespace fs = std::filesystem;

namespace {

// The files without which the computer seats cannot bid or play.
const std::array<std::string_view, 3> kRuleFiles = {
    bidai::kBidBaseFileName, bidai::kBidRulesFileName, playai::kPlayRulesFile};

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The first installed folder that holds the rule files.
const fs::path* InstalledData(const FolderPlaces& places) {
    for (const fs::path& folder : places.installed) {
        if (!folder.empty() && HoldsRuleFiles(folder)) {
            return &folder;
        }
    }
    return nullptr;
}

// Copies one data file under a name of its own and then renames it into place, so a start
// that is stopped halfway leaves no cut file that later starts would take for the player's.
bool CopyOne(const fs::path& from, const fs::path& target, std::error_code& error) {
    fs::path part = target;
    part += ".copying";
    if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, error)) {
        return false;
    }
    fs::rename(part, target, error);
    if (error) {
        fs::remove(part, error);
        return false;
    }
    return true;
}

// Copies one entry of the installed folder when the user's folder has nothing by its name;
// what is there already, edited or not, a link or not, is left alone. An entry that cannot
// be looked at (a link that loops, a name too long) is skipped with a note naming it.
void CopyIfMissing(const fs::directory_entry& entry, const fs::path& to, FolderChoice& choice) {
    const fs::path target = to / entry.path().filename();
    std::error_code error;
    const bool plain = entry.is_regular_file(error);
    if (error || !plain) {
        if (error) {
            choice.notes.push_back("The data file \"" + entry.path().string() +
                                   "\" is skipped: " + error.message() + ".");
        }
        return;
    }
    const fs::file_status there = fs::symlink_status(target, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        choice.notes.push_back("The data file \"" + target.string() +
                               "\" cannot be looked at: " + error.message() + ".");
        return;
    }
    if (fs::exists(there)) {
        return;
    }
    if (!CopyOne(entry.path(), target, error)) {
        choice.notes.push_back("The data file \"" + entry.path().string() +
                               "\" cannot be copied to \"" + to.string() +
                               "\": " + error.message() + ".");
        return;
    }
    choice.copied.push_back(entry.path().filename().string());
}

// Copies every regular file of `from` that `to` does not hold yet. Only a folder that cannot
// be made or read stops the copy; a file that cannot be copied is a note, and the game goes on
// (a seat without its rule file plays safe and says so).
bool CopyMissingFiles(const fs::path& from, const fs::path& to, FolderChoice& choice) {
    std::error_code error;
    fs::create_directories(to, error);
    if (error) {
        choice.problem = "The folder \"" + to.string() + "\" cannot be made: " + error.message();
        return false;
    }
    fs::directory_iterator it(from, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        CopyIfMissing(*it, to, choice);
    }
    if (error) {
        choice.problem = "The folder \"" + from.string() + "\" cannot be read: " + error.message();
        return false;
    }
    return true;
}

std::string NothingFound(const FolderPlaces& places) {
    std::string text = "The game's rule files (";
    for (std::size_t i = 0; i < kRuleFiles.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::string(kRuleFiles[i]);
    }
    text += ") were found nowhere. The game looked in:\n  " + places.current.string() +
            " (the current folder)";
    for (const fs::path& folder : places.installed) {
        text += "\n  " + folder.string() + " (installed data)";
    }
    text += "\n  " + places.user.string() + " (your data folder)";
    return text + "\nInstall the game again, or start it in a folder that holds these files.";
}

}  // namespace

bool HoldsRuleFiles(const fs::path& folder) {
    for (const std::string_view name : kRuleFiles) {
        if (!IsFile(folder / name)) {
            return false;
        }
    }
    return true;
}

FolderChoice FindProgramFolder(const FolderPlaces& places) {
    FolderChoice choice;
    if (!places.current.empty() && HoldsRuleFiles(places.current)) {
        choice.kind = FolderChoice::Kind::Current;
        choice.folder = places.current;
        return choice;
    }
    const fs::path* installed = InstalledData(places);
    if (installed != nullptr && !places.user.empty()) {
        if (CopyMissingFiles(*installed, places.user, choice)) {
            choice.kind = FolderChoice::Kind::User;
            choice.folder = places.user;
        }
        return choice;
    }
    // The installed data may be gone while the player's copy is still complete.
    if (!places.user.empty() && HoldsRuleFiles(places.user)) {
        choice.kind = FolderChoice::Kind::User;
        choice.folder = places.user;
        return choice;
    }
    choice.problem = NothingFound(places);
    return choice;
}

}  // namespace folders
