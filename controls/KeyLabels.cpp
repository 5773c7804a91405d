#include "controls/KeyLabels.h"

#include "controls/KeyCodeManager.h"

#include <algorithm>
#include <array>

namespace corvane::KeyCodeManager
{
namespace
{

struct PlainName
{
  std::string_view key_name; // as the scan-code table spells it
  std::string_view label;
};

// The scan-code names that read as abbreviations; every other name is shown as it is.
constexpr auto PLAIN_NAMES = std::to_array<PlainName>({
    {"BACK", "Backspace"},
    {"TAB", "Tab"},
    {"RETURN", "Enter"},
    {"LSHIFT", "Left Shift"},
    {"RSHIFT", "Right Shift"},
    {"LCONTROL", "Left Ctrl"},
    {"RCONTROL", "Right Ctrl"},
    {"LMENU", "Left Alt"},
    {"RMENU", "Right Alt"},
    {"PAUSE", "Pause"},
    {"CAPITAL", "Caps Lock"},
    {"ESCAPE", "Esc"},
    {"SPACE", "Space"},
    {"PRIOR", "Page Up"},
    {"NEXT", "Page Down"},
    {"END", "End"},
    {"HOME", "Home"},
    {"LEFT", "Left"},
    {"UP", "Up"},
    {"RIGHT", "Right"},
    {"DOWN", "Down"},
    {"INSERT", "Insert"},
    {"DELETE", "Delete"},
    {"SYSRQ", "Print Screen"},
    {"NUMPAD0", "Num 0"},
    {"NUMPAD1", "Num 1"},
    {"NUMPAD2", "Num 2"},
    {"NUMPAD3", "Num 3"},
    {"NUMPAD4", "Num 4"},
    {"NUMPAD5", "Num 5"},
    {"NUMPAD6", "Num 6"},
    {"NUMPAD7", "Num 7"},
    {"NUMPAD8", "Num 8"},
    {"NUMPAD9", "Num 9"},
    {"MULTIPLY", "Num *"},
    {"ADD", "Num +"},
    {"NUMPADENTER", "Num Enter"},
    {"SUBTRACT", "Num -"},
    {"DECIMAL", "Num ."},
    {"DIVIDE", "Num /"},
    {"NUMLOCK", "Num Lock"},
    {"SCROLL", "Scroll Lock"},
    {"SEMICOLON", ";"},
    {"EQUALS", "="},
    {"MINUS", "-"},
    {"GRAVE", "`"},
    {"COMMA", ","},
    {"PERIOD", "."},
    {"SLASH", "/"},
    {"BACKSLASH", "\\"},
    {"LBRACKET", "["},
    {"RBRACKET", "]"},
    {"APOSTROPHE", "'"},
    {"LWIN", "Left Windows"},
    {"RWIN", "Right Windows"},
    {"APPS", "Menu"},
});

} // namespace

std::string KeyLabelFromKeyToken(std::string_view key_token)
{
  if (key_token.empty())
    return {};
  const std::string name = KeyNameFromKeyToken(key_token);
  if (name.empty())
    return std::string("\"").append(key_token).append("\"");
  const auto plain = std::find_if(PLAIN_NAMES.begin(), PLAIN_NAMES.end(),
                                  [&](const PlainName& row) { return row.key_name == name; });
  return plain == PLAIN_NAMES.end() ? name : std::string(plain->label);
}

} // namespace corvane::KeyCodeManager
