#include "base/CommandLine.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using Arguments = std::vector<std::string>;

struct SplitCase
{
  const char* name;
  std::string_view line;
  Arguments arguments;
};

class WindowsSplit : public testing::TestWithParam<SplitCase>
{
};

TEST_P(WindowsSplit, GivesTheArgumentsTheCRuntimeGives)
{
  EXPECT_EQ(SplitWindowsCommandLine(GetParam().line), GetParam().arguments) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WindowsSplit,
    testing::Values(
        SplitCase{"empty", "", {}}, SplitCase{"plain", "zinc.exe 12 -a", {"zinc.exe", "12", "-a"}},
        SplitCase{"runs_of_blanks", "a 3  -x  ", {"a", "3", "-x"}},
        SplitCase{"tabs_separate", "a\tb\t\tc", {"a", "b", "c"}},
        SplitCase{"quotes_inside_argument",
                  "a -x=\"/my games/c.ini\" d",
                  {"a", "-x=/my games/c.ini", "d"}},
        SplitCase{"quoted_tab", "a \"x\ty\"", {"a", "x\ty"}},
        SplitCase{"shell_characters_plain",
                  "a $b;c&d %e% 'f' `g` *",
                  {"a", "$b;c&d", "%e%", "'f'", "`g`", "*"}},
        SplitCase{"backslashes_without_quote", "a c:\\dir\\x b\\\\", {"a", "c:\\dir\\x", "b\\\\"}},
        SplitCase{"backslash_quote", "a \\\"b", {"a", "\"b"}},
        SplitCase{"two_backslashes_quote", "a \\\\\"b c\"", {"a", "\\b c"}},
        SplitCase{"three_backslashes_quote", "a \\\\\\\"b", {"a", "\\\"b"}},
        SplitCase{"doubled_quote_in_quotes", "a \"b\"\"c\" d", {"a", "b\"c", "d"}},
        SplitCase{"empty_quoted", "a \"\" b", {"a", "", "b"}},
        SplitCase{"unclosed_quote", "a \"b c", {"a", "b c"}},
        SplitCase{"quotes_mid_argument", "a \"/x\"y\"/z w\"", {"a", "/xy/z w"}},
        SplitCase{
            "quoted_program_path", "\"C:\\my dir\\zinc.exe\" 1", {"C:\\my dir\\zinc.exe", "1"}},
        SplitCase{"program_name_keeps_backslashes", "a\\\"b c\" d", {"a\\b c", "d"}},
        SplitCase{"high_bytes", "a \xE9t\xE9", {"a", "\xE9t\xE9"}},
        SplitCase{"nul_ends_line", std::string_view("a b\0c", 5), {"a", "b"}}),
    test::ByName());

// The lead bytes of code page 932 (Shift JIS; A0-DF are one-byte katakana) and 936 (GBK).
bool LeadOf932(unsigned char byte)
{
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool LeadOf936(unsigned char byte)
{
  return byte >= 0x81 && byte <= 0xFE;
}

struct DoubleByteCase
{
  const char* name;
  std::string_view line;
  Arguments in_932;
  Arguments in_936;
};

class DoubleByteSplit : public testing::TestWithParam<DoubleByteCase>
{
};

// "ソ" is 83 5C in 932, "表" 95 5C, "砜" B5 5C in 936: a second byte that is the backslash.
TEST_P(DoubleByteSplit, TakesEachLeadByteWithTheByteAfterIt)
{
  EXPECT_EQ(SplitWindowsCommandLine(GetParam().line, LeadOf932), GetParam().in_932);
  EXPECT_EQ(SplitWindowsCommandLine(GetParam().line, LeadOf936), GetParam().in_936);
}

INSTANTIATE_TEST_SUITE_P(Lines, DoubleByteSplit,
                         testing::Values(DoubleByteCase{"quoted_so_argument",
                                                        "z --title=\"\x83\x5C\" -c",
                                                        {"z", "--title=\x83\x5C", "-c"},
                                                        {"z", "--title=\x83\x5C", "-c"}},
                                         DoubleByteCase{"so_before_quote_opens_it",
                                                        "z \x83\x5C\" -c x",
                                                        {"z", "\x83\x5C -c x"},
                                                        {"z", "\x83\x5C -c x"}},
                                         DoubleByteCase{"hyo_backslash_quote_is_literal",
                                                        "z \x95\x5C\x5C\" y",
                                                        {"z", "\x95\x5C\"", "y"},
                                                        {"z", "\x95\x5C\"", "y"}},
                                         DoubleByteCase{"katakana_one_byte_in_932",
                                                        "z \xB1\x5C\"x y\"",
                                                        {"z", "\xB1\"x", "y"},
                                                        {"z", "\xB1\x5Cx y"}},
                                         DoubleByteCase{"gbk_second_byte_backslash",
                                                        "z \xB5\x5C\"a b\" c",
                                                        {"z", "\xB5\"a", "b c"},
                                                        {"z",
                                                         "\xB5\x5C"
                                                         "a b",
                                                         "c"}},
                                         DoubleByteCase{"lead_byte_takes_blank",
                                                        "z \x83 -c",
                                                        {"z", "\x83 -c"},
                                                        {"z", "\x83 -c"}},
                                         DoubleByteCase{"quoted_program_name",
                                                        "\"\x83\x5C\\z.exe\" 1",
                                                        {"\x83\x5C\\z.exe", "1"},
                                                        {"\x83\x5C\\z.exe", "1"}},
                                         DoubleByteCase{"lead_byte_takes_quote_in_program_name",
                                                        "\x83\"a b\" c",
                                                        {"\x83\"a", "b c"},
                                                        {"\x83\"a", "b c"}},
                                         DoubleByteCase{"no_lead_byte_80",
                                                        "z \x80\x5C\" \x83",
                                                        {"z", "\x80\"", "\x83"},
                                                        {"z", "\x80\"", "\x83"}},
                                         DoubleByteCase{"lead_byte_before_nul_alone",
                                                        std::string_view("z \x83\0b", 5),
                                                        {"z", "\x83"},
                                                        {"z", "\x83"}}),
                         test::ByName());

} // namespace
} // namespace corvane
