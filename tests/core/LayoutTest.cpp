// Named layouts: the file a player reads and shares, the folder that keeps them, and switching
// the session to one.

#include "TempDir.h"
#include "app/LayoutSwitch.h"
#include "base/Messages.h"
#include "base/Text.h"
#include "controls/LayoutStore.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

Layout SampleLayout()
{
  Layout layout;
  layout.bindings.Set("start1", "k02");
  layout.bindings.Set("upp2", "kC8");
  layout.bindings.Set("cappunch1p1", "k1E");
  layout.bindings.Set("seguardp2", "k39");
  layout.games.push_back({"sfex", {{"start1", "k03"}, {"cappunch1p1", ""}}});
  layout.games.push_back({"Tekken3", {{"tekkenleftkickp2", "k10"}}});
  return layout;
}

void ExpectSameLayout(const Layout& a, const Layout& b)
{
  EXPECT_TRUE(a.bindings == b.bindings);
  EXPECT_EQ(a.games, b.games);
}

TEST(LayoutFile, RoundTripsKeysAndOwnKeysThroughTextAndGameKeys)
{
  const Layout layout = SampleLayout();
  const LayoutRead read = ReadLayoutText(LayoutText(layout));
  ASSERT_TRUE(read.layout) << read.error;
  EXPECT_TRUE(read.skipped.empty());
  ExpectSameLayout(*read.layout, layout);
  // Through the own-keys file and back: an empty own key stays an own key, not the family's.
  const GameKeys keys = GameKeysOf(layout);
  EXPECT_EQ(keys.Own("SFEX", "cappunch1p1"), "");
  EXPECT_EQ(keys.Own("tekken3", "tekkenleftkickp2"), "k10");
  ExpectSameLayout(LayoutOf(layout.bindings, &keys), layout);
  EXPECT_EQ(LayoutText(*read.layout), LayoutText(layout));
}

TEST(LayoutFile, TakesOwnKeysAsTheirFileReadsThemAndLeavesOutWhatNoLayoutCanHold)
{
  const GameKeys keys{IniDocument(std::string("[ sfex ]\r\nCAPKICK1P1 = k20\r\ncapkick1p1=k99\r\n"
                                              "nosuch=k02\r\n[..\\evil]\r\nstart1=k02\r\n"
                                              "[ok]\r\nstart2=k0\"2\r\n"))};
  const Layout layout = LayoutOf(BindingTable(), &keys);
  ASSERT_EQ(layout.games.size(), 1u);
  EXPECT_EQ(layout.games[0], (GameLayout{"sfex", {{"capkick1p1", "k20"}}}));
}

struct BadText
{
  const char* name;
  std::string text;
  std::string_view error; // empty: read, with `skipped` lines skipped
  size_t skipped = 0;
};

const std::string GOOD_BODY = "[general]\r\nstart1=k02\r\n";

