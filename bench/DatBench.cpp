// The DAT export against a plain file copy of the same listing, for 1,000 and 100,000 sets of
// ten ROM lines: the conversion should keep within a small factor of the copy, and its cost
// per byte should not grow with the listing.

#include "TempDir.h"
#include "base/FileIo.h"
#include "generate/DatExport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace
{

constexpr int ROMS_PER_SET = 10;

// A listing shaped like the emulator's: banner, then per set a header, its ROM lines (name,
// size and CRC in aligned columns) and an empty line; every third set a clone.
std::string MakeSetListing(int64_t sets)
{
  std::string listing = "Zinc v1.1 - ROM set CRC list (file name, size in bytes, CRC32)\r\n";
  listing.reserve(static_cast<size_t>(sets) * 420);
  for (int64_t i = 0; i < sets; ++i)
  {
    const std::string set = "sfex" + std::to_string(i);
    listing += "Street Fighter EX Plus (USA 970311) [" + set;
    listing += i % 3 == 0 ? ", parent sfex, BIOS cpzn1]\r\n" : "]\r\n";
    for (int rom = 0; rom < ROMS_PER_SET; ++rom)
    {
      listing += set + "-0" + std::to_string(rom) + "m.3h         4194304  ";
      listing += std::to_string(10000000 + (i * 31 + rom) % 89999999) + "\r\n";
    }
    listing += "\r\n";
  }
  return listing;
}

// One listing per size, kept as text and as a file in a temporary folder for the whole run.
struct Fixture
{
  std::string listing;
  corvane::test::TempDir dir;
  std::string listing_path;
  std::string target_path;
};

const Fixture& FixtureFor(int64_t sets)
{
  static std::map<int64_t, std::unique_ptr<Fixture>> fixtures;
  auto& fixture = fixtures[sets];
  if (!fixture)
  {
    fixture = std::make_unique<Fixture>();
    fixture->listing = MakeSetListing(sets);
    fixture->dir.Write("zinccrc.txt", fixture->listing);
    fixture->listing_path = fixture->dir.Dir().File("zinccrc.txt");
    fixture->target_path = fixture->dir.Dir().File("out.dat");
  }
  return *fixture;
}

void SetInputBytes(benchmark::State& state, const Fixture& fixture)
{
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fixture.listing.size()));
  state.counters["input_MB"] = static_cast<double>(fixture.listing.size()) / 1e6;
}

void DatFromSetListing(benchmark::State& state)
{
  const Fixture& fixture = FixtureFor(state.range(0));
  for (auto _ : state)
  {
    std::string dat = corvane::ZincListMan::DatFromSetListing(fixture.listing);
    benchmark::DoNotOptimize(dat);
  }
  SetInputBytes(state, fixture);
}

// Read, convert, write through a temporary file with fsync, rename: what ExportDat does after
// the emulator's run.
void WriteDatFromSetListingFile(benchmark::State& state)
{
  const Fixture& fixture = FixtureFor(state.range(0));
  for (auto _ : state)
  {
    const auto outcome =
        corvane::ZincListMan::WriteDatFromSetListingFile(fixture.listing_path, fixture.target_path);
    if (!outcome.Ok())
      state.SkipWithError(outcome.Describe().c_str());
  }
  SetInputBytes(state, fixture);
}

// The yardstick: the same listing copied by the library (in-kernel copy, no fsync).
void CopyFile(benchmark::State& state)
{
  const Fixture& fixture = FixtureFor(state.range(0));
  for (auto _ : state)
  {
    std::filesystem::copy_file(fixture.listing_path, fixture.target_path,
                               std::filesystem::copy_options::overwrite_existing);
  }
  SetInputBytes(state, fixture);
}

// The program's own copy (read whole, write through a temporary file with fsync, rename): the
// floor for any file-to-file job here.
void CopyFileAtomic(benchmark::State& state)
{
  const Fixture& fixture = FixtureFor(state.range(0));
  for (auto _ : state)
  {
    if (!corvane::CopyFileAtomic(fixture.listing_path, fixture.target_path))
      state.SkipWithError("copy failed");
  }
  SetInputBytes(state, fixture);
}

// The yardstick as a user would run it: the cp program, process start included.
void ShellCp(benchmark::State& state)
{
  const Fixture& fixture = FixtureFor(state.range(0));
  const std::string command = "cp '" + fixture.listing_path + "' '" + fixture.target_path + "'";
  for (auto _ : state)
  {
    if (std::system(command.c_str()) != 0)
      state.SkipWithError("cp failed");
  }
  SetInputBytes(state, fixture);
}

BENCHMARK(DatFromSetListing)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(WriteDatFromSetListingFile)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(CopyFile)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CopyFileAtomic)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ShellCp)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
