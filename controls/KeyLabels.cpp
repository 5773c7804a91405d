#include "controls/KeyLabels.h"

#include "controls/KeyCodeManager.h"
#include "controls/ScanCodes.h"

#include <algorithm>
#include <array>

namespace corvane::KeyCodeManager
{
namespace
{

struct PlainName
{
  std::string_view key_name;   // as the scan-code table spells it
  std::string_view short_name; // fits a binding button
  std::string_view full_name;
};

// The scan-code names that read as abbreviations; every other name (letters, digits, F keys) is
// shown as it is.
constexpr auto PLAIN_NAMES = std::to_array<PlainName>({
    {"BACK", "Bksp", "Backspace"},
    {"TAB", "Tab", "Tab"},
    {"RETURN", "Enter", "Enter"},
    {"LSHIFT", "L Shift", "Left Shift"},
    {"RSHIFT", "R Shift", "Right Shift"},
    {"LCONTROL", "L Ctrl", "Left Ctrl"},
    {"RCONTROL", "R Ctrl", "Right Ctrl"},
    {"LMENU", "L Alt", "Left Alt"},
    {"RMENU", "R Alt", "Right Alt"},
    {"PAUSE", "Pause", "Pause"},
    {"CAPITAL", "Caps", "Caps Lock"},
    {"ESCAPE", "Esc", "Esc"},
    {"SPACE", "Space", "Space"},
    {"PRIOR", "PgUp", "Page Up"},
    {"NEXT", "PgDn", "Page Down"},
    {"END", "End", "End"},
    {"HOME", "Home", "Home"},
    {"LEFT", "Left", "Left"},
    {"UP", "Up", "Up"},
    {"RIGHT", "Right", "Right"},
    {"DOWN", "Down", "Down"},
    {"INSERT", "Ins", "Insert"},
    {"DELETE", "Del", "Delete"},
    {"SYSRQ", "PrtSc", "Print Screen"},
    {"NUMPAD0", "Num 0", "Num 0"},
    {"NUMPAD1", "Num 1", "Num 1"},
    {"NUMPAD2", "Num 2", "Num 2"},
    {"NUMPAD3", "Num 3", "Num 3"},
    {"NUMPAD4", "Num 4", "Num 4"},
    {"NUMPAD5", "Num 5", "Num 5"},
    {"NUMPAD6", "Num 6", "Num 6"},
    {"NUMPAD7", "Num 7", "Num 7"},
    {"NUMPAD8", "Num 8", "Num 8"},
    {"NUMPAD9", "Num 9", "Num 9"},
    {"MULTIPLY", "Num *", "Num *"},
    {"ADD", "Num +", "Num +"},
    {"NUMPADENTER", "Num Ent", "Num Enter"},
    {"SUBTRACT", "Num -", "Num -"},
    {"DECIMAL", "Num .", "Num ."},
    {"DIVIDE", "Num /", "Num /"},
    {"NUMPADEQUALS", "Num =", "Num ="},
    {"NUMPADCOMMA", "Num ,", "Num ,"},
    {"ABNT_C2", "Num .", "Num . (Brazilian)"},
    {"NUMLOCK", "NumLk", "Num Lock"},
    {"SCROLL", "ScrLk", "Scroll Lock"},
    {"SEMICOLON", ";", ";"},
    {"EQUALS", "=", "="},
    {"MINUS", "-", "-"},
    {"GRAVE", "Grave", "Grave accent"},
    {"COMMA", "Comma", "Comma"},
    {"PERIOD", "Period", "Period"},
    {"SLASH", "/", "/"},
    {"BACKSLASH", "\\", "\\"},
    {"LBRACKET", "[", "["},
    {"RBRACKET", "]", "]"},
    {"APOSTROPHE", "Quote", "Apostrophe"},
    {"OEM_102", "ISO", "ISO key"},
    {"ABNT_C1", "ABNT1", "ABNT C1"},
    {"YEN", "Yen", "Yen"},
    {"KANA", "Kana", "Kana"},
    {"KANJI", "Kanji", "Kanji"},
    {"CONVERT", "Conv", "Convert"},
    {"NOCONVERT", "NoConv", "No Convert"},
    {"AT", "@", "@"},
    {"COLON", ":", ":"},
    {"UNDERLINE", "_", "_"},
    {"STOP", "Stop", "Stop"},
    {"UNLABELED", "Unlab", "Unlabeled"},
    {"LWIN", "L Win", "Left Windows"},
    {"RWIN", "R Win", "Right Windows"},
    {"APPS", "Menu", "Menu"},
    {"PREVTRACK", "Prev", "Previous Track"},
    {"NEXTTRACK", "Next", "Next Track"},
    {"MUTE", "Mute", "Mute"},
    {"CALCULATOR", "Calc", "Calculator"},
    {"PLAYPAUSE", "Play", "Play/Pause"},
    {"MEDIASTOP", "M Stop", "Media Stop"},
    {"VOLUMEDOWN", "Vol -", "Volume Down"},
    {"VOLUMEUP", "Vol +", "Volume Up"},
    {"WEBHOME", "W Home", "Browser Home"},
    {"POWER", "Power", "Power"},
    {"SLEEP", "Sleep", "Sleep"},
    {"WAKE", "Wake", "Wake"},
    {"WEBSEARCH", "Search", "Browser Search"},
    {"WEBFAVORITES", "Favs", "Browser Favorites"},
    {"WEBREFRESH", "Reload", "Browser Refresh"},
    {"WEBSTOP", "W Stop", "Browser Stop"},
    {"WEBFORWARD", "Fwd", "Browser Forward"},
    {"WEBBACK", "Back", "Browser Back"},
    {"MYCOMPUTER", "My PC", "My Computer"},
    {"MAIL", "Mail", "Mail"},
    {"MEDIASELECT", "Media", "Media Select"},
});

// Characters too thin to find on a button are named in words, as the table names them above.
constexpr auto THIN_CHARACTERS = std::to_array<PlainName>({
    {",", "Comma", "Comma"},
    {".", "Period", "Period"},
    {"`", "Grave", "Grave accent"},
    {"'", "Quote", "Apostrophe"},
    {"\xC2\xB4", "Acute", "Acute accent"}, // ´
});

// The keys of the main block that type a character, by their code; the rest of the main block
// are Backspace, Tab, Enter, Ctrl, the Shifts and the keypad's "*".
constexpr auto CHARACTER_KEY_RANGES = std::to_array<std::pair<uint8_t, uint8_t>>({
    {0x02, 0x0D}, // 1 to =
    {0x10, 0x1B}, // Q to ]
    {0x1E, 0x29}, // A to `
    {0x2B, 0x35}, // \ to /
    {0x56, 0x56}, // the ISO key left of Z
    {0x73, 0x73}, // Ro, Brazilian /
    {0x7D, 0x7D}, // Yen
});

template <size_t N>
const PlainName* Find(const std::array<PlainName, N>& names, std::string_view key_name)
{
  const auto found = std::find_if(names.begin(), names.end(),
                                  [&](const PlainName& row) { return row.key_name == key_name; });
  return found == names.end() ? nullptr : &*found;
}

// A character the platform gave, when it can stand on a key cap: printable and short.
bool IsShowable(std::string_view character)
{
  constexpr size_t LONGEST = 8; // bytes: a character with a combining mark or two
  return !character.empty() && character.size() <= LONGEST &&
         static_cast<unsigned char>(character.front()) > ' ' && character.front() != '\x7F';
}

KeyLabel CharacterLabel(std::string_view character)
{
  if (const PlainName* thin = Find(THIN_CHARACTERS, character))
    return {std::string(thin->short_name), std::string(thin->full_name)};
  return {std::string(character), std::string(character)};
}

KeyLabel TableLabel(const std::string& key_name)
{
  if (const PlainName* plain = Find(PLAIN_NAMES, key_name))
    return {std::string(plain->short_name), std::string(plain->full_name)};
  return {key_name, key_name};
}

KeyLabel QuotedToken(std::string_view key_token)
{
  std::string quoted(1, '"');
  quoted.append(key_token).push_back('"');
  return {quoted, quoted};
}

} // namespace

bool IsCharacterKey(uint8_t scan_code)
{
  return std::any_of(CHARACTER_KEY_RANGES.begin(), CHARACTER_KEY_RANGES.end(),
                     [scan_code](const auto& range)
                     { return scan_code >= range.first && scan_code <= range.second; });
}

KeyLabel KeyLabelsFromKeyToken(std::string_view key_token, const LayoutCharacter& layout)
{
  if (key_token.empty())
    return {};
  const std::string name = KeyNameFromKeyToken(key_token);
  if (name.empty())
    return QuotedToken(key_token);
  const auto scan_code = ScanCodeFromKeyToken(key_token);
  if (layout && scan_code && IsCharacterKey(*scan_code))
  {
    const std::string character = layout(*scan_code);
    if (IsShowable(character))
      return CharacterLabel(character);
  }
  return TableLabel(name);
}

std::string KeyLabelFromKeyToken(std::string_view key_token, const LayoutCharacter& layout)
{
  return KeyLabelsFromKeyToken(key_token, layout).full_name;
}

} // namespace corvane::KeyCodeManager
