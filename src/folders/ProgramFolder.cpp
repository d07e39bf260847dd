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

// Copies every regular file of `from` that `to` does not hold yet; files the player already
// has, edited or not, are left alone.
bool CopyMissingFiles(const fs::path& from, const fs::path& to, FolderChoice& choice) {
    std::error_code error;
    fs::create_directories(to, error);
    if (error) {
        choice.problem = "The folder \"" + to.string() + "\" cannot be made: " + error.message();
        return false;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
        const fs::path target = to / entry.path().filename();
        if (!entry.is_regular_file() || fs::exists(target)) {
            continue;
        }
        if (!fs::copy_file(entry.path(), target, error)) {
            choice.problem = "The data file \"" + entry.path().string() +
                             "\" cannot be copied to \"" + to.string() + "\": " + error.message();
            return false;
        }
        choice.copied.push_back(entry.path().filename().string());
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
