#pragma once

// Conversions between key codes (Windows virtual-key codes), key names and key tokens ("k" and
// the DirectInput scan code in two upper-case hexadecimal digits).

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::KeyCodeManager
{

// The key's name; for a code without a name, its decimal digits ("145", "-3").
std::string KeyNameFromKeyCode(int16_t key_code);

// "k" and the name's scan code; "k" alone for a name without a scan code. The capture names of
// keys known to the scan codes by another name ("PAGE UP", "DEL", ",") give that name's code.
std::string KeyTokenFromKeyName(std::string_view key_name);

// The name whose scan code follows the token's first character; empty when there is none.
std::string KeyNameFromKeyToken(std::string_view key_token);

} // namespace corvane::KeyCodeManager
