#include "ScratchFolder.h"

#include <atomic>
#include <chrono>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

namespace {

// A copy that fails or comes out short (a full disk) would leave the seats deciding by
// default, so every copy is checked by its size.
std::error_code CopyChecked(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        return error;
    }
    const std::uintmax_t want = fs::file_size(from, error);
    if (!error && fs::file_size(to, error) != want && !error) {
        error = std::make_error_code(std::errc::no_space_on_device);
    }
    return error;
}

}  // namespace

ScratchFolder::ScratchFolder(const fs::path& data_dir) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    if (error) {
        Note("the temporary folder cannot be used: " + error.message());
        return;
    }
    path_ = temp / ("fivra-sim-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    if (!fs::create_directories(path_, error) || error) {
        Note("the folder " + path_.string() + " cannot be made: " + error.message());
        return;
    }
    AddFiles(data_dir);
}

void ScratchFolder::AddFiles(const fs::path& dir) {
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file()) {
            continue;
        }
        const fs::path target = path_ / it->path().filename();
        if (const std::error_code copy_error = CopyChecked(it->path(), target)) {
            Note("the data file " + it->path().string() + " cannot be copied to " +
                 target.string() + ": " + copy_error.message());
            return;
        }
    }
    if (error) {
        Note("the data folder " + dir.string() + " cannot be read: " + error.message());
    }
}

void ScratchFolder::Note(const std::string& problem) {
    if (problem_.empty()) {
        problem_ = problem;
    }
}

ScratchFolder::~ScratchFolder() {
    if (path_.empty()) {
        return;
    }
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace sim
