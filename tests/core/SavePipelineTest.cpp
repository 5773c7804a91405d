#include "controls/SavePipeline.h"
#include "CaseNames.h"
#include "ControlsFixtures.h"
#include "TempDir.h"
#include "app/SavedRecord.h"
#include "base/Messages.h"
#include "controls/IniStore.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

class SaveAll : public testing::Test
{
protected:
  SaveOutcome Save(int16_t wrapper_flag = 0)
  {
    settings.CfgWrapperFlag = wrapper_flag;
    const SaveRequest request{table, GeneralOptions{1, "out"}, "--opts", settings,
                              [this]
                              {
                                ++wrapper_calls;
                                return wrapper_result;
                              }};
    return SaveAllChanges(dir, request, lists);
  }
  void List(const std::string& list_file, const std::string& text)
  {
    temp.Write("ctrlr/" + list_file, text);
  }
  bool HasProblem(const Outcome& outcome, std::string_view what, const std::string& file) const
  {
    return std::any_of(outcome.problems.begin(), outcome.problems.end(),
                       [&](const Problem& p) { return p.what == what && p.file == file; });
  }

  test::TempDir temp;
  AppDir dir = temp.Dir();
  BindingTable table = test::DistinctBindings();
  FrontendSettings settings;
  GroupLists lists;
  int wrapper_calls = 0;
  WrapperStepResult wrapper_result;
};

TEST_F(SaveAll, CopiesEachGroupFileByteForByte)
{
  List("tekken.lst", "tekken3\r\n");
  List("cap.lst", "sfa3\r\nsfex\r\n");
  List("qma.lst", "myangel3");
  ASSERT_TRUE(Save().outcome.Ok());
  EXPECT_EQ(temp.Read("ctrlr/tekken3.ini"), temp.Read("ctrlr/tkncfg.ini"));
  EXPECT_EQ(temp.Read("ctrlr/sfa3.ini"), temp.Read("ctrlr/capcfg.ini"));
  EXPECT_EQ(temp.Read("ctrlr/sfex.ini"), temp.Read("ctrlr/capcfg.ini"));
  EXPECT_EQ(temp.Read("ctrlr/myangel3.ini"), temp.Read("ctrlr/qmacfg.ini"));
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("tekken3.ini"), "player2", "btn1"), "t_tekkenleftpunchp2");
  EXPECT_EQ(temp.Read("corvane.cfg"), "--opts\r\n 0 \r\n 0 \r\n 0 \r\n");
}

struct CopyOrderCase
{
  std::vector<std::string> lists_with_game; // list files naming the game
  const char* winner;
};

class CopyOrder : public SaveAll, public testing::WithParamInterface<CopyOrderCase>
{
};

TEST_P(CopyOrder, LastGroupInOrderWins)
{
  for (const std::string& list_file : GetParam().lists_with_game)
    List(list_file, "game\r\n");
  ASSERT_TRUE(Save().outcome.Ok());
  EXPECT_EQ(temp.Read("ctrlr/game.ini"), temp.Read("ctrlr/" + std::string(GetParam().winner)));
}

INSTANTIATE_TEST_SUITE_P(Groups, CopyOrder,
                         testing::Values(CopyOrderCase{{"cap.lst", "souledge.lst"}, "secfg.ini"},
                                         CopyOrderCase{{"3but.lst", "qma.lst"}, "qmacfg.ini"},
                                         CopyOrderCase{{"cap.lst", "3but.lst"}, "3butcfg.ini"},
                                         CopyOrderCase{{"qma.lst", "tekken.lst"}, "tkncfg.ini"},
                                         CopyOrderCase{{"tekken.lst", "souledge.lst", "cap.lst"},
                                                       "secfg.ini"}),
                         [](const auto& info)
                         {
                           std::string name; // the lists' stems: "cap_souledge"
                           for (const std::string& list_file : info.param.lists_with_game)
                             name += (name.empty() ? "" : "_") +
                                     list_file.substr(0, list_file.find('.'));
                           return name;
                         });

TEST_F(SaveAll, CopiesFollowTheListFilesNotUnsavedEdits)
{
  List("cap.lst", "onfile\r\n");
  lists[GroupId::Cap] = {"unsaved"};
  Save();
  EXPECT_EQ(lists[GroupId::Cap], std::vector<std::string>{"onfile"});
  EXPECT_TRUE(temp.Exists("ctrlr/onfile.ini"));
  EXPECT_FALSE(temp.Exists("ctrlr/unsaved.ini"));
}

