#pragma once

// The Windows virtual-key code of a key that Qt reports, for platforms whose key events carry
// no such code: the code the same key gives on Windows with a US keyboard layout.

#include "controls/PairedKeys.h"

#include <cstdint>
#include <optional>

namespace corvane
{

// The code Windows gives a key it has no virtual-key code for; it names no key of the tables.
inline constexpr int16_t NO_VIRTUAL_KEY = 255;

// The virtual-key code for a Qt key (Qt::Key) pressed on the numeric keypad (`keypad`) or
// elsewhere. A key the US layout lacks (ö, é, a dead key) takes the code of the US key at its
// place, given by `x11_keycode` (an X11 or Wayland key code; 0 when unknown). NO_VIRTUAL_KEY
// for any other key: never a code of a key that was not pressed.
int16_t VirtualKeyFromQtKey(int qt_key, bool keypad, uint32_t x11_keycode = 0);

// The PC scan code of a key from its X11 or Wayland key code (the Linux input code plus 8): the
// main block, the keypad, right Ctrl and Alt, keypad Enter and the navigation block; nullopt for
// other keys.
std::optional<KeyCodeManager::PcScanCode> PcScanCodeFromX11(uint32_t x11_keycode);

// The scan code of a Windows key event as Qt hands it on: the key message's scan code in bits
// 0 to 7 and its extended flag in bit 8.
KeyCodeManager::PcScanCode PcScanCodeFromWindows(uint32_t native_scan_code);

} // namespace corvane
