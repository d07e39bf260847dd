#include "ScratchFolder.h"

#include <atomic>
#include <chrono>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const fs::path& data_dir) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("fivra-sim-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
    AddFiles(data_dir);
}

void ScratchFolder::AddFiles(const fs::path& dir) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), path_ / entry.path().filename(),
                          fs::copy_options::overwrite_existing, error);
        }
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace sim
