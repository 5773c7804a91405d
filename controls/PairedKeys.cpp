#include "controls/PairedKeys.h"

#include <array>

namespace corvane::KeyCodeManager
{
namespace
{

constexpr std::array<PcScanCode, 4> RIGHT_HAND_KEYS = {{
    {0x36, false}, // right Shift
    {0x1D, true},  // right Ctrl
    {0x38, true},  // right Alt
    {0x1C, true},  // keypad Enter
}};
// The keypad from 7 to "." without the extended prefix; the navigation block sends the same
// codes with it.
constexpr uint8_t FIRST_KEYPAD_CODE = 0x47;
constexpr uint8_t LAST_KEYPAD_CODE = 0x53;
// DirectInput numbers an extended key by its scan code with the high bit set.
constexpr uint8_t EXTENDED_BIT = 0x80;

bool IsPairedKey(PcScanCode key)
{
  for (const PcScanCode& paired : RIGHT_HAND_KEYS)
    if (paired.code == key.code && paired.extended == key.extended)
      return true;
  return !key.extended && key.code >= FIRST_KEYPAD_CODE && key.code <= LAST_KEYPAD_CODE;
}

} // namespace

std::string PairedKeyToken(PcScanCode key)
{
  if (!IsPairedKey(key))
    return {};
  constexpr std::string_view HEX_DIGITS = "0123456789ABCDEF";
  const unsigned code = key.code | (key.extended ? EXTENDED_BIT : 0U);
  return {'k', HEX_DIGITS[code >> 4U], HEX_DIGITS[code & 0xFU]};
}

} // namespace corvane::KeyCodeManager
