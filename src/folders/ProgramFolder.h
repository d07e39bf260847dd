#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace folders {

// Where the game may find its program folder: the folder it was started in, the folders an
// installation keeps its data files in (in order of preference), and the player's own data
// folder.
struct FolderPlaces {
    std::filesystem::path current;
    std::vector<std::filesystem::path> installed;
    std::filesystem::path user;
};

// The program folder the game uses, or why there is none.
struct FolderChoice {
    enum class Kind { Current, User, None };
    Kind kind = Kind::None;
    std::filesystem::path folder;     // the program folder; empty with Kind::None
    std::vector<std::string> copied;  // data files copied into the user's folder this start
    std::vector<std::string> notes;   // data files skipped, each named, for the player
    std::string problem;              // what went wrong, when there is no folder
};

// True when the folder holds every rule and table file the computer seats read.
bool HoldsRuleFiles(const std::filesystem::path& folder);

// The current folder when it holds the rule files (as for a rule author or a development
// run); otherwise the user's data folder, into which every installed data file it lacks is
// copied, so the player's edits survive later starts. With no data anywhere, the choice
// names every place that was looked at.
FolderChoice FindProgramFolder(const FolderPlaces& places);

}  // namespace folders
