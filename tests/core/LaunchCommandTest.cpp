#include "app/LaunchCommand.h"
#include "base/Messages.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

#ifndef _WIN32

struct LaunchCase
{
  const char* name;
  const char* wine; // empty: the emulator runs directly
  const char* dir;
  const char* options;
  const char* line;
};

class LaunchLine : public testing::TestWithParam<LaunchCase>
{
};

EmulatorRoute RouteOf(const LaunchCase& c)
{
  if (std::string_view(c.wine).empty())
    return {};
  return {RouteKind::Wine, c.wine, "", "/no/prefix"};
}

TEST_P(LaunchLine, IsWhatTheEmulatorMustReceive)
{
  const LaunchCase& c = GetParam();
  const GameRow game{"strider2", "Strider 2", "", "12", "strider2", ""};
  const std::string line = LaunchCommandLine(game, c.options, AppDir(c.dir), RouteOf(c));
  EXPECT_EQ(line, c.line);
  EXPECT_EQ(LaunchRefusal(game, line, AppDir(c.dir), RouteOf(c)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchLine,
    testing::Values(LaunchCase{"native", "", "/EMU", "--use-config-file=zinc.cfg",
                               "zinc.exe 12 --use-config-file=zinc.cfg "
                               "--use-controller-cfg-file=/EMU/ctrlr/strider2.ini"},
                    LaunchCase{"wine_names_the_file_by_drive", "/usr/bin/wine", "/EMU",
                               "--use-config-file=zinc.cfg",
                               "/usr/bin/wine zinc.exe 12 --use-config-file=zinc.cfg "
                               "--use-controller-cfg-file=Z:\\EMU\\ctrlr\\strider2.ini"},
                    LaunchCase{"wine_blank_in_folder", "/usr/bin/wine", "/my games", "",
                               "/usr/bin/wine zinc.exe 12  "
                               "--use-controller-cfg-file=\"Z:\\my games\\ctrlr\\strider2.ini\""},
                    LaunchCase{"wine_program_with_blank", "/opt/my wine/wine", "/EMU", "-f",
                               "\"/opt/my wine/wine\" zinc.exe 12 -f "
                               "--use-controller-cfg-file=Z:\\EMU\\ctrlr\\strider2.ini"}),
    test::ByName());

TEST(LaunchLine, ThroughWineTheFirstArgumentMustBeWine)
{
  const GameRow game{"strider2", "Strider 2", "", "12", "strider2", ""};
  const EmulatorRoute wine{RouteKind::Wine, "/usr/bin/wine", "", "/no/prefix"};
  const AppDir dir("/EMU");
  EXPECT_EQ(LaunchRefusal(game, LaunchCommandLine(game, "", dir), dir, wine),
            Messages::LAUNCH_BAD_ENTRY);
  EXPECT_EQ(LaunchRefusal(game, LaunchCommandLine(game, "\"", dir, wine), dir, wine),
            Messages::LAUNCH_PATH_SPLIT);
}

#endif

} // namespace
} // namespace corvane
