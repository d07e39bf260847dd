#include "support/TempFolder.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace test_support {

namespace fs = std::filesystem;

std::string DataDir() {
    const char* dir = std::getenv("FIVRA_DATA_DIR");
    return dir != nullptr && *dir != '\0' ? dir : "data";
}

TempFolder::TempFolder() {
    // The process id keeps runs apart, the counter the folders of one run, and the random
    // part a folder left behind by a run that died with the same process id.
    static std::atomic<int> counter{0};
    static const unsigned salt = std::random_device{}();
    path_ = fs::temp_directory_path() / ("fivra_test_" + std::to_string(::getpid()) + "_" +
                                         std::to_string(salt) + "_" + std::to_string(counter++));
    fs::create_directories(path_);
    folder_ = path_.string() + "/";
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

void TempFolder::Write(const std::string& name, const std::string& text) const {
    WriteText(File(name), text);
}

std::string TempFolder::Read(const std::string& name) const {
    return FileText(File(name));
}

void TempFolder::CopyDataFiles() const {
    for (const auto& entry : fs::directory_iterator(DataDir())) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), path_ / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

}  // namespace test_support
