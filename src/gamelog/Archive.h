#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/Dialogs.h"
#include "common/SettingsStore.h"

// The debug report: the finished game log and a picture of the table, archived under a running
// number and the attribute the human typed.
namespace gamelog {

// The typed attribute made safe as part of a file name: letters (also beyond ASCII), digits,
// blanks, '-' and '_' are kept, everything else is dropped, so the name can never leave the
// program folder. Blanks at the ends are dropped and the result is at most 64 bytes.
std::string SafeAttribute(std::string_view typed);

// Copies folder + "Fivralog.txt" to "FivraLOG_<n>_<attribute>.txt" and saves the debug image
// as "FivraDEBUG_<n>_<attribute>.bmp" through `save_debug_image`, n being the per-machine
// setting "Debug" of section "Statistic"; then stores n + 1. A number whose log archive already
// exists is passed over, so an archive is never overwritten. Failures are reported through
// the dialogs, naming the file.
void ArchiveLog(const std::string& folder, const std::string& attribute,
                common::SettingsStore& settings,
                const std::function<bool(const std::string& bmp_path)>& save_debug_image,
                common::Dialogs& dialogs);

}  // namespace gamelog
