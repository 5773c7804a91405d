#include "controls/ControllerFiles.h"
#include "CaseNames.h"
#include "ControlsFixtures.h"
#include "TempDir.h"
#include "base/Text.h"
#include "controls/IniStore.h"
#include "controls/SavePipeline.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

// Each file's player-section keys in the order a new file lists them, each with the stem of the
// slot it holds ("p1" or "p2" is added per section); copy keys included.
struct FileLayout
{
  const char* file;
  const char* own_keys; // "key=slot stem", blank-separated
  bool directions;
};

const FileLayout LAYOUTS[] = {
    {"tkncfg.ini",
     "btn9=tekkenleftpunch btn10=tekkenrightpunch btn12=tekkenleftkick btn13=tekkenrightkick "
     "btn1=tekkenleftpunch btn2=tekkenrightpunch btn4=tekkenleftkick btn5=tekkenrightkick",
     true},
    {"secfg.ini",
     "btn9=seattackhor btn10=seattackvert btn11=sekick btn12=seguard btn1=seattackhor "
     "btn2=seattackvert btn3=sekick btn4=seguard",
     true},
    {"3butcfg.ini", "btn1=tbuta btn2=tbutb btn3=tbutc btn9=tbuta btn10=tbutb btn11=tbutc", true},
    {"capcfg.ini",
     "btn1=cappunch1 btn2=cappunch2 btn3=cappunch3 btn4=capkick1 btn5=capkick2 btn6=capkick3",
     true},
    {"qmacfg.ini", "up=qma1 down=qma2 left=qma3 right=qma4", false},
    {"allcfg.ini", "", true},
};

// The bytes one save writes into an empty folder, built from the layout above.
std::string NewFileBytes(const FileLayout& layout, const BindingTable& table,
                         const GeneralOptions& general)
{
  std::string text;
  for (const char* player : {"1", "2"})
  {
    text += "[player" + std::string(player) + "]\r\n";
    std::string keys = layout.own_keys;
    keys += " start=start coin=coin";
    if (layout.directions)
      keys += " up=up down=down left=left right=right";
    for (std::string_view pair : Split(Trim(keys), ' '))
    {
      const size_t equals = pair.find('=');
      std::string slot(pair.substr(equals + 1));
      slot += StartsWith(slot, "start") || StartsWith(slot, "coin") ? "" : "p";
      text += std::string(pair.substr(0, equals)) + "=" + table.Get(slot + player) + "\r\n";
    }
  }
  text += "[all]\r\nservices=" + table.Get("service") + "\r\ntest=" + table.Get("test") + "\r\n";
  text += "[General]\r\nNOERROR=" + std::to_string(general.no_error) + "\r\noutput=\"" +
          general.output + "\"\r\n";
  return text;
}

void SaveEveryFile(const AppDir& dir, const BindingTable& table, const GeneralOptions& general)
{
  EXPECT_TRUE(WriteCommonBindings(dir, "", table, general).Ok());
  for (const GroupInfo& group : GROUPS)
    EXPECT_TRUE(SaveGroupBindings(dir, group.id, table, general).Ok());
}

class ControllerFiles : public testing::Test
{
protected:
  void SetUp() override { temp.Write("ctrlr/none.txt", ""); }
  std::string File(std::string_view name) const { return dir.CtrlrFile(name); }

  test::TempDir temp;
  AppDir dir = temp.Dir();
};

TEST_F(ControllerFiles, EverySlotLandsInItsFileSectionAndKeys)
{
  const BindingTable table = test::DistinctBindings();
  const GeneralOptions general{2, "err out"};
  SaveEveryFile(dir, table, general);
  for (const FileLayout& layout : LAYOUTS)
    EXPECT_EQ(temp.Read("ctrlr/" + std::string(layout.file)), NewFileBytes(layout, table, general))
        << layout.file;
}

TEST_F(ControllerFiles, NewQmaFileByHand)
{
  BindingTable table;
  table.Set("qma1p1", "k10");
  table.Set("start1", "k02");
  table.Set("upp1", "kC8"); // a common direction: never in this file
  SaveEveryFile(dir, table, GeneralOptions{});
  EXPECT_EQ(temp.Read("ctrlr/qmacfg.ini"),
            "[player1]\r\nup=k10\r\ndown=\r\nleft=\r\nright=\r\nstart=k02\r\ncoin=\r\n"
            "[player2]\r\nup=\r\ndown=\r\nleft=\r\nright=\r\nstart=\r\ncoin=\r\n"
            "[all]\r\nservices=\r\ntest=\r\n"
            "[General]\r\nNOERROR=0\r\noutput=\"\"\r\n");
}

TEST_F(ControllerFiles, EmptyFolderLoadsNothingAndSavedValuesLoadBack)
{
  BindingTable table = test::DistinctBindings();
  EXPECT_EQ(LoadAllBindings(dir, table).no_error, 0);
  for (std::string_view slot : BindingTable::SlotKeys())
    EXPECT_EQ(table.Get(slot), "") << slot;

  const BindingTable saved = test::DistinctBindings();
  SaveEveryFile(dir, saved, GeneralOptions{1, "C:\\emu\\say \"hi\".txt"});
  const GeneralOptions general = LoadAllBindings(dir, table);
  for (std::string_view slot : BindingTable::SlotKeys())
    EXPECT_EQ(table.Get(slot), saved.Get(slot)) << slot;
  EXPECT_EQ(general.no_error, 1);
  EXPECT_EQ(general.output, "C:\\emu\\say \"hi\".txt");
}

