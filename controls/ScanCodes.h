#pragma once

// The key a player pressed, as the emulator reads it: the DirectInput code of the physical key,
// which is its PC scan code, with the high bit set for the keys sent after the E0 prefix. The
// code names the place of the key, whatever the keyboard layout makes it type.

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::KeyCodeManager
{

// The DirectInput code of a key from its X11 or Wayland key code (the Linux input code plus 8);
// nullopt for a key the emulator cannot read.
std::optional<uint8_t> ScanCodeFromX11(uint32_t x11_keycode);

// The X11 key code of the key with that DirectInput code; nullopt when no key has it.
std::optional<uint32_t> X11KeycodeFromScanCode(uint8_t scan_code);

// The DirectInput code of a Windows key message as Qt hands it on: the message's scan code in
// bits 0 to 7, its extended flag in bit 8; nullopt for a message without a scan code.
std::optional<uint8_t> ScanCodeFromWindows(uint32_t native_scan_code);

// The Windows key message's scan code and extended flag (bit 8) of the key with that code, as
// ScanCodeFromWindows reads them back.
uint32_t WindowsScanCodeFromScanCode(uint8_t scan_code);

// "k" and the code in two upper-case hexadecimal digits when the key tables name the code;
// empty otherwise: a key the tables do not know is not bound.
std::string KeyTokenFromScanCode(uint8_t scan_code);

// The code of a token that names a key ("kC9" gives 0xC9); nullopt for any other text.
std::optional<uint8_t> ScanCodeFromKeyToken(std::string_view key_token);

} // namespace corvane::KeyCodeManager
