#pragma once

// The Windows virtual-key code of a key that Qt reports, for platforms whose key events carry
// no such code: the code the same key gives on Windows with a US keyboard layout.

#include <cstdint>

namespace corvane
{

// The virtual-key code for a Qt key (Qt::Key) pressed on the numeric keypad (`keypad`) or
// elsewhere; 0 for a key Windows has no code for.
int16_t VirtualKeyFromQtKey(int qt_key, bool keypad);

} // namespace corvane
