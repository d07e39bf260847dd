// The comma/line field stream under every way its readers use it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/FieldReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    common::FieldReader reader(text);
    int last_line = 0;
    for (std::size_t step = 0; reader.HasMore(); ++step) {
        const std::string_view field =
            step % 7 == 3 ? (reader.SkipTo("END"), std::string_view()) : reader.Next();
        if (step % 5 == 4) {
            reader.SkipRestOfLine();
        }
        // Lines only move forward, and never past the text's line count.
        if (reader.Line() < last_line || field.size() > size) {
            __builtin_trap();
        }
        last_line = reader.Line();
    }
    common::SplitLines(text);
    return 0;
}
