// The game list parse, for listings of growing size: the cost per line must stay flat.

#include "catalogue/GameTable.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{

std::string MakeListing(int64_t games)
{
  std::string listing = "Zinc v1.1 - supported games\r\n";
  for (int64_t i = 0; i < games; ++i)
  {
    const std::string number = std::to_string(i % 1000);
    listing += std::string(3 - number.size(), ' ') + number;
    listing += "Street Fighter EX Plus (USA 970311) [sfex" + std::to_string(i);
    listing += i % 3 == 0 ? "]\r\n" : ", parent sfex, BIOS cpzn1]\r\n";
  }
  return listing;
}

void ParseGameListing(benchmark::State& state)
{
  const std::string listing = MakeListing(state.range(0));
  for (auto _ : state)
  {
    auto table = corvane::ZincListMan::ParseGameListing(listing);
    benchmark::DoNotOptimize(table);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(listing.size()));
}

BENCHMARK(ParseGameListing)->Arg(100)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace
