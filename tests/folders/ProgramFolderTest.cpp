#include <gtest/gtest.h>

#include <filesystem>

#include "folders/ProgramFolder.h"
#include "support/TempFolder.h"

namespace folders {
namespace {

namespace fs = std::filesystem;
using test_support::FileText;
using test_support::WriteText;

// A machine as the game finds it: a current folder, an installation's data folder holding a
// copy of the shipped data files, and the player's (not yet made) data folder.
class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        places_.current = root_.Folder() + "started-here";
        places_.installed = {root_.Folder() + "nowhere", root_.Folder() + "share/fivrastar"};
        places_.user = root_.Folder() + "home/Kolmbra/Fivrastar";
        fs::create_directories(places_.current);
        fs::create_directories(places_.installed[1]);
        for (const fs::directory_entry& entry : fs::directory_iterator(shipped_)) {
            fs::copy_file(entry.path(), places_.installed[1] / entry.path().filename());
        }
    }

    test_support::TempFolder root_;
    const fs::path shipped_ = test_support::DataDir();
    FolderPlaces places_;
};

TEST_F(ProgramFolderTest, ACurrentFolderWithTheRuleFilesIsTheProgramFolder) {
    for (const char* name : {"FivraBidBase.txt", "FivraBidRulesAI.txt", "FivraPlayRulesAI.TXT"}) {
        fs::copy_file(shipped_ / name, places_.current / name);
    }
    const FolderChoice choice = FindProgramFolder(places_);
    EXPECT_EQ(std::pair(choice.kind, choice.folder),
              std::pair(FolderChoice::Kind::Current, places_.current));
    EXPECT_FALSE(fs::exists(places_.user)) << "a rule author's run leaves the data folder alone";

    fs::remove(places_.current / "FivraBidRulesAI.txt");
    EXPECT_EQ(FindProgramFolder(places_).kind, FolderChoice::Kind::User)
        << "a folder with only some of the rule files is not a program folder";
}

TEST_F(ProgramFolderTest, TheFirstStartCopiesTheDataAndLaterStartsKeepThePlayersCopy) {
    const FolderChoice first = FindProgramFolder(places_);
    ASSERT_EQ(first.kind, FolderChoice::Kind::User) << first.problem;
    EXPECT_EQ(first.folder, places_.user);
    for (const fs::directory_entry& entry : fs::directory_iterator(shipped_)) {
        const fs::path copy = places_.user / entry.path().filename();
        ASSERT_TRUE(fs::exists(copy)) << copy;
        EXPECT_EQ(FileText(copy.string()), FileText(entry.path().string())) << copy;
    }
    EXPECT_EQ(first.copied.size(),
              static_cast<std::size_t>(
                  std::distance(fs::directory_iterator(shipped_), fs::directory_iterator())));

    // The player edits a rule file and deletes the hint file between two starts.
    const fs::path rules = places_.user / "FivraBidRulesAI.txt";
    WriteText(rules.string(), "the player's own rules\n");
    fs::remove(places_.user / "Suggestion.txt");
    const FolderChoice second = FindProgramFolder(places_);
    ASSERT_EQ(second.kind, FolderChoice::Kind::User);
    EXPECT_EQ(FileText(rules.string()), "the player's own rules\n") << "the edit is kept";
    EXPECT_EQ(second.copied, std::vector<std::string>{"Suggestion.txt"})
        << "only what is missing comes back from the installation";

    fs::remove_all(places_.installed[1]);
    const FolderChoice third = FindProgramFolder(places_);
    EXPECT_EQ(std::pair(third.kind, third.copied.empty()),
              std::pair(FolderChoice::Kind::User, true))
        << "the player's copy serves when the installation is gone";
}

TEST_F(ProgramFolderTest, NoDataAnywhereNamesEveryPlaceLookedAt) {
    fs::remove_all(places_.installed[1]);
    const FolderChoice choice = FindProgramFolder(places_);
    EXPECT_EQ(std::pair(choice.kind, choice.folder),
              std::pair(FolderChoice::Kind::None, fs::path()));
    for (const fs::path& place :
         {places_.current, places_.installed[0], places_.installed[1], places_.user}) {
        EXPECT_NE(choice.problem.find(place.string()), std::string::npos)
            << "the message names " << place << ":\n"
            << choice.problem;
    }
    EXPECT_NE(choice.problem.find("FivraPlayRulesAI.TXT"), std::string::npos);
    EXPECT_FALSE(fs::exists(places_.user)) << "nothing is made when nothing can be played";
}

// Entries that cannot be looked at: the copy goes on past them and names them; a data folder
// that cannot be made (a file in its place, a path over the system's limit) is a message.
TEST_F(ProgramFolderTest, EntriesThatCannotBeLookedAtAreNamedNotFatal) {
    const fs::path looping = places_.installed[1] / "Suggestion.txt";
    fs::remove(looping);
    fs::create_symlink(looping, looping);
    fs::create_directories(places_.user);
    const fs::path looping_there = places_.user / "Referal.txt";
    fs::create_symlink(looping_there, looping_there);

    const FolderChoice choice = FindProgramFolder(places_);
    ASSERT_EQ(choice.kind, FolderChoice::Kind::User) << choice.problem;
    ASSERT_EQ(choice.notes.size(), 1u);
    EXPECT_NE(choice.notes[0].find(looping.string()), std::string::npos) << choice.notes[0];
    EXPECT_TRUE(fs::is_symlink(looping_there)) << "what the player has is left alone";
    EXPECT_TRUE(fs::exists(places_.user / "FivraBidBase.txt"));
    EXPECT_FALSE(fs::exists(places_.user / "FivraBidBase.txt.copying")) << "copied, then renamed";

    places_.user /= "FivraBidBase.txt";  // a file where the data folder should be
    const FolderChoice blocked = FindProgramFolder(places_);
    EXPECT_EQ(blocked.kind, FolderChoice::Kind::None);
    EXPECT_NE(blocked.problem.find(places_.user.string()), std::string::npos) << blocked.problem;

    places_.user = root_.Folder() + std::string(5000, 'x');
    const FolderChoice too_long = FindProgramFolder(places_);
    EXPECT_EQ(too_long.kind, FolderChoice::Kind::None);
    EXPECT_NE(too_long.problem.find("cannot be made"), std::string::npos) << too_long.problem;
}

}  // namespace
}  // namespace folders
