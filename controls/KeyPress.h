#pragma once

// A key press as the key dialog receives it, read into the key it binds in one step.

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::KeyCodeManager
{

// What the platform says of a pressed key.
struct KeyPress
{
  // Whether the event names the physical key at all: a key event made up by a program, and
  // every key on macOS, carries no scan code, and then the virtual key names the key.
  bool has_scan_code = false;
  // The DirectInput code of the physical key: its scan code, with the high bit set for the
  // extended keys (those sent after E0); nullopt for a key the emulator cannot read.
  std::optional<uint8_t> scan_code;
  // The Windows virtual-key code of the key, or the one the same key gives there.
  int16_t virtual_key = 0;
};

// The key a press binds: its token ("k0C") and the name the dialog has always shown for it
// ("PAGE UP", "RSHIFT"). An empty token is a key the emulator cannot read, which binds nothing.
struct PressedKey
{
  std::string token;
  std::string name;
};

// The scan code names the key wherever the event has one, whatever the layout makes the key
// type; the name is that of the virtual key where it names this same key, else that of the
// scan code.
PressedKey KeyFromPress(const KeyPress& press);

} // namespace corvane::KeyCodeManager
