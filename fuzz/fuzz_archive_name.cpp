// The debug archive's cleaner of the name the player types, which becomes part of file names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gamelog/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string safe =
        gamelog::SafeAttribute(std::string_view(reinterpret_cast<const char*>(data), size));
    // Nothing that could leave the folder or end the name early.
    if (safe.find('/') != std::string::npos || safe.find('\\') != std::string::npos ||
        safe.find("..") != std::string::npos || safe.find('\0') != std::string::npos) {
        __builtin_trap();
    }
    return 0;
}
