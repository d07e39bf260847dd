#pragma once

#include "folders/ProgramFolder.h"

namespace gui {

// Where this run of the game may find its program folder: the current folder; the installed
// data beside the program (<prefix>/share/fivrastar next to <prefix>/bin) and in the
// system's data folders; and the player's own data folder.
folders::FolderPlaces DataPlaces();

// The desktop's base-folder rules: a relative XDG_CONFIG_HOME, XDG_DATA_HOME or
// XDG_CACHE_HOME is invalid and ignored, so the settings and data never land in whatever
// folder the game was started from. Called before any folder is looked up.
void IgnoreRelativeBaseFolders();

}  // namespace gui
