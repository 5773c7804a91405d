// Named layouts: switching the session between two of them in a folder of 10,000 games with
// 1,000 games of own keys, and the layout text written and read on its own.

#include "TempDir.h"
#include "app/LayoutSwitch.h"

#include <benchmark/benchmark.h>

namespace corvane
{
namespace
{

// Six own keys for each of the first `with_own` games.
GameKeys OwnKeys(size_t with_own, std::string_view start_key)
{
  Layout layout;
  for (size_t i = 0; i < with_own; ++i)
  {
    GameLayout game{"game" + std::to_string(i), {}};
    for (const std::string_view slot :
         {"start1", "coin1", "cappunch1p1", "cappunch2p1", "capkick1p2", "capkick2p2"})
      game.keys.emplace_back(slot, slot == "start1" ? start_key : "k1E");
    layout.games.push_back(std::move(game));
  }
  return GameKeysOf(layout);
}

Session LargeSession(const test::TempDir& temp, size_t games, size_t with_own)
{
  Session session;
  session.dir = temp.Dir();
  for (size_t i = 0; i < games; ++i)
  {
    session.games.rows.push_back(GameRow{});
    session.games.rows.back().set_name = "game" + std::to_string(i);
    session.groups[GroupId::Cap].push_back("game" + std::to_string(i));
  }
  session.game_keys = OwnKeys(with_own, "k02");
  for (const std::string_view slot : BindingTable::SlotKeys())
    session.bindings.Set(slot, "k1F");
  return session;
}

void SwitchLayoutBench(benchmark::State& state)
{
  test::TempDir temp;
  Session session =
      LargeSession(temp, static_cast<size_t>(state.range(0)), static_cast<size_t>(state.range(1)));
  LayoutSwitch::SaveCurrent(session, "Stick");
  session.game_keys = OwnKeys(static_cast<size_t>(state.range(1)), "k03");
  session.bindings = BindingTable();
  LayoutSwitch::SaveCurrent(session, "Laptop");
  bool stick = true;
  for (auto _ : state)
  {
    const LayoutLoad load = LayoutSwitch::Switch(session, stick ? "Stick" : "Laptop");
    if (!load.layout)
      state.SkipWithError(load.outcome.Describe().c_str());
    stick = !stick;
  }
}
BENCHMARK(SwitchLayoutBench)->Args({10000, 0})->Args({10000, 1000})->Unit(benchmark::kMillisecond);

void LayoutWriteBench(benchmark::State& state)
{
  const GameKeys keys = OwnKeys(static_cast<size_t>(state.range(0)), "k02");
  const BindingTable bindings;
  for (auto _ : state)
    benchmark::DoNotOptimize(LayoutText(LayoutOf(bindings, &keys)));
}
BENCHMARK(LayoutWriteBench)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

void LayoutReadBench(benchmark::State& state)
{
  const GameKeys keys = OwnKeys(static_cast<size_t>(state.range(0)), "k02");
  const std::string text = LayoutText(LayoutOf(BindingTable(), &keys));
  for (auto _ : state)
    benchmark::DoNotOptimize(ReadLayoutText(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(LayoutReadBench)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
