#include "base/EmulatorRoute.h"
#include "base/Messages.h"
#include "catalogue/RunListing.h"
#include "generate/EmulatorConfig.h"

#include "ScopedVariable.h"
#include "TempDir.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace corvane
{
namespace
{

#ifndef _WIN32

namespace fs = std::filesystem;

void WriteProgram(const test::TempDir& dir, const std::string& name, const std::string& script)
{
  dir.Write(name, "#!/bin/sh\n" + script + "\n");
  fs::permissions(fs::path(dir.Path()) / name, fs::perms::owner_all);
}

EnvironmentLookup TableEnvironment(std::map<std::string, std::string> table)
{
  return [table](std::string_view name) -> std::optional<std::string>
  {
    const auto found = table.find(std::string(name));
    return found == table.end() ? std::nullopt : std::optional(found->second);
  };
}

struct RouteCase
{
  const char* name;
  bool windows_program;
  const char* wine_variable; // nullptr: unset
  const char* path;          // PATH, with {bin} for a folder holding "wine" and "wine-dev"
  RouteKind kind;
  const char* wine; // the program chosen, {bin} as above
};

class RouteChoice : public testing::TestWithParam<RouteCase>
{
};

std::string Expand(std::string text, const std::string& bin)
{
  if (const auto at = text.find("{bin}"); at != std::string::npos)
    text.replace(at, 5, bin);
  return text;
}

TEST_P(RouteChoice, FollowsTheProgramAndTheEnvironment)
{
  const RouteCase& c = GetParam();
  test::TempDir bin;
  WriteProgram(bin, "wine", "exit 0");
  WriteProgram(bin, "wine-dev", "exit 0");
  bin.Write("not-runnable", "text");
  std::map<std::string, std::string> table{{"PATH", Expand(c.path, bin.Path())},
                                           {"HOME", "/home/me"}};
  if (c.wine_variable)
    table["CORVANE_WINE"] = Expand(c.wine_variable, bin.Path());
  const EmulatorRoute route =
      ChooseEmulatorRoute(c.windows_program, TableEnvironment(table), bin.Path());
  EXPECT_EQ(route.kind, c.kind);
  EXPECT_EQ(route.wine, Expand(c.wine, bin.Path()));
  if (c.kind == RouteKind::Wine)
  {
    EXPECT_EQ(route.wine_prefix, "/home/me/.wine");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RouteChoice,
    testing::Values(
        RouteCase{"native_runs_directly", false, nullptr, "{bin}", RouteKind::Direct, ""},
        RouteCase{"wine_on_path", true, nullptr, "/nowhere:{bin}", RouteKind::Wine, "{bin}/wine"},
        RouteCase{"no_wine_on_path", true, nullptr, "/nowhere", RouteKind::WineMissing, ""},
        RouteCase{"variable_names_a_file", true, "{bin}/wine-dev", "", RouteKind::Wine,
                  "{bin}/wine-dev"},
        RouteCase{"variable_names_a_program_on_path", true, "wine-dev", "{bin}", RouteKind::Wine,
                  "{bin}/wine-dev"},
        RouteCase{"variable_relative_to_the_program", true, "./wine-dev", "", RouteKind::Wine,
                  "{bin}/./wine-dev"},
        RouteCase{"variable_names_nothing", true, "/no/such/wine", "{bin}", RouteKind::WineMissing,
                  ""},
        RouteCase{"variable_names_no_program", true, "{bin}/not-runnable", "{bin}",
                  RouteKind::WineMissing, ""},
        RouteCase{"empty_variable_is_unset", true, "", "{bin}", RouteKind::Wine, "{bin}/wine"}),
    test::ByName());

TEST(WindowsPathUnderWine, TakesTheDeepestDriveOfThePrefix)
{
  test::TempDir prefix;
  fs::create_directories(prefix.Path() + "/dosdevices");
  fs::create_directories(prefix.Path() + "/drive_c/games");
  fs::create_symlink("../drive_c", prefix.Path() + "/dosdevices/c:");
  fs::create_symlink("/", prefix.Path() + "/dosdevices/z:");
  fs::create_symlink("/", prefix.Path() + "/dosdevices/y:");
  prefix.Write("dosdevices/d::", "a device, not a drive");
  const std::string drive_c = fs::canonical(prefix.Path() + "/drive_c").string();
  EXPECT_EQ(WindowsPathUnderWine("/srv/zinc dir/ctrlr/a.ini", prefix.Path()),
            "Z:\\srv\\zinc dir\\ctrlr\\a.ini");
  EXPECT_EQ(WindowsPathUnderWine(drive_c + "/games/a.ini", prefix.Path()), "C:\\games\\a.ini");
  EXPECT_EQ(WindowsPathUnderWine(drive_c, prefix.Path()), "C:\\");
  // A prefix Wine has not made yet maps the root as Z:, as a new one will.
  EXPECT_EQ(WindowsPathUnderWine("/srv/a.ini", prefix.Path() + "/none"), "Z:\\srv\\a.ini");
}

TEST(EmulatorRoute, QuotesTheWineProgramForEachLine)
{
  EmulatorRoute route{RouteKind::Wine, "/usr/bin/wine", "", "/p"};
  EXPECT_EQ(ShellLinePrefix(route), "/usr/bin/wine ");
  EXPECT_EQ(LaunchLinePrefix(route), "/usr/bin/wine ");
  route.wine = "/opt/my wine/it's/wine";
  EXPECT_EQ(ShellLinePrefix(route), "'/opt/my wine/it'\\''s/wine' ");
  EXPECT_EQ(LaunchLinePrefix(route), "\"/opt/my wine/it's/wine\" ");
  EXPECT_EQ(ShellLinePrefix(EmulatorRoute{}), "");
  EXPECT_EQ(LaunchLinePrefix(EmulatorRoute{}), "");
  EXPECT_EQ(PathForEmulator(EmulatorRoute{}, "/srv/a.ini"), "/srv/a.ini");
}

TEST(EmulatorRoute, TheDefaultConfigNamesTheRomFolderAsTheEmulatorOpensIt)
{
  const std::string listing = "--roms-directory=where the ROMs are\r\n";
  const EmulatorRoute wine{RouteKind::Wine, "/usr/bin/wine", "", "/no/prefix"};
  EXPECT_EQ(ZincListMan::EmulatorConfigFromOptions(listing, AppDir("/srv/zinc"), wine),
            "--roms-directory=Z:\\srv\\zinc\\roms\\\r\n");
  EXPECT_EQ(ZincListMan::EmulatorConfigFromOptions(listing, AppDir("/srv/zinc")),
            "--roms-directory=/srv/zinc/roms/\r\n");
}

using test::ScopedVariable;

TEST(RunListingThroughWine, TheBatchLineNamesWineAndItRuns)
{
  test::TempDir dir;
  dir.Write("zinc.exe", "MZ a Windows program");
  WriteProgram(dir, "fake-wine", "echo \"ran: $*\"");
  ScopedVariable wine("CORVANE_WINE", dir.Path() + "/fake-wine");
  EXPECT_TRUE(ZincListMan::RunListing(dir.Dir(), "zinc.exe --list-games >zinclist.txt").Ok());
  EXPECT_EQ(dir.Read("makelist.bat"),
            dir.Path() + "/fake-wine zinc.exe --list-games >zinclist.txt\r\n");
  EXPECT_EQ(dir.Read("zinclist.txt"), "ran: zinc.exe --list-games\n");
}

TEST(RunListingThroughWine, WithoutWineNothingIsWrittenOrRemoved)
{
  test::TempDir dir;
  dir.Write("zinc.exe", "MZ a Windows program");
  dir.Write("makelist.bat", "old line\r\n");
  dir.Write("zinclist.txt", "old listing");
  ScopedVariable wine("CORVANE_WINE", dir.Path() + "/no-wine");
  const Outcome outcome = ZincListMan::RunListing(dir.Dir(), "zinc.exe --list-games >zinclist.txt");
  ASSERT_EQ(outcome.problems.size(), 1U);
  EXPECT_EQ(outcome.problems[0].what, Messages::WINE_VARIABLE_UNUSABLE);
  EXPECT_EQ(dir.Read("makelist.bat"), "old line\r\n");
  EXPECT_EQ(dir.Read("zinclist.txt"), "old listing");
}

#endif

} // namespace
} // namespace corvane
