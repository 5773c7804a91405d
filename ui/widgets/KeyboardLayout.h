#pragma once

// What each physical key types in the keyboard layout in force, asked of the platform: the X
// server's XKB keymap, or the Windows keyboard layout.

#include "controls/KeyLabels.h"

namespace corvane
{

// The layout in force now, for naming keys; an empty function where the platform cannot tell
// (no X server, the offscreen platform, macOS), so that keys keep their US names.
KeyCodeManager::LayoutCharacter CurrentLayoutCharacter();

} // namespace corvane
