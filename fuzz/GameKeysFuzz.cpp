// corvane-games.ini as a user may have edited it, then own keys set and cleared as the Own Keys
// window does: a set key reads back, a cleared one is gone, and what the file then holds gives
// the same own keys when read again.

#include "FuzzCheck.h"
#include "base/Text.h"
#include "controls/GameKeys.h"
#include "controls/SavePipeline.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace corvane;

namespace
{

std::string SetName(FuzzedDataProvider& input)
{
  static const std::string names[] = {"sfex", "SFEX", " ts2 ", "sf2", "a;b", "[x]"};
  return input.ConsumeBool() ? names[input.ConsumeIntegralInRange<size_t>(0, 5)]
                             : input.ConsumeRandomLengthString(8);
}

// A token as a key dialog gives one: letters and digits.
std::string Token(FuzzedDataProvider& input)
{
  static const std::string letters = "k0123456789ABCDEF";
  std::string token;
  for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 4); n > 0; --n)
    token += letters[input.ConsumeIntegralInRange<size_t>(0, letters.size() - 1)];
  return token;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzedDataProvider input(data, size);
  const std::string ops = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, 256));
  GameKeys keys{IniDocument(input.ConsumeRemainingBytesAsString())};
  FuzzedDataProvider op_input(reinterpret_cast<const uint8_t*>(ops.data()), ops.size());
  const auto& slots = BindingTable::SlotKeys();
  while (op_input.remaining_bytes() > 0)
  {
    const std::string game = SetName(op_input);
    const std::string_view slot = slots[op_input.ConsumeIntegralInRange<size_t>(0, SLOT_COUNT - 1)];
    // Names of games the program knows: plain file names, and never a bracket (the listing
    // drops them).
    const bool named =
        KeyCodeManager::IsPlainSetName(Trim(game)) && game.find_first_of("[]") == std::string::npos;
    if (op_input.ConsumeBool())
    {
      const std::string token = Token(op_input);
      keys.SetOwn(game, slot, token);
      fuzz::Require(!named || keys.Own(game, slot) == token);
    }
    else
    {
      keys.ClearOwn(game, slot);
      fuzz::Require(!named || keys.Own(game, slot) == std::nullopt);
    }
    if (named)
    {
      const GameKeys reloaded{IniDocument(keys.Document().Bytes())};
      fuzz::Require(reloaded.Own(game, slot) == keys.Own(game, slot));
    }
    for (GroupId group : {GroupId::Cap, GroupId::Tekken, GroupId::SoulEdge})
      (void)keys.Applying(game, group);
  }
  return 0;
}
