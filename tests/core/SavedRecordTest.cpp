#include "app/SavedRecord.h"
#include "TempDir.h"
#include "app/LaunchCommand.h"
#include "generate/EmulatorConfig.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane
{
namespace
{

using KeyCodeManager::SaveRequest;

// The values a main-window Save writes, which a case changes one at a time.
struct Shown
{
  BindingTable bindings;
  GeneralOptions general{1, "err.txt"};
  std::string options = "--use-config-file=zinc.cfg";
  FrontendSettings settings;

  SaveRequest Request() const { return {bindings, general, options, settings, {}, nullptr}; }
};

struct RecordCase
{
  const char* name;
  std::function<void(Shown&, SavedRecord&)> change;
  bool held;
  bool game_files_held; // what a launch reads
};

class RecordHolds : public testing::TestWithParam<RecordCase>
{
};

TEST_P(RecordHolds, WhatTheFilesHoldAfterALoadAndASave)
{
  Shown shown;
  shown.bindings.Set("start1", "k48");
  SavedRecord record;
  record.TakeLoad(shown.Request());
  ASSERT_TRUE(record.Holds(shown.Request()));
  GetParam().change(shown, record);
  EXPECT_EQ(record.Holds(shown.Request()), GetParam().held);
  EXPECT_EQ(record.HoldsGameFiles(shown.Request()), GetParam().game_files_held);
  // Whatever changed, a save that wrote it makes the files hold it.
  record.TakeSave(shown.Request());
  EXPECT_TRUE(record.Holds(shown.Request()));
  EXPECT_EQ(record.Bindings().Get("start1"), shown.bindings.Get("start1"));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RecordHolds,
    testing::Values(
        RecordCase{"binding", [](Shown& s, SavedRecord&) { s.bindings.Set("start1", "k1E"); },
                   false, false},
        RecordCase{"binding_cleared", [](Shown& s, SavedRecord&) { s.bindings.Set("start1", ""); },
                   false, false},
        RecordCase{"binding_set_back",
                   [](Shown& s, SavedRecord&)
                   {
                     s.bindings.Set("start1", "k1E");
                     s.bindings.Set("start1", "k48");
                   },
                   true, true},
        // The key dialog's working values are no binding.
        RecordCase{"working_values",
                   [](Shown& s, SavedRecord&)
                   {
                     s.bindings.CurrentKey = "k1E";
                     s.bindings.CurrentSlotKey = "start1";
                   },
                   true, true},
        RecordCase{"halt_on_errors", [](Shown& s, SavedRecord&) { s.general.no_error = 0; }, false,
                   false},
        RecordCase{"error_output", [](Shown& s, SavedRecord&) { s.general.output = "x"; }, false,
                   false},
        RecordCase{"options", [](Shown& s, SavedRecord&) { s.options = "-x"; }, false, true},
        RecordCase{"wrapper_flag", [](Shown& s, SavedRecord&) { s.settings.CfgWrapperFlag = 1; },
                   false, true},
        RecordCase{"show_command_line", [](Shown& s, SavedRecord&) { s.settings.ShowCmdFlag = 1; },
                   false, true},
        RecordCase{"lists_rewritten", [](Shown&, SavedRecord& r) { r.NoteListsRewritten(); }, false,
                   false},
        // Only a Save writes the DAT path; the window does not show it.
        RecordCase{"dat_path", [](Shown& s, SavedRecord&) { s.settings.DatPath = "x.dat"; }, true,
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedRecord, OwnKeysAreThoseLastStoredWhoeverStoredThem)
{
  GameKeys loaded;
  loaded.SetOwn("sfex", "cappunch1p1", "k2C");
  const BindingTable bindings;
  const FrontendSettings settings;
  SavedRecord record;
  record.TakeLoad({bindings, {}, "", settings, {}, &loaded});
  EXPECT_EQ(record.OwnKeysOf("sfex", GroupId::Cap),
            (std::vector<SlotToken>{{"cappunch1p1", "k2C"}}));

  GameKeys stored = loaded;
  stored.ClearOwn("sfex", "cappunch1p1");
  stored.SetOwn("sfa3", "cappunch1p1", "k10");
  record.TakeOwnKeys(stored);
  // A main-window save writes no own keys, so it leaves them as stored.
  record.TakeSave({bindings, {}, "", settings, {}, &loaded});
  EXPECT_TRUE(record.OwnKeysOf("sfex", GroupId::Cap).empty());
  EXPECT_EQ(record.OwnKeysOf("sfa3", GroupId::Cap).size(), 1u);
}

TEST(SavedRecord, OnlyProtectedFilesLeaveASaveCountingAsSaved)
{
  Outcome protected_only;
  protected_only.AddProtected("/x/ctrlr/sf2.ini");
  Outcome with_failure = protected_only;
  with_failure.Add("Could not write", "/x/ctrlr/capcfg.ini");
  EXPECT_TRUE(CountsAsSaved({}));
  EXPECT_TRUE(CountsAsSaved(protected_only));
  EXPECT_FALSE(protected_only.Ok()); // still told to the player
  EXPECT_FALSE(CountsAsSaved(with_failure));
}

struct ConfigCase
{
  const char* name;
  const char* options;
  bool file_there;
  bool missing;
};

class EmulatorConfigNamed : public testing::TestWithParam<ConfigCase>
{
};

TEST_P(EmulatorConfigNamed, IsMissingOnlyWhenTheOptionsNameTheDefaultAndItIsNotThere)
{
  const ConfigCase& c = GetParam();
  test::TempDir temp;
  if (c.file_there)
    temp.Write(std::string(EMULATOR_CONFIG_FILE), "");
  EXPECT_EQ(NamesMissingEmulatorConfig(c.options, temp.Dir()), c.missing);
}

INSTANTIATE_TEST_SUITE_P(
    Options, EmulatorConfigNamed,
    testing::Values(ConfigCase{"default_missing", "--use-config-file=zinc.cfg", false, true},
                    ConfigCase{"default_there", "--use-config-file=zinc.cfg", true, false},
                    ConfigCase{"quoted_upper_case", "-x \"--use-config-file=ZINC.CFG\"", false,
                               true},
                    ConfigCase{"another_file", "--use-config-file=mine.cfg", false, false},
                    ConfigCase{"in_a_longer_word", "--use-config-file=zinc.cfg.bak", false, false},
                    ConfigCase{"no_config_named", "", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace corvane
