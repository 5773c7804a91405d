#include "CaseNames.h"
#include "ControlsFixtures.h"
#include "TempDir.h"
#include "base/Text.h"
#include "controls/IniStore.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane
{
namespace
{

const std::string& HAND_EDITED = test::HAND_EDITED_CONTROLLER_FILE;

struct Key
{
  const char* section;
  const char* key;
};

const Key KEYS[] = {{"player1", "btn1"}, {"player1", "extra"}, {"player2", "start"},
                    {"mine", "keep"},    {"mine", "b"},        {"General", "injected"}};

class LineBreakInValue : public testing::TestWithParam<const char*>
{
};

TEST_P(LineBreakInValue, StaysOnItsLineAndLeavesOtherKeysAlone)
{
  IniDocument document(HAND_EDITED);
  const size_t line_count = SplitLines(document.Bytes()).size();
  std::vector<std::string> before;
  for (const Key& k : KEYS)
    before.push_back(document.Read(k.section, k.key));

  document.Write("General", "output", GetParam());

  std::string blanked = GetParam();
  std::replace(blanked.begin(), blanked.end(), '\r', ' ');
  std::replace(blanked.begin(), blanked.end(), '\n', ' ');
  EXPECT_EQ(ReadIniValue(document, "General", "output"), Trim(blanked));
  // The new section: its header and the one line of the value.
  EXPECT_EQ(SplitLines(document.Bytes()).size(), line_count + 2);
  for (size_t i = 0; i < std::size(KEYS); ++i)
    EXPECT_EQ(document.Read(KEYS[i].section, KEYS[i].key), before[i]) << KEYS[i].key;
}

INSTANTIATE_TEST_SUITE_P(PastedTexts, LineBreakInValue,
                         testing::Values("a\r\nb=c", "f\rg", "\n", "x\n[mine]\nb=1",
                                         "line one\r\nline two\r\n", "\r\ninjected=1\r\n"),
                         test::NamedByText());

TEST(IniDocument, LineBreaksInNamesDoNotSplitLines)
{
  IniDocument document(HAND_EDITED);
  document.Write("new\r\n[mine]", "k\n=x", "v");
  EXPECT_EQ(document.Read("mine", "keep"), "quoted");
  EXPECT_EQ(document.Read("mine", "k"), "");
  EXPECT_EQ(document.Bytes(), HAND_EDITED + "\r\n[new  [mine]]\r\nk =x=v\r\n");
}

TEST(IniValue, ProgramReadTrimsInsideQuotesAndCutsAt9999)
{
  const std::string long_value(12000, 'x');
  IniDocument document("[s]\r\nq=\"  padded  \"\r\nlong=" + long_value + "\r\n");
  EXPECT_EQ(document.Read("s", "q"), "  padded  ");
  EXPECT_EQ(ReadIniValue(document, "s", "q"), "padded");
  EXPECT_EQ(ReadIniValue(document, "s", "long"), long_value.substr(0, 9999));
}

TEST(IniValue, WriteIntoAFolderNameFailsAndKeepsIt)
{
  test::TempDir temp;
  const std::string path = temp.Path() + "/folder.ini";
  std::filesystem::create_directory(path);
  EXPECT_FALSE(WriteIniValue(path, "s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(ReadIniValue(path, "s", "k"), "");
}

TEST(IniValue, ReadOfMissingFileCreatesNothing)
{
  test::TempDir temp;
  EXPECT_EQ(ReadIniValue(temp.Path() + "/none.ini", "s", "k"), "");
  EXPECT_FALSE(temp.Exists("none.ini"));
}

} // namespace
} // namespace corvane
