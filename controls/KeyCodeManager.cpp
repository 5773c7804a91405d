#include "controls/KeyCodeManager.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace corvane::KeyCodeManager
{
namespace
{

// A key code the key-down event delivers, its name, and the name's scan code (nullptr for the
// names that only the capture side knows, such as "PAGE UP").
struct CodeRow
{
  int16_t key_code;
  std::string_view key_name;
  const char* scan_code;
};

// Names of the scan-code vocabulary that no key code produces; they come from files only.
struct ScanRow
{
  std::string_view key_name;
  std::string_view scan_code;
};

constexpr std::array<CodeRow, 110> CODE_ROWS = {{
    {1, "Left mouse button", nullptr},
    {2, "Right mouse button", nullptr},
    {3, "CANCEL", nullptr},
    {4, "Middle mouse button", nullptr},
    {8, "BACK", "0E"},
    {9, "TAB", "0F"},
    {12, "CLEAR", nullptr},
    {13, "RETURN", "1C"},
    {16, "LSHIFT", "2A"},
    {17, "LCONTROL", "1D"},
    {18, "LMENU", "38"},
    {19, "PAUSE", "C5"},
    {20, "CAPITAL", "3A"},
    {27, "ESCAPE", "01"},
    {32, "SPACE", "39"},
    {33, "PAGE UP", nullptr},
    {34, "PAGE DOWN", nullptr},
    {35, "END", "CF"},
    {36, "HOME", "C7"},
    {37, "LEFT", "CB"},
    {38, "UP", "C8"},
    {39, "RIGHT", "CD"},
    {40, "DOWN", "D0"},
    {41, "SELECT", nullptr},
    {42, "PRINT SCREEN", nullptr},
    {43, "EXECUTE", nullptr},
    {44, "SNAPSHOT", nullptr},
    {45, "INS", nullptr},
    {46, "DEL", nullptr},
    {47, "HELP", nullptr},
    {48, "0", "0B"},
    {49, "1", "02"},
    {50, "2", "03"},
    {51, "3", "04"},
    {52, "4", "05"},
    {53, "5", "06"},
    {54, "6", "07"},
    {55, "7", "08"},
    {56, "8", "09"},
    {57, "9", "0A"},
    {65, "A", "1E"},
    {66, "B", "30"},
    {67, "C", "2E"},
    {68, "D", "20"},
    {69, "E", "12"},
    {70, "F", "21"},
    {71, "G", "22"},
    {72, "H", "23"},
    {73, "I", "17"},
    {74, "J", "24"},
    {75, "K", "25"},
    {76, "L", "26"},
    {77, "M", "32"},
    {78, "N", "31"},
    {79, "O", "18"},
    {80, "P", "19"},
    {81, "Q", "10"},
    {82, "R", "13"},
    {83, "S", "1F"},
    {84, "T", "14"},
    {85, "U", "16"},
    {86, "V", "2F"},
    {87, "W", "11"},
    {88, "X", "2D"},
    {89, "Y", "15"},
    {90, "Z", "2C"},
    {96, "NUMPAD0", "52"},
    {97, "NUMPAD1", "4F"},
    {98, "NUMPAD2", "50"},
    {99, "NUMPAD3", "51"},
    {100, "NUMPAD4", "4B"},
    {101, "NUMPAD5", "4C"},
    {102, "NUMPAD6", "4D"},
    {103, "NUMPAD7", "47"},
    {104, "NUMPAD8", "48"},
    {105, "NUMPAD9", "49"},
    {106, "MULTIPLY", "37"},
    {107, "ADD", "4E"},
    {108, "NUMPADENTER", "9C"},
    {109, "SUBTRACT", "4A"},
    {110, "DECIMAL", "53"},
    {111, "DIVIDE", "B5"},
    {112, "F1", "3B"},
    {113, "F2", "3C"},
    {114, "F3", "3D"},
    {115, "F4", "3E"},
    {116, "F5", "3F"},
    {117, "F6", "40"},
    {118, "F7", "41"},
    {119, "F8", "42"},
    {120, "F9", "43"},
    {121, "F10", "44"},
    {122, "F11", "57"},
    {123, "F12", "58"},
    {124, "F13", "64"},
    {125, "F14", "65"},
    {126, "F15", "66"},
    {127, "F16", nullptr},
    {144, "NUMLOCK", "45"},
    {186, "SEMICOLON", "27"},
    {187, "EQUALS", "0D"},
    {188, ",", nullptr},
    {189, "MINUS", "0C"},
    {190, "PERIOD", "34"},
    {191, "SLASH", "35"},
    {192, "`", nullptr},
    {219, "LBRACKET", "1A"},
    {220, "BACKSLASH", "2B"},
    {221, "RBRACKET", "1B"},
    {222, "APOSTROPHE", "28"},
}};

constexpr std::array<ScanRow, 51> SCAN_ONLY_ROWS = {{
    {"GRAVE", "29"},      {"COMMA", "33"},       {"RSHIFT", "36"},      {"SCROLL", "46"},
    {"OEM_102", "56"},    {"KANA", "70"},        {"ABNT_C1", "73"},     {"CONVERT", "79"},
    {"NOCONVERT", "7B"},  {"YEN", "7D"},         {"ABNT_C2", "7E"},     {"NUMPADEQUALS", "8D"},
    {"PREVTRACK", "90"},  {"AT", "91"},          {"COLON", "92"},       {"UNDERLINE", "93"},
    {"KANJI", "94"},      {"STOP", "95"},        {"AX", "96"},          {"UNLABELED", "97"},
    {"NEXTTRACK", "99"},  {"RCONTROL", "9D"},    {"MUTE", "A0"},        {"CALCULATOR", "A1"},
    {"PLAYPAUSE", "A2"},  {"MEDIASTOP", "A4"},   {"VOLUMEDOWN", "AE"},  {"VOLUMEUP", "B0"},
    {"WEBHOME", "B2"},    {"NUMPADCOMMA", "B3"}, {"SYSRQ", "B7"},       {"RMENU", "B8"},
    {"PRIOR", "C9"},      {"NEXT", "D1"},        {"INSERT", "D2"},      {"DELETE", "D3"},
    {"LWIN", "DB"},       {"RWIN", "DC"},        {"APPS", "DD"},        {"POWER", "DE"},
    {"SLEEP", "DF"},      {"WAKE", "E3"},        {"WEBSEARCH", "E5"},   {"WEBFAVORITES", "E6"},
    {"WEBREFRESH", "E7"}, {"WEBSTOP", "E8"},     {"WEBFORWARD", "E9"},  {"WEBBACK", "EA"},
    {"MYCOMPUTER", "EB"}, {"MAIL", "EC"},        {"MEDIASELECT", "ED"},
}};

// Capture names of keys that have a scan code under another name. The key-down side keeps
// showing its own name; the token is the scan code's, so the binding names the key pressed.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> CAPTURE_ALIASES = {{
    {"PAGE UP", "PRIOR"},
    {"PAGE DOWN", "NEXT"},
    {"INS", "INSERT"},
    {"DEL", "DELETE"},
    {"SNAPSHOT", "SYSRQ"},
    {",", "COMMA"},
    {"`", "GRAVE"},
}};

