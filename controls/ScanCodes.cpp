#include "controls/ScanCodes.h"

#include "controls/KeyCodeManager.h"

#include <algorithm>
#include <array>

namespace corvane::KeyCodeManager
{
namespace
{

// X servers and Wayland number a key 8 above its Linux input code.
constexpr uint32_t X11_KEYCODE_OFFSET = 8;
constexpr uint32_t LAST_X11_KEYCODE = 255;
// Linux input codes 1 to 83 (Escape to keypad ".") and 86 to 88 (the ISO key, F11, F12) are the
// PC scan codes of the keys that come without the E0 prefix.
constexpr uint32_t LAST_MAIN_INPUT_CODE = 83;
constexpr uint32_t FIRST_ISO_INPUT_CODE = 86;
constexpr uint32_t LAST_ISO_INPUT_CODE = 88;
// DirectInput numbers a key sent after the E0 prefix by its scan code with the high bit set.
constexpr uint8_t EXTENDED_BIT = 0x80;
constexpr uint32_t WINDOWS_EXTENDED_FLAG = 0x100;

struct InputKey
{
  uint32_t input_code; // the Linux input code
  uint8_t scan_code;   // its DirectInput code
};

// Every other key of a PC keyboard that the emulator can read, as the Linux keyboard driver
// numbers the scan codes it receives.
constexpr auto OTHER_INPUT_KEYS = std::to_array<InputKey>({
    {85, 0x94},  // Zenkaku/Hankaku, the Kanji key
    {89, 0x73},  // Ro, the Brazilian "/" key (ABNT_C1)
    {92, 0x79},  // Henkan (CONVERT)
    {93, 0x70},  // Katakana/Hiragana (KANA)
    {94, 0x7B},  // Muhenkan (NOCONVERT)
    {95, 0xB3},  // keypad "," of Japanese keyboards (NUMPADCOMMA)
    {96, 0x9C},  // keypad Enter
    {97, 0x9D},  // right Ctrl
    {98, 0xB5},  // keypad "/"
    {99, 0xB7},  // Print Screen / SysRq
    {100, 0xB8}, // right Alt, AltGr
    {102, 0xC7}, // Home
    {103, 0xC8}, // Up
    {104, 0xC9}, // Page Up
    {105, 0xCB}, // Left
    {106, 0xCD}, // Right
    {107, 0xCF}, // End
    {108, 0xD0}, // Down
    {109, 0xD1}, // Page Down
    {110, 0xD2}, // Insert
    {111, 0xD3}, // Delete
    {113, 0xA0}, // Mute
    {114, 0xAE}, // Volume Down
    {115, 0xB0}, // Volume Up
    {116, 0xDE}, // Power
    {117, 0x8D}, // keypad "=" (NUMPADEQUALS)
    {119, 0xC5}, // Pause / Break
    {121, 0x7E}, // keypad "." of Brazilian keyboards (ABNT_C2)
    {124, 0x7D}, // Yen
    {125, 0xDB}, // left Windows
    {126, 0xDC}, // right Windows
    {127, 0xDD}, // Menu (APPS)
    {128, 0xE8}, // browser Stop
    {140, 0xA1}, // Calculator
    {142, 0xDF}, // Sleep
    {143, 0xE3}, // Wake
    {155, 0xEC}, // Mail
    {156, 0xE6}, // browser Favourites
    {157, 0xEB}, // My Computer
    {158, 0xEA}, // browser Back
    {159, 0xE9}, // browser Forward
    {163, 0x99}, // Next Track
    {164, 0xA2}, // Play / Pause
    {165, 0x90}, // Previous Track
    {166, 0xA4}, // media Stop
    {172, 0xB2}, // browser Home
    {173, 0xE7}, // browser Refresh
    {183, 0x64}, // F13
    {184, 0x65}, // F14
    {185, 0x66}, // F15
    {217, 0xE5}, // browser Search
    {226, 0xED}, // Media Select
});

// Keys whose Windows key message does not carry their DirectInput code as scan code and flag.
struct WindowsKey
{
  uint32_t native; // the message's scan code, 0x100 for its extended flag
  uint8_t scan_code;
};

constexpr auto WINDOWS_EXCEPTIONS = std::to_array<WindowsKey>({
    {0x045, 0xC5}, // Pause comes with Num Lock's scan code, without the flag
    {0x145, 0x45}, // Num Lock comes with the flag
    {0x146, 0xC5}, // Ctrl+Pause is Break, sent as an extended Scroll Lock
    {0x054, 0xB7}, // Alt+Print Screen is SysRq, with a scan code of its own
    // Keys that Windows numbers outside the codes DirectInput names; they are the keys that
    // the table above finds on Linux.
    {0x059, 0x8D}, // keypad "="
    {0x05C, 0xB3}, // keypad "," of Japanese keyboards
    {0x076, 0x94}, // Zenkaku/Hankaku, the Kanji key
});

std::optional<uint8_t> ScanCodeFromInputCode(uint32_t input_code)
{
  const bool main_block = input_code >= 1 && input_code <= LAST_MAIN_INPUT_CODE;
  const bool iso_block = input_code >= FIRST_ISO_INPUT_CODE && input_code <= LAST_ISO_INPUT_CODE;
  if (main_block || iso_block)
    return static_cast<uint8_t>(input_code);
  const auto found =
      std::find_if(OTHER_INPUT_KEYS.begin(), OTHER_INPUT_KEYS.end(),
                   [input_code](const InputKey& key) { return key.input_code == input_code; });
  if (found == OTHER_INPUT_KEYS.end())
    return std::nullopt;
  return found->scan_code;
}

} // namespace

std::optional<uint8_t> ScanCodeFromX11(uint32_t x11_keycode)
{
  if (x11_keycode <= X11_KEYCODE_OFFSET)
    return std::nullopt;
  return ScanCodeFromInputCode(x11_keycode - X11_KEYCODE_OFFSET);
}

std::optional<uint32_t> X11KeycodeFromScanCode(uint8_t scan_code)
{
  for (uint32_t keycode = X11_KEYCODE_OFFSET + 1; keycode <= LAST_X11_KEYCODE; ++keycode)
  {
    if (ScanCodeFromX11(keycode) == scan_code)
      return keycode;
  }
  return std::nullopt;
}

std::optional<uint8_t> ScanCodeFromWindows(uint32_t native_scan_code)
{
  const uint32_t code = native_scan_code & 0xFFU;
  const bool extended = (native_scan_code & WINDOWS_EXTENDED_FLAG) != 0;
  // A key message made up by a program may carry a virtual-key code alone.
  if (code == 0 || code >= EXTENDED_BIT)
    return std::nullopt;
  const uint32_t native = code | (extended ? WINDOWS_EXTENDED_FLAG : 0U);
  for (const WindowsKey& key : WINDOWS_EXCEPTIONS)
  {
    if (key.native == native)
      return key.scan_code;
  }
  return static_cast<uint8_t>(code | (extended ? EXTENDED_BIT : 0U));
}

uint32_t WindowsScanCodeFromScanCode(uint8_t scan_code)
{
  const bool extended = (scan_code & EXTENDED_BIT) != 0;
  const uint32_t plain =
      (scan_code & ~EXTENDED_BIT & 0xFFU) | (extended ? WINDOWS_EXTENDED_FLAG : 0U);
  if (ScanCodeFromWindows(plain) == scan_code)
    return plain;
  const auto found =
      std::find_if(WINDOWS_EXCEPTIONS.begin(), WINDOWS_EXCEPTIONS.end(),
                   [scan_code](const WindowsKey& key) { return key.scan_code == scan_code; });
  return found == WINDOWS_EXCEPTIONS.end() ? plain : found->native;
}

std::string KeyTokenFromScanCode(uint8_t scan_code)
{
  constexpr std::string_view HEX_DIGITS = "0123456789ABCDEF";
  std::string token = {'k', HEX_DIGITS[scan_code >> 4U], HEX_DIGITS[scan_code & 0xFU]};
  if (KeyNameFromKeyToken(token).empty())
    return {};
  return token;
}

std::optional<uint8_t> ScanCodeFromKeyToken(std::string_view key_token)
{
  if (KeyNameFromKeyToken(key_token).empty())
    return std::nullopt;
  // A name was found, so the two characters after the first are upper-case hexadecimal digits.
  const auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
  return static_cast<uint8_t>(digit(key_token[1]) * 16 + digit(key_token[2]));
}

} // namespace corvane::KeyCodeManager
