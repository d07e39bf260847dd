#pragma once

#include "folders/ProgramFolder.h"

namespace gui {

// Where this run of the game may find its program folder: the current folder; the installed
// data beside the program (<prefix>/share/fivrastar next to <prefix>/bin) and in the
// system's data folders; and the player's own data folder.
folders::FolderPlaces DataPlaces();

}  // namespace gui
