#pragma once

// Keys that share their key code with another key: right Shift, Ctrl and Alt give the codes of
// the left ones, keypad Enter that of Return, and with Num Lock off the keypad gives the codes
// of the navigation keys. The emulator reads scan codes, which tell them apart, so these keys
// are bound by the scan code of the key pressed.

#include <cstdint>
#include <string>

namespace corvane::KeyCodeManager
{

// A key as the keyboard reports it: its PC scan code and whether it came with the extended
// prefix (E0), as a Windows key message carries them.
struct PcScanCode
{
  uint8_t code = 0;
  bool extended = false;
};

// The token of the key when it is one of those above ("k36" right Shift, "k9D" right Ctrl,
// "kB8" right Alt, "k9C" keypad Enter, "k47" to "k53" the keypad's keys); empty for every other
// key, which is bound by its key code.
std::string PairedKeyToken(PcScanCode key);

} // namespace corvane::KeyCodeManager
