// What the main window recomputes after every key the dialog takes: each slot's key label and
// every clash of the whole binding table.

#include "controls/BindingClashes.h"
#include "controls/KeyLabels.h"

#include <benchmark/benchmark.h>

namespace corvane
{
namespace
{

// Every slot bound, a few keys used twice so that clashes are found.
BindingTable FullTable()
{
  BindingTable table;
  const auto& slots = BindingTable::SlotKeys();
  for (size_t i = 0; i < slots.size(); ++i)
    table.Set(slots[i], "k" + std::to_string(10 + i % 40));
  return table;
}

void BM_LabelsAndClashesAfterOneKey(benchmark::State& state)
{
  BindingTable table = FullTable();
  size_t round = 0;
  for (auto _ : state)
  {
    table.Set("cappunch1p1", (++round % 2) ? "k1E" : "k30");
    for (const std::string_view slot : BindingTable::SlotKeys())
      benchmark::DoNotOptimize(KeyCodeManager::KeyLabelFromKeyToken(table.Get(slot)));
    benchmark::DoNotOptimize(KeyCodeManager::FindClashes(table));
  }
}
BENCHMARK(BM_LabelsAndClashesAfterOneKey)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace corvane
