#pragma once

// The program's own settings and the four-line file "corvane.cfg" that keeps them.

#include "base/AppDir.h"
#include "base/Outcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

struct FrontendSettings
{
  std::string CommandOptions; // extra emulator options
  int16_t CfgWrapperFlag = 0; // write the wrapper configuration at every save
  int16_t MakeDatFlag = 0;    // write the DAT at every interactive start-up
  int16_t ShowCmdFlag = 0;    // show the launch command line before each launch
  std::string DatPath;        // the DAT's output path; set only by the batch switch
};

inline constexpr std::string_view SETTINGS_FILE = "corvane.cfg";
// The options box on a first start (no settings file yet): the emulator's default config.
inline constexpr std::string_view FIRST_START_OPTIONS = "--use-config-file=zinc.cfg";

namespace ZincListMan
{

// Applies the file's text as the reader does: one line buffer, each missing line leaving the
// buffer as it was, flags unchanged when the text is no number. nullopt text = no file.
void ApplySettingsText(const std::string* text, FrontendSettings& settings);

// Reads "corvane.cfg" from the directory; a missing or unreadable file changes only
// CommandOptions (to empty).
void ReadSettings(const AppDir& dir, FrontendSettings& settings);

// The file's four lines: the options text as typed, then each flag as " 1 " or " 0 ".
std::string SettingsFileText(std::string_view options_text, const FrontendSettings& settings);

// Writes "corvane.cfg"; the outcome names the file when it could not be written.
Outcome WriteSettings(const AppDir& dir, std::string_view options_text,
                      const FrontendSettings& settings);

// The number a flag line converts to, as a 16-bit whole number; nullopt when it is none.
std::optional<int16_t> FlagFromText(std::string_view text);

} // namespace ZincListMan

} // namespace corvane
