// The stand-in emulator itself: the listings it prints, its generated catalogues, its launch
// log and its refusals. Its fault knobs are exercised through the program in BatchModeTest.

#include "CaseNames.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>

namespace corvane::test
{
namespace
{

const std::string DATA_DIR =
    (std::filesystem::path(CORVANE_TEST_DATA) / ".." / ".." / "tools" / "data")
        .lexically_normal()
        .string();

struct StandInRun
{
  int exit_code = -1;
  std::string output; // stdout, byte for byte
};

// A copy of the stand-in alone in a temporary folder, run from "/" so that nothing it does can
// depend on the current directory.
class StandIn : public TempDir
{
public:
  StandIn() { std::filesystem::copy_file(ZINC_EXE, Exe()); }
  std::string Exe() const { return Path() + "/zinc.exe"; }

  // `environment` is a shell prefix such as "ZINC_STANDIN_GAMES=5".
  StandInRun Run(const std::string& arguments, const std::string& environment = "") const
  {
    const std::string out = Path() + "/stdout.bin";
    const std::string command =
        "cd / && " + environment + " '" + Exe() + "' " + arguments + " >'" + out + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read("stdout.bin")};
  }
};

std::vector<std::string> Lines(const std::string& text)
{
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

struct ListingCase
{
  const char* name;
  const char* switch_name;
  const char* environment; // "$DATA" stands for the copied data folder
  const char* expected_file;
};

class StandInListing : public testing::TestWithParam<ListingCase>
{
};

TEST_P(StandInListing, PrintsTheRealFileByteForByte)
{
  const ListingCase& c = GetParam();
  std::string environment = c.environment;
  if (const auto at = environment.find("$DATA"); at != std::string::npos)
    environment.replace(at, 5, DATA_DIR);
  const StandInRun run = StandIn().Run(c.switch_name, environment);
  EXPECT_EQ(run.exit_code, 0);
  const auto expected = ReadFileBytes(DATA_DIR + "/" + c.expected_file);
  ASSERT_TRUE(expected) << DATA_DIR;
  EXPECT_TRUE(run.output == *expected)
      << "first difference at byte "
      << std::mismatch(run.output.begin(), run.output.end(), expected->begin(), expected->end())
                 .first -
             run.output.begin();
}

INSTANTIATE_TEST_SUITE_P(
    StandIn, StandInListing,
    testing::Values(ListingCase{"games", "--list-games", "", "zinclist.txt"},
                    ListingCase{"sets", "--list-sets", "", "zinccrc.txt"},
                    ListingCase{"options", "--help", "", "zincoptions.txt"},
                    // The real table, read as a catalogue file, must give the real listing.
                    ListingCase{"games_from_table", "--list-games",
                                "ZINC_STANDIN_CATALOGUE='$DATA/games.tsv'", "zinclist.txt"}),
    test::ByName());

TEST(StandIn, SyntheticCatalogueHasTheAskedNumberOfGames)
{
  struct Case
  {
    int games;
    const char* last_number; // three characters up to 999, the full number beyond
  };
  const StandIn stand_in;
  for (const Case c : {Case{0, ""}, Case{5, "  5"}, Case{1200, "1200"}})
  {
    const std::string environment = "ZINC_STANDIN_GAMES=" + std::to_string(c.games);
    const auto games = Lines(stand_in.Run("--list-games", environment).output);
    ASSERT_EQ(games.size(), static_cast<size_t>(c.games) + 1) << c.games;
    EXPECT_EQ(games.back().substr(0, std::strlen(c.last_number)), c.last_number);
    const auto sets = Lines(stand_in.Run("--list-sets", environment).output);
    const auto game_headers = std::count_if(sets.begin(), sets.end(),
                                            [](const std::string& line)
                                            { return line.find(" [syn") != std::string::npos; });
    EXPECT_EQ(game_headers, c.games);
  }
}

TEST(StandIn, GameStartAppendsItsArgumentsToTheLogBesideTheExecutable)
{
  const StandIn stand_in;
  const StandInRun first =
      stand_in.Run("12 --use-config-file=zinc.cfg '--use-controller-cfg-file=/tmp/a b/x.ini'");
  const StandInRun second = stand_in.Run("7");
  EXPECT_EQ(first.exit_code, 0);
  EXPECT_EQ(second.exit_code, 0);
  EXPECT_EQ(first.output + second.output, "");
  EXPECT_EQ(stand_in.Read("zinc-launch.log"),
            "[12] [--use-config-file=zinc.cfg] [--use-controller-cfg-file=/tmp/a b/x.ini]\n[7]\n");
}

TEST(StandIn, RefusesWhatItDoesNotKnowWithoutPrinting)
{
  const StandIn stand_in;
  for (const auto& [arguments, environment] : std::vector<std::pair<std::string, std::string>>{
           {"", ""},
           {"--list-all", ""},
           {"--list-games extra", ""},
           {"-12", ""},
           {"--list-games", "ZINC_STANDIN_FAULT=unknown"},
           {"--list-games", "ZINC_STANDIN_GAMES=many"},
           {"--list-sets", "ZINC_STANDIN_CATALOGUE=/no/such/file.tsv"}})
  {
    const StandInRun run = stand_in.Run(arguments, environment);
    EXPECT_EQ(run.exit_code, 1) << arguments << " " << environment;
    EXPECT_EQ(run.output, "") << arguments << " " << environment;
  }
  EXPECT_FALSE(stand_in.Exists("zinc-launch.log"));
}

} // namespace
} // namespace corvane::test

#endif
