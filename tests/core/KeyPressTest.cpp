#include "controls/KeyPress.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

struct PressCase
{
  const char* what;
  KeyPress press;
  const char* token;
  const char* name;
};

class PressedKeyOf : public testing::TestWithParam<PressCase>
{
};

TEST_P(PressedKeyOf, GivesTokenAndName)
{
  const PressedKey key = KeyFromPress(GetParam().press);
  EXPECT_EQ(key.token, GetParam().token);
  EXPECT_EQ(key.name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressedKeyOf,
    testing::Values(
        // The virtual key names the key where its own token is the scan code's.
        PressCase{"PageUp", {true, 0xC9, 33}, "kC9", "PAGE UP"},
        PressCase{"Delete", {true, 0xD3, 46}, "kD3", "DEL"},
        // Both Shift keys give one virtual key: the scan code tells the right one.
        PressCase{"RightShift", {true, 0x36, 16}, "k36", "RSHIFT"},
        // On a French layout the key typing A sits where Q is: the place binds and names.
        PressCase{"AzertyA", {true, 0x10, 65}, "k10", "Q"},
        PressCase{"Unreadable", {true, std::nullopt, 65}, "", ""},
        // No scan code: the virtual key stands for the key.
        PressCase{"NoScanCode", {false, std::nullopt, 65}, "k1E", "A"},
        PressCase{"NoScanCodeNoKey", {false, std::nullopt, 12}, "", ""},
        PressCase{"NoScanCodeNoName", {false, std::nullopt, 255}, "", ""}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace corvane
