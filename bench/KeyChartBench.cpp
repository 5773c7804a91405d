// Opening the key chart: its model and its HTML, for the real catalogue and for a large folder.

#include "base/FileIo.h"
#include "catalogue/GroupScan.h"
#include "controls/KeyChartHtml.h"

#include <benchmark/benchmark.h>

namespace corvane
{
namespace
{

struct ChartInputs
{
  BindingTable bindings;
  GameTable games;
  GroupLists groups;
  GameKeys game_keys;
};

// Every slot bound, and a Low Punch and a Start 1 that clash, as a used folder has them.
BindingTable UsedBindings()
{
  constexpr std::string_view HEX = "0123456789ABCDEF";
  BindingTable table;
  size_t code = 2; // scan codes from "1" on
  for (const std::string_view slot : BindingTable::SlotKeys())
  {
    table.Set(slot, {'k', HEX[code / 16], HEX[code % 16]});
    ++code;
  }
  table.Set("cappunch1p1", table.Get("start1"));
  return table;
}

// Two own keys for each of the first `with_own` games of the table.
void GiveOwnKeys(ChartInputs& inputs, size_t with_own)
{
  for (size_t i = 0; i < with_own && i < inputs.games.rows.size(); ++i)
  {
    inputs.game_keys.SetOwn(inputs.games.rows[i].set_name, "start1", "k1E");
    inputs.game_keys.SetOwn(inputs.games.rows[i].set_name, "cappunch2p2", "k1F");
  }
}

void OpenChart(benchmark::State& state, const ChartInputs& inputs)
{
  const BindingTable saved;
  for (auto _ : state)
  {
    const KeyChart chart = KeyCodeManager::BuildKeyChart(
        {inputs.bindings, &saved, inputs.groups, inputs.games, &inputs.game_keys});
    std::string html = KeyCodeManager::KeyChartHtml(chart);
    benchmark::DoNotOptimize(html);
  }
}

void KeyChartRealCatalogue(benchmark::State& state)
{
  ChartInputs inputs;
  const auto listing = ReadFileBytes(CORVANE_TOOLS_DATA "/zinclist.txt");
  if (!listing)
    state.SkipWithError("no listing in tools/data");
  inputs.games = ZincListMan::ParseGameListing(listing.value_or(""));
  inputs.groups = ZincListMan::AssignGroups(inputs.games);
  inputs.bindings = UsedBindings();
  GiveOwnKeys(inputs, 10);
  OpenChart(state, inputs);
}
BENCHMARK(KeyChartRealCatalogue)->Unit(benchmark::kMillisecond);

void KeyChartLargeFolder(benchmark::State& state)
{
  ChartInputs inputs;
  const auto games = static_cast<size_t>(state.range(0));
  for (size_t i = 0; i < games; ++i)
  {
    const std::string set_name = "game" + std::to_string(i);
    inputs.games.rows.push_back(
        {set_name, "Game number " + std::to_string(i), "", "1", set_name, ""});
    inputs.groups[GROUPS[i % GROUPS.size()].id].push_back(set_name);
  }
  inputs.bindings = UsedBindings();
  GiveOwnKeys(inputs, static_cast<size_t>(state.range(1)));
  OpenChart(state, inputs);
}
BENCHMARK(KeyChartLargeFolder)->Args({10'000, 1'000})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
