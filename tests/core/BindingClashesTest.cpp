#include "controls/BindingClashes.h"
#include "controls/ControllerFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace corvane
{
namespace
{

using Bindings = std::vector<std::pair<std::string_view, std::string>>;
using Slots = std::vector<std::string_view>;

struct ClashCase
{
  const char* name;
  Bindings bindings;
  std::string_view slot;
  Slots expected;                // across every group file
  std::optional<GroupId> within = std::nullopt; // set: only that group's file
};

BindingTable TableOf(const Bindings& bindings)
{
  BindingTable table;
  for (const auto& [slot, token] : bindings)
    table.Set(slot, token);
  return table;
}

TEST(BindingClashes, SameKeyInOneFile)
{
  const std::vector<ClashCase> cases = {
      {"shared x group", {{"start1", "k1E"}, {"cappunch1p1", "k1E"}}, "start1", {"cappunch1p1"}},
      {"player 1 x player 2",
       {{"cappunch1p1", "k1E"}, {"cappunch1p2", "k1E"}},
       "cappunch1p2",
       {"cappunch1p1"}},
      {"two groups never share a file",
       {{"cappunch1p1", "k1E"}, {"tekkenleftpunchp1", "k1E"}},
       "cappunch1p1",
       {}},
      {"the quiz file has no directions", {{"upp1", "k1E"}, {"qma1p1", "k1E"}}, "upp1", {}},
      {"a direction in the other files",
       {{"upp1", "k1E"}, {"tbutap2", "k1E"}},
       "upp1",
       {"tbutap2"}},
      {"a key without a scan code drives nothing", {{"coin1", "k"}, {"coin2", "k"}}, "coin1", {}},
      {"three on one key",
       {{"start1", "k02"}, {"coin1", "k02"}, {"seguardp1", "k02"}},
       "coin1",
       {"start1", "seguardp1"}},
      {"one file only", {{"start1", "k1E"}, {"cappunch1p1", "k1E"}}, "start1", {}, GroupId::Tekken},
  };
  for (const ClashCase& c : cases)
  {
    const BindingTable table = TableOf(c.bindings);
    const ClashMap clashes = c.within ? KeyCodeManager::FindClashes(table, *c.within)
                                      : KeyCodeManager::FindClashes(table);
    EXPECT_EQ(clashes.Others(c.slot), c.expected) << c.name;
    for (const std::string_view other : c.expected)
      EXPECT_TRUE(clashes.Clashes(other)) << c.name << ": " << other;
  }
}

TEST(BindingClashes, GroupFilesHoldSharedAndOwnSlots)
{
  EXPECT_EQ(KeyCodeManager::GroupFileSlots(GroupId::Cap).size(), 14u + 12u);
  EXPECT_EQ(KeyCodeManager::GroupFileSlots(GroupId::Qma).size(), 6u + 8u);
  EXPECT_EQ(KeyCodeManager::GroupFileSlots(GroupId::ThreeBut).size(), 14u + 6u);
}

} // namespace
} // namespace corvane
