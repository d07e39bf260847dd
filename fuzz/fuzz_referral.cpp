// The About box's web link built from a fuzzed Referal.txt.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzRound.h"
#include "presentation/About.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteFile("Referal.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string link = presentation::WebLink(fuzz::ProgramFolder());
    // The link handed to the system never holds a blank or a control character.
    for (const char c : link) {
        if (static_cast<unsigned char>(c) <= ' ') {
            __builtin_trap();
        }
    }
    return 0;
}