std::string_view ScanNameOf(std::string_view key_name)
{
  for (const auto& [capture_name, scan_name] : CAPTURE_ALIASES)
  {
    if (capture_name == key_name)
      return scan_name;
  }
  return key_name;
}

// The 144 name and scan-code pairs, both directions of the token conversion.
const std::vector<ScanRow>& ScanPairs()
{
  static const std::vector<ScanRow> pairs = []
  {
    std::vector<ScanRow> all(SCAN_ONLY_ROWS.begin(), SCAN_ONLY_ROWS.end());
    for (const CodeRow& row : CODE_ROWS)
    {
      if (row.scan_code)
        all.push_back({row.key_name, row.scan_code});
    }
    return all;
  }();
  return pairs;
}

} // namespace

std::string KeyNameFromKeyCode(int16_t key_code)
{
  const auto found = std::find_if(CODE_ROWS.begin(), CODE_ROWS.end(),
                                  [&](const CodeRow& row) { return row.key_code == key_code; });
  if (found == CODE_ROWS.end())
    return std::to_string(key_code);
  return std::string(found->key_name);
}

std::string KeyTokenFromKeyName(std::string_view key_name)
{
  key_name = ScanNameOf(key_name);
  const auto& pairs = ScanPairs();
  const auto found = std::find_if(pairs.begin(), pairs.end(),
                                  [&](const ScanRow& row) { return row.key_name == key_name; });
  std::string token = "k";
  if (found != pairs.end())
    token += found->scan_code;
  return token;
}

std::string KeyNameFromKeyToken(std::string_view key_token)
{
  if (key_token.empty())
    return {};
  // The first character is dropped unseen: the files have always been read that way.
  const std::string_view scan_code = key_token.substr(1);
  const auto& pairs = ScanPairs();
  const auto found = std::find_if(pairs.begin(), pairs.end(),
                                  [&](const ScanRow& row) { return row.scan_code == scan_code; });
  return found == pairs.end() ? std::string() : std::string(found->key_name);
}

} // namespace corvane::KeyCodeManager
