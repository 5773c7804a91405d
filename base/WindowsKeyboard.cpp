#include "base/WindowsKeyboard.h"

#ifdef _WIN32
#include <array>
#include <windows.h>
#endif

namespace corvane
{

#ifdef _WIN32

namespace
{

constexpr uint32_t EXTENDED_FLAG = 0x100;
constexpr UINT EXTENDED_PREFIX = 0xE000; // how MapVirtualKeyEx marks an extended scan code
// ToUnicodeEx flag: leave the keyboard state, dead keys included, as it was (Windows 10 1607
// on); without it, asking about a dead key would put an accent on the player's next letter.
constexpr UINT KEEP_KEYBOARD_STATE = 0x4;

std::string Utf8(const wchar_t* text, int length)
{
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0)
    return {};
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

} // namespace

std::string WindowsKeyCharacter(uint32_t windows_scan_code)
{
  HKL layout = GetKeyboardLayout(0);
  UINT scan_code = windows_scan_code & 0xFFU;
  if ((windows_scan_code & EXTENDED_FLAG) != 0)
    scan_code |= EXTENDED_PREFIX;
  const UINT virtual_key = MapVirtualKeyExW(scan_code, MAPVK_VSC_TO_VK_EX, layout);
  if (virtual_key == 0)
    return {};
  const std::array<BYTE, 256> no_modifiers = {};
  std::array<wchar_t, 8> typed = {};
  int length = ToUnicodeEx(virtual_key, scan_code, no_modifiers.data(), typed.data(),
                           static_cast<int>(typed.size()), KEEP_KEYBOARD_STATE, layout);
  // A dead key gives -1 and its accent as a character of its own.
  if (length < 0)
    length = 1;
  if (length == 0 || typed[0] < L' ')
    return {};
  CharUpperBuffW(typed.data(), static_cast<DWORD>(length));
  return Utf8(typed.data(), length);
}

#else

std::string WindowsKeyCharacter(uint32_t)
{
  return {};
}

#endif

} // namespace corvane
