#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What tests of every folder share: where the shipped data files are, and folders of their own
// that two test runs at once never share.
namespace test_support {

// The folder of the shipped data files: FIVRA_DATA_DIR, which the test runner sets, else "data".
std::string DataDir();

// A fresh folder under the system's temporary folder, with a name no other run or test uses;
// removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing '/', as the program folder is given.
    const std::string& Folder() const { return folder_; }
    std::string File(const std::string& name) const { return folder_ + name; }
    const std::filesystem::path& Path() const { return path_; }

    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;
    // Copies every shipped data file into the folder.
    void CopyDataFiles() const;

  private:
    std::filesystem::path path_;
    std::string folder_;
};

// The whole content of a file; empty when it cannot be read.
std::string FileText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
// The lines as one text, each followed by `end`: by default the text of a file.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& end = "\n");

}  // namespace test_support
