#include "base/WineFailure.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"

#include <cstdint>
#include <fstream>
#include <string_view>

namespace corvane
{
namespace
{

constexpr std::uint16_t MACHINE_I386 = 0x014C;
constexpr std::uint16_t MACHINE_AMD64 = 0x8664;

std::uint32_t LittleEndian(const unsigned char* bytes, int count)
{
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | bytes[i];
  return value;
}

// Wine's notes on a prefix it has just made or updated: no error, though they come first.
bool IsPrefixNote(std::string_view line)
{
  return line.find("created the configuration directory") != std::string_view::npos ||
         line.find("has been updated") != std::string_view::npos;
}

} // namespace

WindowsMachine ProgramMachine(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  unsigned char dos[64] = {};
  if (!file.read(reinterpret_cast<char*>(dos), sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
    return WindowsMachine::Unknown;
  unsigned char pe[6] = {};
  file.seekg(LittleEndian(dos + 0x3C, 4));
  if (!file.read(reinterpret_cast<char*>(pe), sizeof pe) || pe[0] != 'P' || pe[1] != 'E' ||
      pe[2] != 0 || pe[3] != 0)
    return WindowsMachine::Unknown;
  switch (LittleEndian(pe + 4, 2))
  {
  case MACHINE_I386:
    return WindowsMachine::X86;
  case MACHINE_AMD64:
    return WindowsMachine::X64;
  default:
    return WindowsMachine::Other;
  }
}

bool PrefixLacks32Bit(const std::string& wine_prefix, std::string_view wine_errors)
{
  // Debian's wine script says so unless WINEDEBUG silences it; Wine itself falls back to its
  // WoW64 mode and cannot load the 32-bit ntdll.dll.
  if (wine_errors.find("wine32 is missing") != std::string_view::npos ||
      wine_errors.find("load_wow64_ntdll") != std::string_view::npos)
    return true;
  // Only a 64-bit prefix has the folder (a 32-bit one runs its programs from system32). Its
  // registry is not to be read: on the first run Wine writes it only after the program ended.
  const std::string syswow64 = wine_prefix + "/drive_c/windows/syswow64";
  return IsDirectory(syswow64) && !IsRegularFile(syswow64 + "/ntdll.dll");
}

std::string FirstWineErrorLine(std::string_view wine_errors)
{
  std::string first_text;
  for (std::string_view line : SplitLines(wine_errors))
  {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
      continue;
    const std::string_view text = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    if (IsPrefixNote(text))
      continue;
    if (text.starts_with("wine:") || text.find(":err:") != std::string_view::npos)
      return std::string(text);
    if (first_text.empty())
      first_text = text;
  }
  return first_text;
}

WineEnding ReadWineEnding(const EmulatorRoute& route, const AppDir& dir, const WineRun& run)
{
  WineEnding ending;
  if (route.kind != RouteKind::Wine || run.produced_output)
    return ending;
  const std::string program = dir.File("zinc.exe");
  if (ProgramMachine(program) == WindowsMachine::X86 &&
      PrefixLacks32Bit(route.wine_prefix, run.errors))
  {
    ending.ran = false;
    ending.problem.Add(std::string(Messages::WINE_CANNOT_RUN_32_BIT), program);
    return ending;
  }
  if (run.exit_code == 0 && !run.listing)
    return ending;
  ending.ran = false;
  std::string said = FirstWineErrorLine(run.errors);
  if (said.empty())
    said = route.wine + " " + std::string(Messages::WINE_FAILED_SILENTLY) + " (exit status " +
           std::to_string(run.exit_code) + ")";
  ending.problem.Add(std::string(Messages::WINE_RUN_FAILED), said);
  return ending;
}

} // namespace corvane
