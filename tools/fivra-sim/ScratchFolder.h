#pragma once

#include <filesystem>
#include <string>

namespace sim {

// A program folder of its own for a headless run: the data files are copied in, the game
// log is written there, and the folder goes away with the object. The data folder itself is
// never written to.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::filesystem::path& data_dir);
    // Lays the files of another folder over the copies: a file of the same name is replaced.
    void AddFiles(const std::filesystem::path& dir);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing separator, as the table wants it.
    std::string Path() const { return path_.string() + "/"; }
    // Why the folder could not be set up; empty when it was.
    const std::string& Problem() const { return problem_; }

  private:
    void Note(const std::string& problem);

    std::string problem_;
    std::filesystem::path path_;
};

}  // namespace sim
