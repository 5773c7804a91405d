#pragma once

// The Windows virtual-key code of a key that Qt reports, for platforms whose key events carry
// no such code: the code the same key gives on Windows with a US keyboard layout.

#include <cstdint>

namespace corvane
{

// The code Windows gives a key it has no virtual-key code for; it names no key of the tables.
inline constexpr int16_t NO_VIRTUAL_KEY = 255;

// The virtual-key code for a Qt key (Qt::Key) pressed on the numeric keypad (`keypad`) or
// elsewhere; NO_VIRTUAL_KEY for any other key: never a code of a key that was not pressed.
int16_t VirtualKeyFromQtKey(int qt_key, bool keypad);

} // namespace corvane
