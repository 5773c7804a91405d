#pragma once

// What the Windows keyboard layout in force makes a physical key type.

#include <cstdint>
#include <string>

namespace corvane
{

// The character the key with that key-message scan code (0x100 for the extended flag) types in
// the calling thread's keyboard layout, upper case, in UTF-8: "Ö" for scan code 0x27 on a German
// layout, the accent itself for a dead key. Empty when the layout types nothing with it, and
// always off Windows.
std::string WindowsKeyCharacter(uint32_t windows_scan_code);

} // namespace corvane
