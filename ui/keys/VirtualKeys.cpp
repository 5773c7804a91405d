#include "ui/keys/VirtualKeys.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace corvane
{
namespace
{

struct KeyPair
{
  int qt_key;
  int16_t virtual_key;
};

// Keys whose code does not depend on the keypad. A shifted punctuation key reports its shifted
// character, so both characters of a key map to the key's one code.
constexpr std::array KEYS = std::to_array<KeyPair>({
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},
    {Qt::Key_Execute, 43},
    {Qt::Key_Print, 44},
    {Qt::Key_SysReq, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // The shifted digits of the top row.
    {Qt::Key_ParenRight, 48},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
});

// Keys of the numeric keypad that have codes of their own there. With Num Lock off the keypad
// reports navigation keys, which keep the codes of the table above, as they do on Windows.
constexpr std::array KEYPAD_KEYS = std::to_array<KeyPair>({
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111},
});

// Keys outside the US layout that Windows still has codes for: media, browser and launch keys,
// and the input-method keys of Asian keyboards.
constexpr std::array EXTRA_KEYS = std::to_array<KeyPair>({
    {Qt::Key_Sleep, 95},
    {Qt::Key_Back, 166},
    {Qt::Key_Forward, 167},
    {Qt::Key_Refresh, 168},
    {Qt::Key_Stop, 169},
    {Qt::Key_Search, 170},
    {Qt::Key_Favorites, 171},
    {Qt::Key_HomePage, 172},
    {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeDown, 174},
    {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176},
    {Qt::Key_MediaPrevious, 177},
    {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaPlay, 179},
    {Qt::Key_MediaPause, 179},
    {Qt::Key_MediaTogglePlayPause, 179},
    {Qt::Key_LaunchMail, 180},
    {Qt::Key_LaunchMedia, 181},
    {Qt::Key_Explorer, 182},
    {Qt::Key_Launch0, 182},
    {Qt::Key_Calculator, 183},
    {Qt::Key_Launch1, 183},
    {Qt::Key_Hangul, 21},
    {Qt::Key_Kana_Lock, 21},
    {Qt::Key_Katakana, 21},
    {Qt::Key_Hiragana_Katakana, 21},
    {Qt::Key_Hangul_Hanja, 25},
    {Qt::Key_Kanji, 25},
    {Qt::Key_Henkan, 28},
    {Qt::Key_Muhenkan, 29},
    {Qt::Key_Printer, 42},
    {Qt::Key_Play, 250},
    {Qt::Key_Zoom, 251},
});

std::optional<int16_t> Find(const auto& table, int qt_key)
{
  const auto found = std::find_if(table.begin(), table.end(),
                                  [qt_key](const KeyPair& pair) { return pair.qt_key == qt_key; });
  if (found == table.end())
    return std::nullopt;
  return found->virtual_key;
}

std::optional<int16_t> KnownKey(int qt_key, bool keypad)
{
  // Letters and digits share their codes with Windows (the upper-case ASCII codes).
  const bool letter = qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z;
  const bool digit = qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9;
  if (digit && keypad)
    return static_cast<int16_t>(96 + (qt_key - Qt::Key_0));
  if (letter || digit)
    return static_cast<int16_t>(qt_key);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    return static_cast<int16_t>(112 + (qt_key - Qt::Key_F1));
  if (keypad)
  {
    if (const auto code = Find(KEYPAD_KEYS, qt_key))
      return *code;
  }
  if (const auto code = Find(KEYS, qt_key))
    return code;
  return Find(EXTRA_KEYS, qt_key);
}

} // namespace

int16_t VirtualKeyFromQtKey(int qt_key, bool keypad)
{
  return KnownKey(qt_key, keypad).value_or(NO_VIRTUAL_KEY);
}

} // namespace corvane
