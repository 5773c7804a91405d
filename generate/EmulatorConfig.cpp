#include "generate/EmulatorConfig.h"

#include "base/Messages.h"
#include "base/Text.h"
#include "catalogue/RunListing.h"
#include "generate/ListingFile.h"

#include <array>
#include <optional>

namespace corvane::ZincListMan
{
namespace
{

struct FixedValue
{
  std::string_view name;
  std::string_view value;
};

// Options without a default that the front end fills in: its usual plug-ins and their files.
constexpr std::array<FixedValue, 3> FIXED_VALUES{{
    {"--renderer", "renderer.znc"},
    {"--use-renderer-cfg-file", RENDERER_CONFIG_FILE},
    {"--controller", "controller.znc"},
}};

constexpr std::string_view CONTROLLER_FILE_OPTION = "--use-controller-cfg-file";
constexpr std::string_view CONTROLLER_FILE_NOTE =
    "  the front end passes this value, which varies depending upon the game";

// The default of an option text: between the first "def:" and the next one, blanks trimmed.
std::optional<std::string_view> DefaultOf(std::string_view option_text)
{
  constexpr std::string_view MARK = "def:";
  const auto start = option_text.find(MARK);
  if (start == std::string_view::npos)
    return std::nullopt;
  std::string_view rest = option_text.substr(start + MARK.size());
  return Trim(rest.substr(0, rest.find(MARK)));
}

// Why zinc.exe under Wine could not be given the ROM folder; empty when it can.
std::string RomsFolderRefusal(const AppDir& dir, const EmulatorRoute& route)
{
  return PathRefusal(route, dir.File("roms") + "/.");
}

// The line for an option without a default; nullopt drops it. The configuration file itself
// is named on the command line, and the per-game controller file is passed at every launch.
std::optional<std::string> LineWithoutDefault(std::string_view name, const AppDir& dir,
                                              const EmulatorRoute& route)
{
  const std::string written(name);
  if (name == "--use-config-file")
    return std::nullopt;
  // The emulator opens this folder itself: under Wine it needs a path with a drive.
  // With no drive to name it by, the line is left to the player (the problem says why).
  if (name == "--roms-directory" && route.kind == RouteKind::Wine)
    return RomsFolderRefusal(dir, route).empty()
               ? written + "=" + PathForEmulator(route, dir.File("roms")) + "\\"
               : "//" + written + "=";
  if (name == "--roms-directory")
    return written + "=" + dir.File("roms") + PATH_SEPARATOR;
  for (const FixedValue& fixed : FIXED_VALUES)
  {
    if (name == fixed.name)
      return written + "=" + std::string(fixed.value);
  }
  if (name == CONTROLLER_FILE_OPTION)
    return "//" + written + "=" + std::string(CONTROLLER_FILE_NOTE);
  return "//" + written + "=";
}

} // namespace

std::string EmulatorConfigFromOptions(std::string_view listing, const AppDir& dir,
                                      const EmulatorRoute& route)
{
  std::string text;
  for (std::string_view line : SplitLines(listing))
  {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
      continue;
    const std::string_view name = line.substr(0, equals);
    const std::string_view after = line.substr(equals + 1);
    const std::string_view option_text = after.substr(0, after.find('='));
    std::optional<std::string> written;
    if (const auto value = DefaultOf(option_text))
      written = std::string(name) + "=" + std::string(*value);
    else
      written = LineWithoutDefault(name, dir, route);
    if (written)
      text.append(*written).append("\r\n");
  }
  return text;
}

Outcome MakeDefaultEmulatorConfig(const AppDir& dir)
{
  Outcome outcome = RunListing(dir, OPTIONS_LISTING_COMMAND);
  // Half an option list would make a configuration that silently lacks options.
  if (!outcome.Ok())
    return outcome;
  const EmulatorRoute route = EmulatorRouteFor(dir);
  outcome = WriteFromListingFile(dir.File(OPTIONS_LISTING_FILE), dir.File(EMULATOR_CONFIG_FILE),
                                 Messages::OPTION_LIST_UNREADABLE,
                                 [&dir, &route](std::string_view listing)
                                 { return EmulatorConfigFromOptions(listing, dir, route); });
  if (const std::string refusal = RomsFolderRefusal(dir, route); outcome.Ok() && !refusal.empty())
    outcome.Add(refusal);
  return outcome;
}

} // namespace corvane::ZincListMan
