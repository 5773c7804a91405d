// The save's cost of games' own keys: every copy written anew, with none or some games carrying
// own keys over their family's file.

#include "TempDir.h"
#include "controls/SavePipeline.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace corvane
{
namespace
{

void SaveWithOwnKeysBench(benchmark::State& state)
{
  const auto games = static_cast<size_t>(state.range(0));
  const auto with_own = static_cast<size_t>(state.range(1));
  test::TempDir temp;
  const AppDir dir = temp.Dir();
  GameKeys keys;
  std::string list;
  for (size_t i = 0; i < games; ++i)
  {
    const std::string set_name = "game" + std::to_string(i);
    list += set_name + "\r\n";
    if (i < with_own)
    {
      keys.SetOwn(set_name, "cappunch1p1", "k2C");
      keys.SetOwn(set_name, "start1", "k02");
    }
  }
  temp.Write("ctrlr/cap.lst", list);
  BindingTable bindings;
  const FrontendSettings settings;
  const KeyCodeManager::SaveRequest request{bindings, {1, "out"}, "--opts", settings, {}, &keys};
  GroupLists lists;
  for (auto _ : state)
  {
    state.PauseTiming();
    std::filesystem::remove_all(dir.CtrlrDir());
    temp.Write("ctrlr/cap.lst", list);
    state.ResumeTiming();
    const auto saved = KeyCodeManager::SaveAllChanges(dir, request, lists);
    if (!saved.outcome.Ok())
      state.SkipWithError(saved.outcome.Describe().c_str());
  }
}
BENCHMARK(SaveWithOwnKeysBench)
    ->Args({1000, 0})
    ->Args({1000, 100})
    ->Args({10000, 0})
    ->Args({10000, 1000})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
