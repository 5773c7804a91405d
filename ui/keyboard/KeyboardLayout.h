#pragma once

// The keyboard room: key names as the keyboard layout in force writes them.
//
// What each physical key types in the keyboard layout in force, asked of the platform: the X
// server's XKB keymap, or the Windows keyboard layout.

#include "controls/KeyLabels.h"

#include <string>

class QEvent;
class QWidget;

namespace corvane
{

// The layout in force now, for naming keys; an empty function where the platform cannot tell
// (no X server, the offscreen platform, macOS), so that keys keep their US names.
KeyCodeManager::LayoutCharacter CurrentLayoutCharacter();

// The name a key dialog shows for a key: `usual_name`, the name it has always shown, unless the
// layout in force makes the key type another character than a US keyboard does; then that
// character, as the key's button shows it ("\u00D6" for the key right of L on a German layout).
std::string KeyNameInLayout(const std::string& token, const std::string& usual_name);

// Whether a window's change event may come with another layout, so that its key names are
// drawn again: the layout changed while it was active (where the platform says so), or it has
// just become active.
bool IsKeyboardLayoutMoment(const QEvent& event, const QWidget& window);

} // namespace corvane
