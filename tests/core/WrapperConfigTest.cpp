#include "generate/WrapperConfig.h"

#include "CaseNames.h"
#include "FakeEmulator.h"
#include "ScopedVariable.h"
#include "TempDir.h"
#include "base/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane
{
namespace
{

using ZincListMan::WrapperConfigText;
using ZincListMan::WriteWrapperConfig;

#ifndef _WIN32

constexpr const char* HEAD = "LAUNCHSTYLE=0\r\n"
                             "delimeter = --\r\n"
                             "\r\n"
                             "{cmdlist}\r\n";
constexpr const char* TAIL = "{/cmdlist}\r\n"
                             "exe=zinc.exe\r\n"
                             "Short=0\r\n"
                             "Quotes=0\r\n"
                             "refreshspeed=1\r\n"
                             "ExitType=5\r\n";

GameTable TwoGames()
{
  GameTable table;
  table.rows.push_back({"ts2", "Battle Arena Toshinden 2", "", "1", "ts2", "cpzn1"});
  table.rows.push_back({"sfexa", "Street Fighter EX (Asia)", "", "12", "sfex", "cpzn1"});
  return table;
}

struct WrapperCase
{
  const char* name;
  GameTable table;
  const char* options;
  const char* root;
  std::string text;
};

// Test names and failures show the case by its name.
void PrintTo(const WrapperCase& c, std::ostream* os)
{
  *os << c.name;
}

class WrapperText : public testing::TestWithParam<WrapperCase>
{
};

TEST_P(WrapperText, MatchesByteForByte)
{
  const WrapperCase& c = GetParam();
  EXPECT_EQ(WrapperConfigText(c.table, c.options, AppDir(c.root)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapperText,
    testing::Values(
        WrapperCase{
            "empty_table", {}, "--use-config-file=zinc.cfg", "/zn", std::string(HEAD) + TAIL},
        WrapperCase{"rows_in_table_order", TwoGames(), "--use-config-file=zinc.cfg", "/zn",
                    std::string(HEAD) +
                        "ts2;1 --use-config-file=zinc.cfg "
                        "--use-controller-cfg-file=\"/zn/ctrlr/ts2.ini\"\r\n"
                        "sfexa;12 --use-config-file=zinc.cfg "
                        "--use-controller-cfg-file=\"/zn/ctrlr/sfexa.ini\"\r\n" +
                        TAIL},
        WrapperCase{"empty_options_leave_two_blanks", TwoGames(), "", "/zn",
                    std::string(HEAD) +
                        "ts2;1  --use-controller-cfg-file=\"/zn/ctrlr/ts2.ini\"\r\n" +
                        "sfexa;12  --use-controller-cfg-file=\"/zn/ctrlr/sfexa.ini\"\r\n" + TAIL},
        WrapperCase{
            "blanks_in_folder_stay_quoted", TwoGames(), "-a \"b\"", "/my games/zn",
            std::string(HEAD) +
                "ts2;1 -a \"b\" --use-controller-cfg-file=\"/my games/zn/ctrlr/ts2.ini\"\r\n" +
                "sfexa;12 -a \"b\" "
                "--use-controller-cfg-file=\"/my games/zn/ctrlr/sfexa.ini\"\r\n" +
                TAIL}),
    test::ByName());

TEST(WriteWrapperConfig, NoOrdinaryFileMeansNoWrapper)
{
  test::TempDir dir;
  auto result = WriteWrapperConfig(dir.Dir(), TwoGames(), "x");
  EXPECT_TRUE(result.wrapper_missing);
  EXPECT_TRUE(result.outcome.Ok());
  EXPECT_FALSE(dir.Exists("lconfig.ini"));

  std::filesystem::create_directory(std::filesystem::path(dir.Path()) / "lconfig.ini");
  result = WriteWrapperConfig(dir.Dir(), TwoGames(), "x");
  EXPECT_TRUE(result.wrapper_missing);
  EXPECT_TRUE(IsDirectory(dir.Dir().File("lconfig.ini")));
}

TEST(WriteWrapperConfig, ReplacesWhatTheUserHadAdded)
{
  test::TempDir dir;
  dir.Write("lconfig.ini", "[my own]\r\nkey=value\r\n" + std::string(3000, 'x'));
  const auto result = WriteWrapperConfig(dir.Dir(), {}, "--opt");
  EXPECT_FALSE(result.wrapper_missing);
  EXPECT_TRUE(result.outcome.Ok());
  EXPECT_EQ(dir.Read("lconfig.ini"), std::string(HEAD) + TAIL);
}

TEST(WriteWrapperConfig, UnwritableFileIsAProblemAndKeepsItsBytes)
{
  test::TempDir dir;
  dir.Write("lconfig.ini", "old");
  test::ReadOnlyFolder read_only(dir.Path());
  if (!read_only.Works())
    GTEST_SKIP() << "no way to make a folder read-only here";
  const auto result = WriteWrapperConfig(dir.Dir(), TwoGames(), "");
  EXPECT_FALSE(result.wrapper_missing);
  ASSERT_EQ(result.outcome.problems.size(), 1u);
  EXPECT_EQ(result.outcome.problems[0].what, Messages::FILE_NOT_WRITTEN);
  EXPECT_EQ(result.outcome.problems[0].file, dir.Dir().File("lconfig.ini"));
  EXPECT_EQ(dir.Read("lconfig.ini"), "old");
}

// Under Wine the wrapper starts zinc.exe as the launch does, so it names the controller files by
// the prefix's drives; a folder no drive reaches keeps the file as it was and says why.
TEST(WrapperUnderWine, NamesFilesByDriveOrKeepsTheFile)
{
  test::TempDir dir;
  const std::string root = std::filesystem::canonical(dir.Path()).string();
  std::filesystem::create_directories(root + "/prefix/dosdevices");
  std::filesystem::create_directories(root + "/games");
  std::filesystem::create_symlink(root + "/games", root + "/prefix/dosdevices/d:");
  const EmulatorRoute wine{RouteKind::Wine, "/usr/bin/wine", "", root + "/prefix"};
  const std::string text = WrapperConfigText(TwoGames(), "", AppDir(root + "/games/zn"), wine);
  EXPECT_NE(text.find("ts2;1  --use-controller-cfg-file=\"D:\\zn\\ctrlr\\ts2.ini\"\r\n"),
            std::string::npos)
      << text;

  dir.Write("zinc.exe", "MZ a Windows program");
  dir.Write("lconfig.ini", "old wrapper\r\n");
  test::ScopedVariable wine_program("CORVANE_WINE", "/bin/true");
  test::ScopedVariable prefix("WINEPREFIX", root + "/prefix");
  const auto result = WriteWrapperConfig(dir.Dir(), TwoGames(), "");
  ASSERT_EQ(result.outcome.problems.size(), 1U);
  EXPECT_EQ(result.outcome.problems[0].what,
            std::string(Messages::WINE_NO_DRIVE) + ": " + dir.Path() + "/ctrlr");
  EXPECT_EQ(dir.Read("lconfig.ini"), "old wrapper\r\n");
}

#endif

} // namespace
} // namespace corvane
