// The paths zinc.exe under Wine is given: by a drive of the prefix that reaches them, and only
// when their characters survive the code page Wine hands the program.

#include "base/EmulatorRoute.h"
#include "base/Messages.h"

#include "CaseNames.h"
#include "ScopedVariable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane
{
namespace
{

#ifndef _WIN32

namespace fs = std::filesystem;

enum class Drives
{
  RootAsZ,   // Wine's default: z: is "/"
  Sandboxed, // z: is only the player's games folder; no drive reaches the rest
};

struct PathCase
{
  const char* name;
  Drives drives;
  const char* file;         // below {games} or {other}
  const char* locale;       // LC_ALL
  const char* windows_path; // "" when refused
  std::string_view refusal; // empty: none
};

class PathUnderWine : public testing::TestWithParam<PathCase>
{
};

TEST_P(PathUnderWine, IsADrivePathOrARefusalNamingTheFolder)
{
  const PathCase& c = GetParam();
  test::TempDir temp;
  const std::string root = fs::canonical(temp.Path()).string();
  const std::string prefix = root + "/prefix";
  fs::create_directories(prefix + "/dosdevices");
  fs::create_directories(root + "/games");
  fs::create_symlink(c.drives == Drives::RootAsZ ? "/" : root + "/games",
                     prefix + "/dosdevices/z:");
  std::string file = c.file;
  for (const auto& [mark, folder] :
       {std::pair<std::string, std::string>{"{games}", root + "/games"},
        {"{other}", root + "/other"}})
  {
    if (file.starts_with(mark))
      file.replace(0, mark.size(), folder);
  }
  test::ScopedVariable locale("LC_ALL", c.locale);
  const EmulatorRoute route{RouteKind::Wine, "/usr/bin/wine", "", prefix};

  std::string expected_path = c.windows_path;
  if (expected_path.starts_with("Z:{root}"))
  {
    std::string rest = root;
    std::replace(rest.begin(), rest.end(), '/', '\\');
    expected_path.replace(2, 6, rest);
  }
  EXPECT_EQ(PathForEmulator(route, file), expected_path);
  const std::string expected_refusal =
      c.refusal.empty() ? ""
                        : std::string(c.refusal) + ": " + fs::path(file).parent_path().string();
  EXPECT_EQ(PathRefusal(route, file), expected_refusal);
  // Run directly, zinc.exe opens every path as it is.
  EXPECT_EQ(PathRefusal(EmulatorRoute{}, file), "");
  EXPECT_EQ(PathForEmulator(EmulatorRoute{}, file), file);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathUnderWine,
    testing::Values(PathCase{"root_drive", Drives::RootAsZ, "{games}/ctrlr/a.ini", "en_US.UTF-8",
                             "Z:{root}\\games\\ctrlr\\a.ini", ""},
                    PathCase{"sandboxed_inside", Drives::Sandboxed, "{games}/ctrlr/a.ini",
                             "en_US.UTF-8", "Z:\\ctrlr\\a.ini", ""},
                    PathCase{"sandboxed_outside", Drives::Sandboxed, "{other}/ctrlr/a.ini",
                             "en_US.UTF-8", "", Messages::WINE_NO_DRIVE},
                    PathCase{"latin_in_1252", Drives::RootAsZ, "{games}/jeux é/a.ini",
                             "fr_FR.UTF-8", "Z:{root}\\games\\jeux é\\a.ini", ""},
                    PathCase{"latin_in_1251", Drives::RootAsZ, "{games}/jeux é/a.ini",
                             "ru_RU.UTF-8", "Z:{root}\\games\\jeux é\\a.ini",
                             Messages::WINE_PATH_OUTSIDE_CODE_PAGE},
                    PathCase{"japanese_in_932", Drives::RootAsZ, "{games}/ゲーム/a.ini",
                             "ja_JP.UTF-8", "Z:{root}\\games\\ゲーム\\a.ini", ""},
                    PathCase{"japanese_in_1252", Drives::RootAsZ, "{games}/ゲーム/a.ini", "C.UTF-8",
                             "Z:{root}\\games\\ゲーム\\a.ini",
                             Messages::WINE_PATH_OUTSIDE_CODE_PAGE}),
    test::ByName());

#endif

} // namespace
} // namespace corvane
