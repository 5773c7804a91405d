#include "controls/ScanCodes.h"
#include "controls/KeyCodeManager.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

// The token a key gets from its X11 key code, or from a Windows key message; empty when the key
// is refused.
std::string TokenFromX11(uint32_t x11_keycode)
{
  const auto code = ScanCodeFromX11(x11_keycode);
  return code ? KeyTokenFromScanCode(*code) : std::string();
}

std::string TokenFromWindows(uint32_t native)
{
  const auto code = ScanCodeFromWindows(native);
  return code ? KeyTokenFromScanCode(*code) : std::string();
}

struct UsKey
{
  int16_t virtual_key;
  uint32_t x11_keycode;    // the key's place on a US keyboard (evdev)
  uint32_t windows_native; // its key message's scan code, 0x100 for the extended flag
};

// Every key of the key-code table that binds a scan code, pressed on a US keyboard: the token
// of the physical key is the token its key code has always given, so no stored file changes
// meaning.
constexpr UsKey US_KEYS[] = {
    {8, 22, 0x0E},    {9, 23, 0x0F},    {13, 36, 0x1C},    {16, 50, 0x2A},   {17, 37, 0x1D},
    {18, 64, 0x38},   {19, 127, 0x45},  {20, 66, 0x3A},    {27, 9, 0x01},    {32, 65, 0x39},
    {33, 112, 0x149}, {34, 117, 0x151}, {35, 115, 0x14F},  {36, 110, 0x147}, {37, 113, 0x14B},
    {38, 111, 0x148}, {39, 114, 0x14D}, {40, 116, 0x150},  {44, 107, 0x137}, {45, 118, 0x152},
    {46, 119, 0x153}, {48, 19, 0x0B},   {49, 10, 0x02},    {50, 11, 0x03},   {51, 12, 0x04},
    {52, 13, 0x05},   {53, 14, 0x06},   {54, 15, 0x07},    {55, 16, 0x08},   {56, 17, 0x09},
    {57, 18, 0x0A},   {65, 38, 0x1E},   {66, 56, 0x30},    {67, 54, 0x2E},   {68, 40, 0x20},
    {69, 26, 0x12},   {70, 41, 0x21},   {71, 42, 0x22},    {72, 43, 0x23},   {73, 31, 0x17},
    {74, 44, 0x24},   {75, 45, 0x25},   {76, 46, 0x26},    {77, 58, 0x32},   {78, 57, 0x31},
    {79, 32, 0x18},   {80, 33, 0x19},   {81, 24, 0x10},    {82, 27, 0x13},   {83, 39, 0x1F},
    {84, 28, 0x14},   {85, 30, 0x16},   {86, 55, 0x2F},    {87, 25, 0x11},   {88, 53, 0x2D},
    {89, 29, 0x15},   {90, 52, 0x2C},   {96, 90, 0x52},    {97, 87, 0x4F},   {98, 88, 0x50},
    {99, 89, 0x51},   {100, 83, 0x4B},  {101, 84, 0x4C},   {102, 85, 0x4D},  {103, 79, 0x47},
    {104, 80, 0x48},  {105, 81, 0x49},  {106, 63, 0x37},   {107, 86, 0x4E},  {108, 104, 0x11C},
    {109, 82, 0x4A},  {110, 91, 0x53},  {111, 106, 0x135}, {112, 67, 0x3B},  {113, 68, 0x3C},
    {114, 69, 0x3D},  {115, 70, 0x3E},  {116, 71, 0x3F},   {117, 72, 0x40},  {118, 73, 0x41},
    {119, 74, 0x42},  {120, 75, 0x43},  {121, 76, 0x44},   {122, 95, 0x57},  {123, 96, 0x58},
    {124, 191, 0x64}, {125, 192, 0x65}, {126, 193, 0x66},  {144, 77, 0x145}, {186, 47, 0x27},
    {187, 21, 0x0D},  {188, 59, 0x33},  {189, 20, 0x0C},   {190, 60, 0x34},  {191, 61, 0x35},
    {192, 49, 0x29},  {219, 34, 0x1A},  {220, 51, 0x2B},   {221, 35, 0x1B},  {222, 48, 0x28},
};

TEST(ScanCodes, UsKeysKeepTheTokenOfTheirKeyCode)
{
  for (const UsKey& key : US_KEYS)
  {
    const std::string today = KeyTokenFromKeyName(KeyNameFromKeyCode(key.virtual_key));
    ASSERT_NE(today, "k") << key.virtual_key;
    EXPECT_EQ(TokenFromX11(key.x11_keycode), today) << key.virtual_key;
    EXPECT_EQ(TokenFromWindows(key.windows_native), today) << key.virtual_key;
  }
}

