#pragma once

// The names a player reads for the stored key tokens: a short one that fits a binding button and
// a full one for its tooltip and for screen readers. A key that types a character is named by
// the character it types in the keyboard layout in force, when the platform tells it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace corvane::KeyCodeManager
{

// The character the key with that DirectInput code types in the keyboard layout in force, as
// its key cap shows it ("Ö", "<", "A"), in UTF-8; empty when the platform does not know.
using LayoutCharacter = std::function<std::string(uint8_t scan_code)>;

struct KeyLabel
{
  std::string short_label; // "Bksp", "R Shift", "Comma", "Ö"
  std::string full_name;   // "Backspace", "Right Shift", "Comma", "Ö"
};

// Both names of the key; for a token that names no key, the token itself in quotes; empty for
// an empty slot. Without `layout`, or where it gives nothing, a character key is named by the
// character it types on a US keyboard.
KeyLabel KeyLabelsFromKeyToken(std::string_view key_token, const LayoutCharacter& layout = {});

// The full name alone.
std::string KeyLabelFromKeyToken(std::string_view key_token, const LayoutCharacter& layout = {});

// Whether the key with that code types a character, so that its name follows the layout.
bool IsCharacterKey(uint8_t scan_code);

} // namespace corvane::KeyCodeManager
