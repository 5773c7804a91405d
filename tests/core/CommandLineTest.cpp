#include "base/CommandLine.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using Arguments = std::vector<std::string>;

struct SplitCase
{
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
        SplitCase{"", {}}, SplitCase{"zinc.exe 12 -a", {"zinc.exe", "12", "-a"}},
        SplitCase{"a 3  -x  ", {"a", "3", "-x"}}, SplitCase{"a\tb\t\tc", {"a", "b", "c"}},
        SplitCase{"a -x=\"/my games/c.ini\" d", {"a", "-x=/my games/c.ini", "d"}},
        SplitCase{"a \"x\ty\"", {"a", "x\ty"}},
        SplitCase{"a $b;c&d %e% 'f' `g` *", {"a", "$b;c&d", "%e%", "'f'", "`g`", "*"}},
        SplitCase{"a c:\\dir\\x b\\\\", {"a", "c:\\dir\\x", "b\\\\"}},
        SplitCase{"a \\\"b", {"a", "\"b"}}, SplitCase{"a \\\\\"b c\"", {"a", "\\b c"}},
        SplitCase{"a \\\\\\\"b", {"a", "\\\"b"}}, SplitCase{"a \"b\"\"c\" d", {"a", "b\"c", "d"}},
        SplitCase{"a \"\" b", {"a", "", "b"}}, SplitCase{"a \"b c", {"a", "b c"}},
        SplitCase{"a \"/x\"y\"/z w\"", {"a", "/xy/z w"}},
        SplitCase{"\"C:\\my dir\\zinc.exe\" 1", {"C:\\my dir\\zinc.exe", "1"}},
        SplitCase{"a\\\"b c\" d", {"a\\b c", "d"}}, SplitCase{"a \xE9t\xE9", {"a", "\xE9t\xE9"}},
        SplitCase{std::string_view("a b\0c", 5), {"a", "b"}}));

} // namespace
} // namespace corvane
