#include "controls/GameKeys.h"
#include "TempDir.h"
#include "controls/SavePipeline.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using KeyCodeManager::LayeredControllerFile;

// A user's own file: odd spacing, a comment, an unknown slot, a repeated key (the first counts),
// keys of two families, LF line ends, and a section for a name that is no file name.
constexpr std::string_view HAND_EDITED = "; my keys\r\n"
                                         "[ sfex ]\r\n"
                                         "  cappunch1p1 =  k1E \r\n"
                                         "cappunch1p1=k99\r\n"
                                         "nosuchslot=k02\n"
                                         "tekkenleftpunchp1=k10\n"
                                         "START1=\"k1C\"\r\n"
                                         "[..\\evil]\r\n"
                                         "cappunch1p1=k20\r\n";

TEST(GameKeys, AppliesOnlyKnownSlotsOfTheFamily)
{
  const GameKeys keys{IniDocument(std::string(HAND_EDITED))};
  const std::vector<SlotToken> cap = {{"start1", "k1C"}, {"cappunch1p1", "k1E"}};
  const std::vector<SlotToken> tekken = {{"start1", "k1C"}, {"tekkenleftpunchp1", "k10"}};
  EXPECT_EQ(keys.Applying("SFEX", GroupId::Cap), cap);
  EXPECT_EQ(keys.Applying("sfex", GroupId::Tekken), tekken);
  EXPECT_EQ(keys.Applying("sf2", GroupId::Cap), std::vector<SlotToken>{});
  EXPECT_EQ(keys.Own("sfex", "coin1"), std::nullopt);
}

TEST(GameKeys, EditsKeepEveryOtherByte)
{
  GameKeys keys{IniDocument(std::string(HAND_EDITED))};
  keys.SetOwn("sfex", "cappunch2p2", "k30");
  keys.ClearOwn("sfex", "tekkenleftpunchp1");
  keys.SetOwn("ts2", "start2", "k02");
  EXPECT_EQ(keys.Document().Bytes(), "; my keys\r\n"
                                     "[ sfex ]\r\n"
                                     "  cappunch1p1 =  k1E \r\n"
                                     "cappunch1p1=k99\r\n"
                                     "nosuchslot=k02\n"
                                     "START1=\"k1C\"\r\n"
                                     "cappunch2p2=k30\r\n"
                                     "[..\\evil]\r\n"
                                     "cappunch1p1=k20\r\n"
                                     "[ts2]\r\n"
                                     "start2=k02\r\n");
  EXPECT_EQ(keys.Own("sfex", "cappunch2p2"), "k30");
  EXPECT_EQ(keys.Own("sfex", "tekkenleftpunchp1"), std::nullopt);
}

// "Use Family Key" on a hand-edited file that repeats the key: no repeat comes back on reload.
TEST(GameKeys, ClearingRemovesEveryRepeatOfTheKeyInTheGamesSection)
{
  GameKeys keys{IniDocument(std::string("[sfex]\r\ncappunch1p1=k10\r\nstart1=k02\r\n"
                                        " CAPPUNCH1P1 = k11\r\n[ts2]\r\ncappunch1p1=k12\r\n"))};
  keys.ClearOwn("sfex", "cappunch1p1");
  EXPECT_EQ(keys.Document().Bytes(), "[sfex]\r\nstart1=k02\r\n[ts2]\r\ncappunch1p1=k12\r\n");
  const GameKeys reloaded{IniDocument(keys.Document().Bytes())};
  EXPECT_EQ(reloaded.Own("sfex", "cappunch1p1"), std::nullopt);
  EXPECT_EQ(reloaded.Own("ts2", "cappunch1p1"), "k12");
}

// The file reads "[sfex\t]" as sfex: a name it trims that way is that game here too, and a name
// no header can hold is none, so a clear by the plain name leaves nothing for a reload to bring
// back.
TEST(GameKeys, NamesTheFileTrimsAreOneGame)
{
  GameKeys keys{IniDocument(std::string("[sfex\t]\r\ncappunch1p1=k10\r\n"))};
  keys.SetOwn("ts2\v", "cappunch1p1", "k11");
  EXPECT_EQ(keys.Own("ts2", "cappunch1p1"), "k11");
  keys.SetOwn("\nsfex", "cappunch1p1", "k12"); // no header holds it: nothing is written
  keys.ClearOwn("sfex", "cappunch1p1");
  const GameKeys reloaded{IniDocument(keys.Document().Bytes())};
  EXPECT_EQ(reloaded.Own("sfex", "cappunch1p1"), std::nullopt);
  EXPECT_EQ(reloaded.Own("ts2", "cappunch1p1"), "k11");
}

TEST(GameKeys, LayerWritesKeysAndCopyKeysInPlace)
{
  struct Case
  {
    const char* name;
    std::string family;
    GroupId group;
    std::vector<SlotToken> own;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"copy key too",
       "[player1]\r\nbtn9=k10\r\nbtn1=k10\r\n[all]\r\ntest=k3B\r\n",
       GroupId::Tekken,
       {{"tekkenleftpunchp1", "k1E"}, {"test", "k3C"}},
       "[player1]\r\nbtn9=k1E\r\nbtn1=k1E\r\n[all]\r\ntest=k3C\r\n"},
      {"hand-edited family file",
       "; layout\n[Player2]\n btn1 = k10\nbtn1=k11\n\n[player1]\r\nstart=\r\n",
       GroupId::Cap,
       {{"cappunch1p2", "k1E"}, {"start1", "k02"}},
       "; layout\n[Player2]\nbtn1=k1E\r\nbtn1=k11\n\n[player1]\r\nstart=k02\r\n"},
      {"nothing of its own",
       "[player1]\r\nbtn1=k10\r\n",
       GroupId::Cap,
       {},
       "[player1]\r\nbtn1=k10\r\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LayeredControllerFile(c.family, c.group, c.own), c.expected) << c.name;
}

} // namespace
} // namespace corvane

namespace corvane
{
namespace
{

// Own keys in the copies: layered for their game, never for a sibling, never for a name that is
// no plain file name, and waiting while the game is in a family whose file lacks the slot.
TEST(GameKeys, CopiesLayerOnlyTheirGame)
{
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  temp.Write("ctrlr/capcfg.ini", "[player1]\r\nbtn1=k10\r\n");
  temp.Write("ctrlr/3butcfg.ini", "[player1]\r\nbtn1=k11\r\n");
  GroupLists lists;
  lists[GroupId::Cap] = {"sfex", "sfexa", "..\\evil"};
  lists[GroupId::ThreeBut] = {"tgm"};
  GameKeys keys;
  for (const char* game : {"sfex", "..\\evil", "tgm"})
    keys.SetOwn(game, "cappunch1p1", "k2C");
  const Outcome outcome = KeyCodeManager::MakePerGameControllerFiles(dir, lists, &keys);
  EXPECT_EQ(temp.Read("ctrlr/sfex.ini"), "[player1]\r\nbtn1=k2C\r\n");
  EXPECT_EQ(temp.Read("ctrlr/sfexa.ini"), "[player1]\r\nbtn1=k10\r\n");
  EXPECT_EQ(temp.Read("ctrlr/tgm.ini"), "[player1]\r\nbtn1=k11\r\n");
  ASSERT_EQ(outcome.problems.size(), 1u);
  EXPECT_EQ(outcome.problems[0].file, "..\\evil");
}

} // namespace
} // namespace corvane