TEST_F(SaveAll, UnreadableListFileIsReportedAndKeepsItsList)
{
  std::filesystem::create_directories(dir.CtrlrFile("cap.lst")); // a folder in its place
  lists[GroupId::Cap] = {"kept"};
  lists[GroupId::Tekken] = {"gone"}; // no tekken.lst: the group is empty
  const Outcome outcome = Save().outcome;
  EXPECT_TRUE(HasProblem(outcome, Messages::FILE_NOT_READ, dir.CtrlrFile("cap.lst")));
  EXPECT_EQ(outcome.problems.size(), 1u) << outcome.Describe();
  EXPECT_EQ(lists[GroupId::Cap], std::vector<std::string>{"kept"});
  EXPECT_TRUE(lists[GroupId::Tekken].empty());
  EXPECT_EQ(temp.Read("ctrlr/kept.ini"), temp.Read("ctrlr/capcfg.ini"));
}

struct CaseCase
{
  std::vector<std::pair<GroupId, std::string>> entries;
  const char* winner_file;
  const char* winner_layout;
};

class FoldedNames : public SaveAll, public testing::WithParamInterface<CaseCase>
{
};

// A folder that folds case, faked on one that does not: only the winning spelling is written,
// so on a real such folder the one file always ends with the later group's layout.
TEST_P(FoldedNames, LaterGroupWinsOverAnotherSpelling)
{
  ASSERT_TRUE(Save().outcome.Ok());
  for (const auto& [group, set_name] : GetParam().entries)
    lists[group].push_back(set_name);
  ASSERT_TRUE(MakePerGameControllerFiles(dir, lists, nullptr, NameCase::Folded).Ok());
  EXPECT_EQ(temp.Read(std::string("ctrlr/") + GetParam().winner_file),
            temp.Read(std::string("ctrlr/") + GetParam().winner_layout));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.CtrlrDir()), {}), 7)
      << "six controller files and one copy";
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, FoldedNames,
    testing::Values(
        CaseCase{{{GroupId::Cap, "SF2"}, {GroupId::SoulEdge, "sf2"}}, "sf2.ini", "secfg.ini"},
        CaseCase{{{GroupId::SoulEdge, "sf2"}, {GroupId::Cap, "Sf2"}}, "sf2.ini", "secfg.ini"},
        CaseCase{{{GroupId::Qma, "ab"}, {GroupId::Tekken, "AB"}, {GroupId::ThreeBut, "aB"}},
                 "AB.ini",
                 "tkncfg.ini"}),
    [](const auto& info)
    {
      std::string name; // the spellings in list order: "SF2_sf2"
      for (const auto& entry : info.param.entries)
        name += (name.empty() ? "" : "_") + entry.second;
      return name;
    });

TEST_F(SaveAll, RemovesTemporaryFilesOfAKilledSave)
{
  temp.Write("ctrlr/sfa3.ini~corvane-99999999-0", "half");
  temp.Write("corvane.cfg~corvane-99999999-1", "half");
  temp.Write("ctrlr/sfa3.ini.bak", "not ours");
  ASSERT_TRUE(Save().outcome.Ok());
  EXPECT_FALSE(temp.Exists("ctrlr/sfa3.ini~corvane-99999999-0"));
  EXPECT_FALSE(temp.Exists("corvane.cfg~corvane-99999999-1"));
  EXPECT_TRUE(temp.Exists("ctrlr/sfa3.ini.bak"));
}

TEST_F(SaveAll, PlayersFilesThatLookLikeTemporariesSurviveAHundredSaves)
{
  const std::vector<std::string> players = {
      "notes.tmp2024-06",    "ctrlr/keep.tmp1-1",       "ctrlr/sf2.ini.tmp99999-0",
      "zinc.cfg.tmp1-2",     "ctrlr/a~corvane-1-2.bak", "ctrlr/a~corvane-01-2",
      "ctrlr/a~corvane-0-2", "ctrlr/~corvane-5-2",      "ctrlr/a~corvane-5-x"};
  for (size_t i = 0; i < players.size(); ++i)
    temp.Write(players[i], "player's file " + std::to_string(i));
  List("cap.lst", "sf2\r\nsfa3\r\n");
  for (int save = 0; save < 100; ++save)
    ASSERT_TRUE(Save().outcome.Ok()) << save;
  for (size_t i = 0; i < players.size(); ++i)
    EXPECT_EQ(temp.Read(players[i]), "player's file " + std::to_string(i)) << players[i];
}

