#pragma once

// The short names a player reads on a binding button, made from the stored key tokens.

#include <string>
#include <string_view>

namespace corvane::KeyCodeManager
{

// The key's name as a player knows it ("Page Up", "Num Enter", "A"); the scan-code name where
// there is no plainer one; for a token that names no key, the token itself in quotes; empty for
// an empty slot.
std::string KeyLabelFromKeyToken(std::string_view key_token);

} // namespace corvane::KeyCodeManager