TEST(LayoutFile, RefusesWhatIsNoLayoutAndSkipsWhatItDoesNotKnow)
{
  const std::vector<BadText> cases = {
      {"empty", "", Messages::LAYOUT_NOT_A_LAYOUT},
      {"other ini", "[General]\r\nstart1=k02\r\n[End]\r\n", Messages::LAYOUT_NOT_A_LAYOUT},
      {"text before header", "hello\r\n[Corvane Layout]\r\n[End]\r\n",
       Messages::LAYOUT_NOT_A_LAYOUT},
      {"cut short", "[Corvane Layout]\r\n" + GOOD_BODY, Messages::LAYOUT_CUT_SHORT},
      {"cut mid line", "[Corvane Layout]\r\n" + GOOD_BODY + "[En", Messages::LAYOUT_CUT_SHORT},
      {"nul byte", "[Corvane Layout]\r\n" + GOOD_BODY + std::string(1, '\0') + "[End]",
       Messages::LAYOUT_BINARY},
      {"too large", "[Corvane Layout]\r\n" + std::string(LAYOUT_MAX_BYTES, ';') + "\n[End]",
       Messages::LAYOUT_TOO_LARGE},
      {"bom and lf", "\xEF\xBB\xBF[corvane layout]\n" + GOOD_BODY + "[end]\n", {}, 0},
      {"newer version",
       "[Corvane Layout]\r\nversion=7\r\nmode=fancy\r\n[mouse]\r\nx=1\r\n" + GOOD_BODY +
           "[End]\r\n",
       {},
       2},
      {"unknown input and bad keys",
       "[Corvane Layout]\r\n[cap]\r\nnosuch=k02\r\ncappunch1p1=k 1\r\ncappunch2p1=k1\"\r\n"
       "cappunch3p1=" +
           std::string(40, 'k') + "\r\nno equals\r\n[End]\r\n",
       {},
       5},
      {"repeated slot and game",
       "[Corvane Layout]\r\n" + GOOD_BODY +
           "START1=k03\r\n[game:sfex]\r\nstart1=k02\r\n"
           "start1=k04\r\n[game:SFEX]\r\nstart2=k02\r\n[End]\r\n",
       {},
       3},
      {"hostile game names",
       "[Corvane Layout]\r\n[game:../x]\r\nstart1=k02\r\n[game:con]\r\nstart1=k02\r\n"
       "[game:]\r\n[game:a]b]\r\n[End]\r\n",
       {},
       4},
      {"lines after end", "[Corvane Layout]\r\n[End]\r\n[general]\r\nstart1=k02\r\n", {}, 2},
      {"long line",
       "[Corvane Layout]\r\n[general]\r\nstart1=" + std::string(2000, 'x') + "\r\n[End]\r\n",
       {},
       1},
  };
  for (const BadText& bad : cases)
  {
    SCOPED_TRACE(bad.name);
    const LayoutRead read = ReadLayoutText(bad.text);
    EXPECT_EQ(read.error, bad.error);
    EXPECT_EQ(read.layout.has_value(), bad.error.empty());
    if (read.layout)
    {
      EXPECT_EQ(read.skipped.size(), bad.skipped) << DescribeSkipped(read.skipped);
      // Whatever else the file holds, a known first line is taken.
      if (bad.text.find(GOOD_BODY) < ToLowerAscii(bad.text).find("[end]"))
      {
        EXPECT_EQ(read.layout->bindings.Get("start1"), "k02");
      }
      for (const GameLayout& game : read.layout->games)
        EXPECT_TRUE(LayoutStore::IsLayoutName(game.set_name)) << game.set_name;
    }
  }
}

TEST(LayoutStore, NamesArePlainFileNames)
{
  const std::vector<std::pair<std::string, bool>> cases = {
      {"Home stick", true},
      {"laptop-2.v1", true},
      {"", false},
      {"a/b", false},
      {"..\\up", false},
      {"..", false},
      {".hidden", false},
      {"trailing.", false},
      {" lead", false},
      {"con", false},
      {"LPT1.txt", false},
      {"tab\there", false},
      {"a:b", false},
      {std::string(64, 'x'), true},
      {std::string(65, 'x'), false},
  };
  for (const auto& [name, plain] : cases)
    EXPECT_EQ(LayoutStore::IsLayoutName(name), plain) << name;
}

TEST(LayoutStore, SavesListsRenamesExportsImportsAndRemoves)
{
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  EXPECT_TRUE(LayoutStore::List(dir).empty());
  ASSERT_TRUE(LayoutStore::Save(dir, "Home", SampleLayout()).Ok());
  ASSERT_TRUE(LayoutStore::Save(dir, "Arcade", Layout()).Ok());
  ASSERT_TRUE(LayoutStore::SetInUse(dir, "Home").Ok());
  EXPECT_EQ(LayoutStore::List(dir), (std::vector<std::string>{"Arcade", "Home"}));

  EXPECT_FALSE(LayoutStore::Rename(dir, "Home", "Arcade").Ok());
  ASSERT_TRUE(LayoutStore::Rename(dir, "Home", "Sofa").Ok());
  EXPECT_EQ(LayoutStore::InUse(dir), "Sofa");
  ExpectSameLayout(*LayoutStore::Load(dir, "Sofa").layout, SampleLayout());

  const std::string shared = temp.Path() + "/shared.txt";
  ASSERT_TRUE(LayoutStore::Export(dir, "Sofa", shared).Ok());
  EXPECT_FALSE(LayoutStore::Import(dir, shared, "Arcade", false).layout);
  const LayoutLoad imported = LayoutStore::Import(dir, shared, "Friend", false);
  ASSERT_TRUE(imported.layout);
  ExpectSameLayout(*imported.layout, SampleLayout());

  ASSERT_TRUE(LayoutStore::Remove(dir, "Sofa").Ok());
  EXPECT_EQ(LayoutStore::InUse(dir), "");
  EXPECT_EQ(LayoutStore::List(dir), (std::vector<std::string>{"Arcade", "Friend"}));
}