// Own keys no one can read: the copies would drop them, so every game keeps its file, and the
// family files, the lists and the settings are saved as ever. Without a window's copy, the
// file's own keys reach the copies.
TEST_F(SaveAll, UnreadableOwnKeysLeaveEveryGamesFileAsItIs)
{
  List("cap.lst", "sfex\r\nsfa3\r\n");
  temp.Write("ctrlr/sfex.ini", "[player1]\r\nbtn1=k10\r\n");
  temp.Write(std::string(GAME_KEYS_FILE) + "/inside", "a folder of that name");
  table.Set("cappunch1p1", "k1E");
  const Outcome outcome = Save().outcome;
  EXPECT_TRUE(HasProblem(outcome, Messages::OWN_KEYS_COPIES_KEPT, dir.File(GAME_KEYS_FILE)));
  EXPECT_EQ(outcome.problems.size(), 1u) << outcome.Describe();
  EXPECT_EQ(temp.Read("ctrlr/sfex.ini"), "[player1]\r\nbtn1=k10\r\n");
  EXPECT_FALSE(temp.Exists("ctrlr/sfa3.ini"));
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("capcfg.ini"), "player1", "btn1"), "k1E");
  EXPECT_EQ(temp.Read("corvane.cfg"), "--opts\r\n 0 \r\n 0 \r\n 0 \r\n");

  std::filesystem::remove_all(dir.File(GAME_KEYS_FILE));
  temp.Write(std::string(GAME_KEYS_FILE), "[sfex]\r\ncappunch1p1=k10\r\n");
  ASSERT_TRUE(Save().outcome.Ok());
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("sfex.ini"), "player1", "btn1"), "k10");
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("sfa3.ini"), "player1", "btn1"), "k1E");
}

TEST_F(SaveAll, ReadOnlyFilesAreLeftAsTheyAreAndReported)
{
  namespace fs = std::filesystem;
  List("cap.lst", "sf2\r\n");
  // A game's copy the player protected is the player's choice, and the save counts as done; a
  // family file or the settings kept read-only leave what the window shows unsaved.
  const struct
  {
    std::string path;
    std::string_view reported;
    bool counts_as_saved;
  } cases[] = {
      {dir.CtrlrFile("sf2.ini"), Messages::FILE_PROTECTED, true},
      {dir.CtrlrFile("capcfg.ini"), Messages::FILE_NOT_WRITTEN, false},
      {dir.File("corvane.cfg"), Messages::FILE_NOT_WRITTEN, false},
  };
  for (const auto& [path, reported, counts_as_saved] : cases)
  {
    ASSERT_TRUE(WriteFileAtomic(path, "protected " + path));
    fs::permissions(path, fs::perms(0444));
    const Outcome outcome = Save().outcome;
    EXPECT_EQ(ReadFileBytes(path), "protected " + path);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_TRUE(HasProblem(outcome, reported, path)) << outcome.Describe();
    EXPECT_EQ(CountsAsSaved(outcome), counts_as_saved) << path;
    fs::permissions(path, fs::perms(0644));
  }
}

TEST_F(SaveAll, CreatesAMissingCtrlrFolderFirst)
{
  const SaveOutcome saved = Save();
  EXPECT_TRUE(saved.outcome.Ok()) << saved.outcome.Describe();
  for (const char* file :
       {"allcfg.ini", "tkncfg.ini", "3butcfg.ini", "qmacfg.ini", "secfg.ini", "capcfg.ini"})
    EXPECT_TRUE(temp.Exists("ctrlr/" + std::string(file))) << file;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.CtrlrDir()),
                          std::filesystem::directory_iterator()),
            6);
}

TEST_F(SaveAll, GameInNoListKeepsItsOldFile)
{
  temp.Write("ctrlr/oldgame.ini", "old");
  List("cap.lst", "");
  Save();
  EXPECT_EQ(temp.Read("ctrlr/oldgame.ini"), "old");
}

TEST_F(SaveAll, RewritesOnlyFilesWhoseBytesDiffer)
{
  List("cap.lst", "same\r\nedited\r\n");
  Save();
  temp.Write("ctrlr/edited.ini", "by hand");
  // A day before now: the clock's own epoch is not a time every file system can store.
  const auto old_time =
      std::filesystem::last_write_time(dir.CtrlrFile("capcfg.ini")) - std::chrono::hours(24);
  for (const char* file : {"same.ini", "capcfg.ini"})
    std::filesystem::last_write_time(dir.CtrlrFile(file), old_time);
  Save();
  EXPECT_EQ(std::filesystem::last_write_time(dir.CtrlrFile("same.ini")), old_time);
  EXPECT_EQ(std::filesystem::last_write_time(dir.CtrlrFile("capcfg.ini")), old_time);
  EXPECT_EQ(temp.Read("ctrlr/edited.ini"), temp.Read("ctrlr/capcfg.ini"));
  table.Set("cappunch1p1", "k10");
  Save();
  EXPECT_NE(std::filesystem::last_write_time(dir.CtrlrFile("same.ini")), old_time);
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("same.ini"), "player1", "btn1"), "k10");
}

