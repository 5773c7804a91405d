#include "base/Settings.h"

#include "base/CodePage.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace corvane::ZincListMan
{
namespace
{

std::string OptionsFromLine(std::string_view line)
{
#ifdef _WIN32
  // File names are case-insensitive there; the options have always come back lowered, as whole
  // characters of the code page.
  return std::string(Trim(LowerAnsi(line)));
#else
  // A lowered path would name another file on a case-sensitive file system.
  return std::string(Trim(line));
#endif
}

void SetFlagFrom(std::string_view buffer, int16_t& flag)
{
  if (const auto value = FlagFromText(buffer))
    flag = *value;
}

} // namespace

std::optional<int16_t> FlagFromText(std::string_view text)
{
  text = Trim(text);
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
    ++pos;
  const size_t digits_start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
    ++pos;
  size_t digit_count = pos - digits_start;
  if (pos < text.size() && text[pos] == '.')
  {
    ++pos;
    const size_t fraction_start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
      ++pos;
    digit_count += pos - fraction_start;
  }
  if (digit_count == 0 || pos != text.size() || text.size() > 64)
    return std::nullopt;
  // A fraction rounds to the even neighbour, as the 16-bit conversion always has.
  const double value = std::nearbyint(std::strtod(std::string(text).c_str(), nullptr));
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    return std::nullopt;
  return static_cast<int16_t>(value);
}

void ApplySettingsText(const std::string* text, FrontendSettings& settings)
{
  // One line buffer: a line that cannot be read leaves the previous line in it, and each
  // field is still set from the buffer.
  std::string_view buffer;
  std::vector<std::string_view> lines;
  if (text)
    lines = SplitLines(*text);
  const auto read_line = [&](size_t index)
  {
    if (index < lines.size())
      buffer = lines[index];
  };
  read_line(0);
  settings.CommandOptions = OptionsFromLine(buffer);
  read_line(1);
  SetFlagFrom(buffer, settings.CfgWrapperFlag);
  read_line(2);
  SetFlagFrom(buffer, settings.MakeDatFlag);
  read_line(3);
  SetFlagFrom(buffer, settings.ShowCmdFlag);
}

void ReadSettings(const AppDir& dir, FrontendSettings& settings)
{
  const auto text = ReadFileBytes(dir.File(SETTINGS_FILE));
  ApplySettingsText(text ? &*text : nullptr, settings);
}

std::string SettingsFileText(std::string_view options_text, const FrontendSettings& settings)
{
  const auto flag = [](int16_t value) { return value == 1 ? " 1 \r\n" : " 0 \r\n"; };
  std::string text(options_text);
  text += "\r\n";
  text += flag(settings.CfgWrapperFlag);
  text += flag(settings.MakeDatFlag);
  text += flag(settings.ShowCmdFlag);
  return text;
}

Outcome WriteSettings(const AppDir& dir, std::string_view options_text,
                      const FrontendSettings& settings)
{
  Outcome outcome;
  const std::string path = dir.File(SETTINGS_FILE);
  if (!WriteFileAtomic(path, SettingsFileText(options_text, settings)))
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  return outcome;
}

} // namespace corvane::ZincListMan