TEST(LayoutStore, BadFilesAndNamesChangeNothing)
{
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  ASSERT_TRUE(LayoutStore::Save(dir, "Home", SampleLayout()).Ok());
  const std::string before = temp.Read("layouts/Home.ini");
  temp.Write("cut.txt", LayoutText(SampleLayout()).substr(0, 200));
  temp.Write("layouts/broken.ini", "[Corvane Layout]\r\n");
  for (const std::string& source :
       {temp.Path() + "/cut.txt", temp.Path() + "/missing.txt", temp.Path() + "/layouts"})
  {
    const LayoutLoad load = LayoutStore::Import(dir, source, "Home", true);
    EXPECT_FALSE(load.layout) << source;
    EXPECT_FALSE(load.outcome.Ok()) << source;
  }
  EXPECT_EQ(temp.Read("layouts/Home.ini"), before);
  EXPECT_FALSE(LayoutStore::Load(dir, "broken").layout);
  for (const std::string name : {"../outside", "..", "con"})
  {
    EXPECT_FALSE(LayoutStore::Save(dir, name, Layout()).Ok()) << name;
    EXPECT_FALSE(LayoutStore::Rename(dir, "Home", name).Ok()) << name;
  }
  EXPECT_FALSE(temp.Exists("outside.ini"));
  EXPECT_EQ(LayoutStore::List(dir), (std::vector<std::string>{"Home", "broken"}));
}

TEST(LayoutSwitch, SwitchesKeysAndOwnKeysInOneStepAndABadLayoutChangesNothing)
{
  test::TempDir temp;
  Session session;
  session.dir = temp.Dir();
  session.game_keys = GameKeys();
  session.bindings.Set("start1", "k05");
  ASSERT_TRUE(LayoutSwitch::SaveCurrent(session, "Laptop").Ok());
  ASSERT_TRUE(LayoutStore::Save(session.dir, "Stick", SampleLayout()).Ok());
  temp.Write("layouts/Bad.ini", "[Corvane Layout]\r\n[general]\r\nstart1=k07\r\n");

  EXPECT_FALSE(LayoutSwitch::Switch(session, "Bad").layout);
  EXPECT_EQ(session.bindings.Get("start1"), "k05");
  EXPECT_EQ(LayoutStore::InUse(session.dir), "Laptop");
  // Nothing switched: the own keys file is not written.
  ASSERT_TRUE(LayoutSwitch::SaveSwitchedOwnKeys(session).Ok());
  EXPECT_FALSE(temp.Exists(std::string(GAME_KEYS_FILE)));

  ASSERT_TRUE(LayoutSwitch::Switch(session, "Stick").layout);
  EXPECT_TRUE(session.bindings == SampleLayout().bindings);
  EXPECT_EQ(session.game_keys->Own("sfex", "start1"), "k03");
  EXPECT_EQ(LayoutStore::InUse(session.dir), "Stick");
  ASSERT_TRUE(LayoutSwitch::SaveSwitchedOwnKeys(session).Ok());
  EXPECT_EQ(KeyCodeManager::LoadGameKeys(session.dir)->Own("tekken3", "tekkenleftkickp2"), "k10");

  ASSERT_TRUE(LayoutSwitch::Switch(session, "Laptop").layout);
  EXPECT_EQ(session.bindings.Get("start1"), "k05");
  EXPECT_EQ(session.game_keys->Own("sfex", "start1"), std::nullopt);
}

} // namespace
} // namespace corvane
