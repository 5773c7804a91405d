// The save with its per-game copies, and the group scan, over game tables of growing size.

#include "TempDir.h"
#include "catalogue/GroupScan.h"
#include "controls/SavePipeline.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace corvane
{
namespace
{

// Games spread over all five groups, in the shapes the scan rules look at.
GameTable MakeTable(size_t count)
{
  GameTable table;
  table.rows.reserve(count);
  for (size_t i = 0; i < count; ++i)
  {
    const std::string set_name = "game" + std::to_string(i);
    switch (i % 5)
    {
    case 0:
      table.rows.push_back({set_name, "Tekken " + set_name, "", "1", set_name, "coh1000t"});
      break;
    case 1:
      table.rows.push_back({set_name, "Quiz", "", "1", "myangel3", ""});
      break;
    case 2:
      table.rows.push_back({set_name, "Soul", "", "1", "souledge", "coh1000t"});
      break;
    case 3:
      table.rows.push_back({set_name, "Street", "", "1", set_name, "cpzn2"});
      break;
    default:
      table.rows.push_back({set_name, "Other", "", "1", set_name, ""});
    }
  }
  return table;
}

BindingTable Bindings()
{
  BindingTable table;
  for (std::string_view slot : BindingTable::SlotKeys())
    table.Set(slot, "k2A");
  return table;
}

enum class SaveCase
{
  NothingChanged, // every copy already holds its bytes
  OneKeyChanged,  // one Capcom binding differs each time: a fifth of the games get new copies
  FirstSave       // no per-game file exists yet
};

void SaveAllChangesBench(benchmark::State& state, SaveCase save_case)
{
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  GroupLists lists;
  ZincListMan::ScanGroups(dir, MakeTable(static_cast<size_t>(state.range(0))), lists);
  BindingTable bindings = Bindings();
  const FrontendSettings settings;
  const KeyCodeManager::SaveRequest request{bindings, {1, "out"}, "--opts", settings, {}};
  KeyCodeManager::SaveAllChanges(dir, request, lists);
  for (auto _ : state)
  {
    state.PauseTiming();
    if (save_case == SaveCase::OneKeyChanged)
      bindings.Set("cappunch1p1", bindings.Get("cappunch1p1") == "k10" ? "k11" : "k10");
    if (save_case == SaveCase::FirstSave)
    {
      for (const auto& entries : lists.entries)
        for (const std::string& set_name : entries)
          std::filesystem::remove(dir.CtrlrFile(set_name + ".ini"));
    }
    state.ResumeTiming();
    const auto saved = KeyCodeManager::SaveAllChanges(dir, request, lists);
    if (!saved.outcome.Ok())
      state.SkipWithError(saved.outcome.Describe().c_str());
  }
  state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark* bench)
{
  bench->Arg(150)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}
BENCHMARK_CAPTURE(SaveAllChangesBench, NothingChanged, SaveCase::NothingChanged)->Apply(Sizes);
BENCHMARK_CAPTURE(SaveAllChangesBench, OneKeyChanged, SaveCase::OneKeyChanged)->Apply(Sizes);
BENCHMARK_CAPTURE(SaveAllChangesBench, FirstSave, SaveCase::FirstSave)->Apply(Sizes);

void AssignGroupsBench(benchmark::State& state)
{
  const GameTable table = MakeTable(static_cast<size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(ZincListMan::AssignGroups(table));
}
BENCHMARK(AssignGroupsBench)->Arg(100000)->Unit(benchmark::kMillisecond);

void ScanGroupsBench(benchmark::State& state)
{
  test::TempDir temp;
  const GameTable table = MakeTable(static_cast<size_t>(state.range(0)));
  GroupLists lists;
  for (auto _ : state)
  {
    if (!ZincListMan::ScanGroups(temp.Dir(), table, lists).Ok())
      state.SkipWithError("list files not written");
  }
}
BENCHMARK(ScanGroupsBench)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