TEST_F(ControllerFiles, CopiesAndCommonKeysOfGroupFilesAreNeverRead)
{
  temp.Write("ctrlr/tkncfg.ini", "[player1]\r\nbtn9=k10\r\nbtn1=k99\r\nstart=k77\r\n");
  temp.Write("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
  BindingTable table;
  LoadAllBindings(dir, table);
  EXPECT_EQ(table.Get("tekkenleftpunchp1"), "k10");
  EXPECT_EQ(table.Get("start1"), "k02");
  SaveEveryFile(dir, table, GeneralOptions{});
  EXPECT_EQ(ReadIniValue(File("tkncfg.ini"), "player1", "btn1"), "k10");
  EXPECT_EQ(ReadIniValue(File("tkncfg.ini"), "player1", "start"), "k02");
}

TEST_F(ControllerFiles, HandEditedFileKeepsWhatTheSaveDoesNotName)
{
  temp.Write("ctrlr/capcfg.ini", test::HAND_EDITED_CONTROLLER_FILE);
  SaveEveryFile(dir, test::DistinctBindings(), GeneralOptions{});
  const std::string bytes = temp.Read("ctrlr/capcfg.ini");
  EXPECT_TRUE(StartsWith(bytes, "; my pad\r\n[player1]\nbtn1=t_cappunch1p1\r\nextra=keep me\n"));
  EXPECT_NE(bytes.find("\n\n[player2]\r\n; second pad\r\nstart=t_start2\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n\r\n[mine]\r\nkeep=\"quoted\"\r\n[all]\r\n"), std::string::npos);
}

// Each file is written once per save; the bytes must be those of writing the values one at a
// time, as the profile functions would, on a new file and on a hand-kept one.
class OneWritePerFile : public testing::TestWithParam<std::tuple<const char*, bool>>
{
};

TEST_P(OneWritePerFile, GivesTheBytesOfOneValueAtATime)
{
  const auto [file, hand_edited] = GetParam();
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  if (hand_edited)
  {
    temp.Write("ctrlr/" + std::string(file), test::HAND_EDITED_CONTROLLER_FILE);
    temp.Write("ctrlr/one_by_one.ini", test::HAND_EDITED_CONTROLLER_FILE);
  }
  temp.Write("ctrlr/none.txt", "");
  const BindingTable table = test::DistinctBindings();
  const GeneralOptions general{2, "text"};
  SaveEveryFile(dir, table, general);

  const auto group =
      std::find_if(GROUPS.begin(), GROUPS.end(),
                   [&](const GroupInfo& info) { return info.controller_file == file; });
  const std::vector<IniWrite> writes = group == GROUPS.end()
                                           ? CommonBlockWrites(file, table, general)
                                           : GroupFileWrites(group->id, table, general);
  for (const IniWrite& write : writes)
    ASSERT_TRUE(
        WriteIniValue(dir.CtrlrFile("one_by_one.ini"), write.section, write.key, write.value));
  EXPECT_EQ(temp.Read("ctrlr/" + std::string(file)), temp.Read("ctrlr/one_by_one.ini"));
}

INSTANTIATE_TEST_SUITE_P(SixFiles, OneWritePerFile,
                         testing::Combine(testing::Values("tkncfg.ini", "secfg.ini", "3butcfg.ini",
                                                          "capcfg.ini", "qmacfg.ini", "allcfg.ini"),
                                          testing::Bool()),
                         [](const auto& info)
                         {
                           std::string name(std::get<0>(info.param));
                           name.resize(name.find('.')); // "tkncfg_new"
                           return name + (std::get<1>(info.param) ? "_hand_edited" : "_new");
                         });

struct NoErrorCase
{
  const char* text;
  int state;
};

class NoErrorText : public testing::TestWithParam<NoErrorCase>
{
};

TEST_P(NoErrorText, GivesCheckBoxState)
{
  EXPECT_EQ(NoErrorStateFromText(GetParam().text), GetParam().state) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NoErrorText,
    testing::Values(NoErrorCase{"", 0}, NoErrorCase{"0", 0}, NoErrorCase{"1", 1},
                    NoErrorCase{"2", 2}, NoErrorCase{"0.5", 0}, NoErrorCase{"1.5", 2},
                    NoErrorCase{"2.5", 2}, NoErrorCase{"0.51", 1}, NoErrorCase{".9", 1},
                    NoErrorCase{"+2", 2}, NoErrorCase{"1abc", 1}, NoErrorCase{"1 2", 1},
                    NoErrorCase{"2.4x", 2}, NoErrorCase{"1e0", 1}, NoErrorCase{"2E+0", 2},
                    NoErrorCase{"1e", 1}, NoErrorCase{"abc", 0}, NoErrorCase{".", 0},
                    NoErrorCase{"-", 0}, NoErrorCase{"-0.4", 0},
                    // Numbers the box cannot show count as a missing value.
                    NoErrorCase{"3", 0}, NoErrorCase{"-1", 0}, NoErrorCase{"1e400", 0},
                    NoErrorCase{"99999999999999999999", 0}),
    test::NamedBy<&NoErrorCase::text>());

TEST_F(ControllerFiles, NoErrorIsReadFromTheFileUnquoted)
{
  temp.Write("ctrlr/allcfg.ini", "[general]\r\nnoerror=\"2\"\r\nOUTPUT=  \"a b\"  \r\n");
  BindingTable table;
  const GeneralOptions general = LoadCommonBindings(dir, table);
  EXPECT_EQ(general.no_error, 2);
  EXPECT_EQ(general.output, "a b");
}

} // namespace
} // namespace corvane
