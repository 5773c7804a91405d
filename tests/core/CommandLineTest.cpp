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

} // namespace
} // namespace corvane
