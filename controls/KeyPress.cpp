#include "controls/KeyPress.h"

#include "controls/KeyCodeManager.h"
#include "controls/ScanCodes.h"

namespace corvane::KeyCodeManager
{
namespace
{

std::string TokenOf(const KeyPress& press)
{
  if (press.has_scan_code)
    return press.scan_code ? KeyTokenFromScanCode(*press.scan_code) : std::string();
  std::string token = KeyTokenFromKeyName(KeyNameFromKeyCode(press.virtual_key));
  return token == "k" ? std::string() : token; // "k" alone: the name has no scan code
}

} // namespace

PressedKey KeyFromPress(const KeyPress& press)
{
  PressedKey key{TokenOf(press), {}};
  if (key.token.empty())
    return key;
  // "PAGE UP" and "DEL" are the names the virtual keys give; the scan codes call them otherwise.
  key.name = KeyNameFromKeyCode(press.virtual_key);
  if (KeyTokenFromKeyName(key.name) != key.token)
    key.name = KeyNameFromKeyToken(key.token);
  return key;
}

} // namespace corvane::KeyCodeManager
