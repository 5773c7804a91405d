#include "controls/KeyCodeManager.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

struct CodeCase
{
  int16_t code;
  const char* name;
  const char* token;
};

class KeyCode : public testing::TestWithParam<CodeCase>
{
};

TEST_P(KeyCode, GivesNameAndToken)
{
  const CodeCase& c = GetParam();
  EXPECT_EQ(KeyNameFromKeyCode(c.code), c.name);
  EXPECT_EQ(KeyTokenFromKeyName(KeyNameFromKeyCode(c.code)), c.token);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, KeyCode,
    testing::Values(
        // Both keys of a pair deliver one code and so the left key's name.
        CodeCase{16, "LSHIFT", "k2A"}, CodeCase{17, "LCONTROL", "k1D"},
        CodeCase{18, "LMENU", "k38"},
        // Capture names of keys with a scan code under another name keep the name shown and
        // take that scan code.
        CodeCase{33, "PAGE UP", "kC9"}, CodeCase{34, "PAGE DOWN", "kD1"},
        CodeCase{45, "INS", "kD2"}, CodeCase{46, "DEL", "kD3"}, CodeCase{44, "SNAPSHOT", "kB7"},
        CodeCase{188, ",", "k33"}, CodeCase{192, "`", "k29"},
        // Names of keys without a scan code give the bare "k".
        CodeCase{1, "Left mouse button", "k"}, CodeCase{3, "CANCEL", "k"},
        CodeCase{12, "CLEAR", "k"}, CodeCase{41, "SELECT", "k"}, CodeCase{42, "PRINT SCREEN", "k"},
        CodeCase{43, "EXECUTE", "k"}, CodeCase{47, "HELP", "k"}, CodeCase{127, "F16", "k"},
        // Unnamed codes give their digits, which are then looked up like any name.
        CodeCase{145, "145", "k"}, CodeCase{0, "0", "k0B"}, CodeCase{-3, "-3", "k"},
        CodeCase{223, "223", "k"}, CodeCase{-32768, "-32768", "k"}, CodeCase{32767, "32767", "k"},
        CodeCase{91, "91", "k"},
        // Ordinary rows, first and last of the table among them.
        CodeCase{48, "0", "k0B"}, CodeCase{49, "1", "k02"}, CodeCase{124, "F13", "k64"},
        CodeCase{8, "BACK", "k0E"}, CodeCase{222, "APOSTROPHE", "k28"},
        CodeCase{108, "NUMPADENTER", "k9C"}, CodeCase{19, "PAUSE", "kC5"}),
    [](const auto& info) { return "code_" + test::CaseNameOf(std::to_string(info.param.code)); });

struct TextCase
{
  const char* input;
  const char* output;
};

// Any first byte is dropped unseen, one above 0x7F too.
constexpr const char* HIGH_BYTE_TOKEN = "\xE9"
                                        "2A";

class KeyToken : public testing::TestWithParam<TextCase>
{
};

TEST_P(KeyToken, GivesName)
{
  EXPECT_EQ(KeyNameFromKeyToken(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, KeyToken,
    testing::Values(TextCase{"k1E", "A"}, TextCase{"x1E", "A"}, TextCase{"k2a", ""},
                    TextCase{"k", ""}, TextCase{"", ""}, TextCase{"k02A", ""}, TextCase{"k2", ""},
                    TextCase{"k 2A", ""}, TextCase{"kk2A", ""}, TextCase{HIGH_BYTE_TOKEN, "LSHIFT"},
                    TextCase{"k36", "RSHIFT"}, TextCase{"k9D", "RCONTROL"},
                    TextCase{"kB8", "RMENU"}, TextCase{"kC9", "PRIOR"}, TextCase{"kD1", "NEXT"},
                    TextCase{"kD2", "INSERT"}, TextCase{"kD3", "DELETE"}, TextCase{"k33", "COMMA"},
                    TextCase{"k29", "GRAVE"}, TextCase{"k01", "ESCAPE"},
                    TextCase{"kED", "MEDIASELECT"}, TextCase{"k0B", "0"}, TextCase{"k00", ""},
                    TextCase{"kFF", ""}),
    test::NamedBy<&TextCase::input>());

class KeyName : public testing::TestWithParam<TextCase>
{
};

TEST_P(KeyName, GivesToken)
{
  EXPECT_EQ(KeyTokenFromKeyName(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, KeyName,
                         testing::Values(TextCase{"LSHIFT", "k2A"}, TextCase{"lshift", "k"},
                                         TextCase{"LSHIFT ", "k"}, TextCase{" LSHIFT", "k"},
                                         TextCase{"", "k"}, TextCase{"Prior", "k"},
                                         TextCase{"PRIOR", "kC9"}, TextCase{"GRAVE", "k29"},
                                         TextCase{"2A", "k"}, TextCase{"k2A", "k"},
                                         TextCase{"RSHIFT", "k36"}, TextCase{"SYSRQ", "kB7"}),
                         test::NamedBy<&TextCase::input>());

std::string TokenFor(int scan_code)
{
  char token[4];
  std::snprintf(token, sizeof token, "k%02X", scan_code);
  return token;
}

TEST(KeyTables, EveryScanCodePairRoundTrips)
{
  std::set<std::string> names;
  for (int scan_code = 0; scan_code <= 0xFF; ++scan_code)
  {
    const std::string token = TokenFor(scan_code);
    const std::string name = KeyNameFromKeyToken(token);
    if (name.empty())
      continue;
    EXPECT_EQ(KeyTokenFromKeyName(name), token) << name;
    EXPECT_TRUE(names.insert(name).second) << name << " named twice";
    EXPECT_GE(scan_code, 0x01);
    EXPECT_LE(scan_code, 0xED);
  }
  EXPECT_EQ(names.size(), 144u);
}

TEST(KeyTables, HundredAndTenCodesHaveNamesAndAHundredOfThemTokens)
{
  int named = 0;
  int with_token = 0;
  for (int code = -32768; code <= 32767; ++code)
  {
    const std::string name = KeyNameFromKeyCode(static_cast<int16_t>(code));
    if (name == std::to_string(code))
      continue;
    ++named;
    const std::string token = KeyTokenFromKeyName(name);
    if (token != "k")
    {
      ++with_token;
      // Under its scan-code name ("PRIOR" for "PAGE UP") the key gives the same token.
      EXPECT_EQ(KeyTokenFromKeyName(KeyNameFromKeyToken(token)), token) << name;
    }
  }
  EXPECT_EQ(named, 110);
  EXPECT_EQ(with_token, 100);
}

} // namespace
} // namespace corvane