TEST_F(SaveAll, WrapperStepRunsOnlyForFlagOne)
{
  wrapper_result.wrapper_missing = true;
  wrapper_result.outcome.Add("wrapper problem");
  for (int16_t flag : {0, 2, -1})
    EXPECT_TRUE(Save(flag).outcome.Ok());
  EXPECT_EQ(wrapper_calls, 0);
  const SaveOutcome saved = Save(1);
  EXPECT_EQ(wrapper_calls, 1);
  EXPECT_TRUE(saved.wrapper_missing);
  EXPECT_TRUE(HasProblem(saved.outcome, "wrapper problem", ""));
}

TEST_F(SaveAll, ListsEveryFileThatCouldNotBeWritten)
{
  // A folder where a file should be cannot be replaced.
  std::filesystem::create_directories(dir.CtrlrFile("secfg.ini"));
  std::filesystem::create_directories(dir.CtrlrFile("blocked.ini"));
  std::filesystem::create_directories(dir.File("corvane.cfg"));
  List("souledge.lst", "soulclbr\r\n");
  List("cap.lst", "blocked\r\nsfa3\r\n");
  const Outcome outcome = Save().outcome;
  const std::string not_written(Messages::FILE_NOT_WRITTEN);
  EXPECT_TRUE(HasProblem(outcome, not_written, dir.CtrlrFile("secfg.ini")));
  EXPECT_TRUE(HasProblem(outcome, Messages::FILE_NOT_READ, dir.CtrlrFile("secfg.ini")));
  EXPECT_TRUE(HasProblem(outcome, not_written, dir.CtrlrFile("blocked.ini")));
  EXPECT_TRUE(HasProblem(outcome, not_written, dir.File("corvane.cfg")));
  EXPECT_EQ(outcome.problems.size(), 4u) << outcome.Describe();
  EXPECT_TRUE(temp.Exists("ctrlr/sfa3.ini"));
  EXPECT_FALSE(temp.Exists("ctrlr/soulclbr.ini"));
}

TEST_F(SaveAll, SkipsAndReportsSetNamesThatAreNoPlainFileNames)
{
  // The line of blanks is an empty entry: it names no file and is no problem.
  List("cap.lst", "../escape\r\nCON\r\nsfa3\r\ncapcfg\r\n \r\n");
  const Outcome outcome = Save().outcome;
  for (const char* bad : {"../escape", "CON", "capcfg"})
    EXPECT_TRUE(HasProblem(outcome, Messages::BAD_SET_NAME, bad)) << bad;
  EXPECT_EQ(outcome.problems.size(), 3u) << outcome.Describe();
  EXPECT_FALSE(temp.Exists("escape.ini"));
  EXPECT_TRUE(temp.Exists("ctrlr/sfa3.ini"));
  EXPECT_EQ(ReadIniValue(dir.CtrlrFile("capcfg.ini"), "player1", "btn1"), "t_cappunch1p1");
}

struct NameCase
{
  std::string_view name;
  bool plain;
};

class SetName : public testing::TestWithParam<NameCase>
{
};

TEST_P(SetName, IsPlainOnlyWhenItNamesOneFileInCtrlr)
{
  EXPECT_EQ(IsPlainSetName(GetParam().name), GetParam().plain) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SetName,
    testing::Values(NameCase{"sfa3", true}, NameCase{"a.b", true}, NameCase{"con1", true},
                    NameCase{"com10", true}, NameCase{"lpt", true}, NameCase{"console", true},
                    NameCase{" lead", true}, NameCase{"x..y", true}, NameCase{"\xE9t\xE9", true},
                    NameCase{"capcfg2", true}, NameCase{"", false}, NameCase{".", false},
                    NameCase{"..", false}, NameCase{"a/b", false}, NameCase{"a\\b", false},
                    NameCase{"C:", false}, NameCase{"c:x", false}, NameCase{"a<b", false},
                    NameCase{"a>b", false}, NameCase{"a\"b", false}, NameCase{"a|b", false},
                    NameCase{"a?b", false}, NameCase{"a*b", false}, NameCase{"a\tb", false},
                    NameCase{std::string_view("a\0b", 3), false}, NameCase{"\x1F", false},
                    NameCase{"abc.", false}, NameCase{"abc ", false}, NameCase{"CON", false},
                    NameCase{"con", false}, NameCase{"Con.txt", false}, NameCase{"NUL.ini", false},
                    NameCase{"nul .txt", false}, NameCase{"AUX", false}, NameCase{"PRN", false},
                    NameCase{"COM1", false}, NameCase{"com9", false}, NameCase{"LPT1", false},
                    NameCase{"lpt9.x", false}, NameCase{"COM\xB9", false},
                    NameCase{"CONIN$", false}, NameCase{"capcfg", false}, NameCase{"AllCfg", false},
                    NameCase{"secfg", false}),
    test::ByName());

} // namespace
} // namespace corvane
