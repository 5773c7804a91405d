// The stand-in emulator: prints the emulator's three listings and records game starts, so that
// the program can be run and tested without the real emulator. See tools/README.md.

#include "Catalogue.h"
#include "Faults.h"
#include "Listings.h"
#include "Platform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corvane::standin
{
namespace
{

constexpr int EXIT_USAGE = 1;
constexpr int EXIT_FAULT_STATUS = 3;
constexpr const char* LAUNCH_LOG = "zinc-launch.log";
constexpr const char* READ_LOG = "zinc-read.log";
constexpr unsigned HANG_SECONDS = 600;
constexpr unsigned long MAX_SYNTHETIC_GAMES = 1000000;

int Usage(const char* message)
{
  std::fprintf(stderr,
               "zinc.exe (stand-in): %s; usage: zinc.exe --list-games | --list-sets | "
               "--help | <game number> [options]\n",
               message);
  return EXIT_USAGE;
}

std::string Env(const char* name)
{
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool AllDigits(std::string_view text)
{
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The games the listings show: from ZINC_STANDIN_CATALOGUE, else ZINC_STANDIN_GAMES made-up
// ones; nothing when neither is set (the built-in listings are printed then).
std::optional<std::vector<Game>> ChosenCatalogue(std::string& error)
{
  if (const std::string path = Env("ZINC_STANDIN_CATALOGUE"); !path.empty())
  {
    auto games = ReadCatalogueFile(path);
    if (!games)
      error = "cannot read ZINC_STANDIN_CATALOGUE file " + path;
    return games;
  }
  const std::string count = Env("ZINC_STANDIN_GAMES");
  if (count.empty())
    return std::nullopt;
  if (!AllDigits(count) || count.size() > 7 || std::stoul(count) > MAX_SYNTHETIC_GAMES)
  {
    error = "ZINC_STANDIN_GAMES must be a number from 0 to 1000000";
    return std::nullopt;
  }
  return SyntheticCatalogue(std::stoul(count));
}

std::optional<Listing> ChosenListing(ListingKind kind, std::string& error)
{
  if (kind == ListingKind::Options)
    return EmbeddedListing(kind);
  const auto games = ChosenCatalogue(error);
  if (!error.empty())
    return std::nullopt;
  if (!games)
    return EmbeddedListing(kind);
  return kind == ListingKind::Games ? GameListing(*games) : SetListing(*games);
}

bool WriteStdout(const std::string& text)
{
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return std::fflush(stdout) == 0 && written;
}

// The file that makelist.bat sends this listing to, in the current directory.
const char* RedirectTarget(ListingKind kind)
{
  switch (kind)
  {
  case ListingKind::Games:
    return "zinclist.txt";
  case ListingKind::Sets:
    return "zinccrc.txt";
  case ListingKind::Options:
    return "zincoptions.txt";
  }
  return "";
}

int PrintListing(ListingKind kind)
{
  const auto fault = FaultFromName(Env("ZINC_STANDIN_FAULT"));
  if (!fault)
    return Usage("unknown ZINC_STANDIN_FAULT value");
  switch (*fault)
  {
  case Fault::Hang:
    SleepSeconds(HANG_SECONDS);
    return 0;
  case Fault::Crash:
    CrashSilently();
  case Fault::NoOutput:
    std::remove(RedirectTarget(kind));
    return 0;
  case Fault::Empty:
    return 0;
  case Fault::Noise:
    std::fputs("zinc.exe (stand-in): a warning the listing's reader must not pass on\n", stderr);
    break;
  default:
    break;
  }
  std::string error;
  const auto listing = ChosenListing(kind, error);
  if (!listing)
    return Usage(error.c_str());
  const std::string text = *fault == Fault::Garbage    ? GarbageText(*listing)
                           : *fault == Fault::LongLine ? LongLineText(*listing)
                                                       : ListingText(*listing);
  if (!WriteStdout(text))
    return Usage("cannot write the listing");
  return *fault == Fault::ExitCode ? EXIT_FAULT_STATUS : 0;
}

bool AppendLine(const std::string& path, const std::string& line)
{
  std::FILE* log = std::fopen(path.c_str(), "ab");
  if (!log)
    return false;
  const bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
  return std::fclose(log) == 0 && written;
}

// What the file a switch names holds, as this program opens it: its size and FNV-1a checksum.
std::string FileSummary(const std::string& path)
{
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return "unreadable";
  std::uint32_t hash = 2166136261U;
  std::size_t size = 0;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file), ++size)
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
  std::fclose(file);
  char text[64];
  std::snprintf(text, sizeof text, "%zu bytes fnv1a %08x", size, static_cast<unsigned>(hash));
  return text;
}

// Reads the controller and configuration files a game start names, as the emulator would, and
// logs what it found in each, so tests can tell the files reached it.
bool RecordFilesRead(int argc, char** argv, const std::string& log_path)
{
  for (int i = 2; i < argc; ++i)
  {
    const std::string argument = argv[i];
    for (const char* option : {"--use-controller-cfg-file=", "--use-config-file="})
    {
      if (argument.rfind(option, 0) == 0 &&
          !AppendLine(log_path, "[" + argument + "] " +
                                    FileSummary(argument.substr(std::strlen(option))) + "\n"))
        return false;
    }
  }
  return true;
}

// Appends the game start's arguments, each in brackets, as one line of the launch log beside
// the executable, and what the files they name hold to the read log.
int RecordLaunch(int argc, char** argv)
{
  std::string line;
  for (int i = 1; i < argc; ++i)
    line += (i > 1 ? " [" : "[") + std::string(argv[i]) + "]";
  line += "\n";
  const std::string folder = ExecutableDir(argv[0]) + PathSeparator();
  if (!RecordFilesRead(argc, argv, folder + READ_LOG))
    return Usage(("cannot write " + folder + READ_LOG).c_str());
  if (!AppendLine(folder + LAUNCH_LOG, line))
    return Usage(("cannot write " + folder + LAUNCH_LOG).c_str());
  return 0;
}

} // namespace
} // namespace corvane::standin

int main(int argc, char** argv)
{
  using namespace corvane::standin;
  SetBinaryStdout();
  if (argc < 2)
    return Usage("no arguments");
  const std::string first = argv[1];
  if (AllDigits(first))
    return RecordLaunch(argc, argv);
  if (argc == 2 && first == "--list-games")
    return PrintListing(ListingKind::Games);
  if (argc == 2 && first == "--list-sets")
    return PrintListing(ListingKind::Sets);
  if (argc == 2 && first == "--help")
    return PrintListing(ListingKind::Options);
  return Usage(("unknown argument " + first).c_str());
}