struct OtherKey
{
  const char* key;
  uint32_t x11_keycode;
  uint32_t windows_native; // 0: no key message of its own
  const char* token;       // empty: refused
};

// Keys the key-code table has no name for, and the keys that share a code with their pair.
constexpr OtherKey OTHER_KEYS[] = {
    {"Scroll Lock", 78, 0x46, "k46"},
    {"left Windows", 133, 0x15B, "kDB"},
    {"right Windows", 134, 0x15C, "kDC"},
    {"Menu", 135, 0x15D, "kDD"},
    {"ISO key", 94, 0x56, "k56"},
    {"Katakana/Hiragana", 101, 0x70, "k70"},
    {"Henkan", 100, 0x79, "k79"},
    {"Muhenkan", 102, 0x7B, "k7B"},
    {"Yen", 132, 0x7D, "k7D"},
    {"Zenkaku/Hankaku", 93, 0x76, "k94"},
    {"Ro", 97, 0x73, "k73"},
    {"Brazilian keypad .", 129, 0x7E, "k7E"},
    {"keypad =", 125, 0x59, "k8D"},
    {"Japanese keypad ,", 103, 0x5C, "kB3"},
    {"Volume Up", 123, 0x130, "kB0"},
    {"Volume Down", 122, 0x12E, "kAE"},
    {"Mute", 121, 0x120, "kA0"},
    {"Play", 172, 0x122, "kA2"},
    {"media Stop", 174, 0x124, "kA4"},
    {"Next Track", 171, 0x119, "k99"},
    {"Previous Track", 173, 0x110, "k90"},
    {"Calculator", 148, 0x121, "kA1"},
    {"Mail", 163, 0x16C, "kEC"},
    {"My Computer", 165, 0x16B, "kEB"},
    {"Media Select", 234, 0x16D, "kED"},
    {"browser Home", 180, 0x132, "kB2"},
    {"browser Search", 225, 0x165, "kE5"},
    {"browser Favourites", 164, 0x166, "kE6"},
    {"browser Refresh", 181, 0x167, "kE7"},
    {"browser Stop", 136, 0x168, "kE8"},
    {"browser Forward", 167, 0x169, "kE9"},
    {"browser Back", 166, 0x16A, "kEA"},
    {"Power", 124, 0x15E, "kDE"},
    {"Sleep", 150, 0x15F, "kDF"},
    {"Wake", 151, 0x163, "kE3"},
    {"right Shift", 62, 0x36, "k36"},
    {"right Ctrl", 105, 0x11D, "k9D"},
    {"right Alt, AltGr", 108, 0x138, "kB8"},
    {"Break (Ctrl+Pause)", 0, 0x146, "kC5"},
    {"SysRq (Alt+Print Screen)", 0, 0x54, "kB7"},
    {"keypad 5, Num Lock off", 84, 0x4C, "k4C"},
    {"F16", 194, 0x67, ""},
    {"Help", 146, 0, ""},
    {"X key code with no key", 255, 0, ""},
    {"key message without a scan code", 0, 0x100, ""},
};

TEST(ScanCodes, OtherKeysBindTheirCodeOrNothing)
{
  for (const OtherKey& key : OTHER_KEYS)
  {
    if (key.x11_keycode != 0)
    {
      EXPECT_EQ(TokenFromX11(key.x11_keycode), key.token) << key.key;
    }
    if (key.windows_native != 0)
    {
      EXPECT_EQ(TokenFromWindows(key.windows_native), key.token) << key.key;
    }
  }
}

// Labels look a key up by its place: the way back from a code must lead to the same code.
TEST(ScanCodes, EveryNamedCodeLeadsBackToItsKey)
{
  for (int code = 0; code <= 0xFF; ++code)
  {
    const auto scan_code = static_cast<uint8_t>(code);
    if (const auto keycode = X11KeycodeFromScanCode(scan_code))
    {
      EXPECT_EQ(ScanCodeFromX11(*keycode), scan_code) << code;
    }
    if (!KeyTokenFromScanCode(scan_code).empty())
    {
      EXPECT_EQ(ScanCodeFromWindows(WindowsScanCodeFromScanCode(scan_code)), scan_code) << code;
    }
  }
}

TEST(ScanCodes, TokensGiveBackTheirCode)
{
  const struct
  {
    const char* token;
    std::optional<uint8_t> code;
  } cases[] = {
      {"k1E", 0x1E},         {"kC9", 0xC9},         {"x1E", 0x1E},      {"k", std::nullopt},
      {"k55", std::nullopt}, {"k2a", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScanCodeFromKeyToken(c.token), c.code) << c.token;
}

} // namespace
} // namespace corvane
