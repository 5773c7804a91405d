// A layout file as anyone may have written it: the reader never fails on it, refuses it with a
// reason or takes it, and what it took writes a text that reads back to the same layout with
// nothing skipped.

#include "FuzzCheck.h"
#include "controls/LayoutFile.h"

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string text(reinterpret_cast<const char*>(data), size);
  const LayoutRead read = ReadLayoutText(text);
  fuzz::Require(read.layout.has_value() == read.error.empty());
  if (!read.layout)
    return 0;
  const std::string written = LayoutText(*read.layout);
  const LayoutRead again = ReadLayoutText(written);
  fuzz::Require(again.layout && again.skipped.empty());
  fuzz::Require(again.layout->bindings == read.layout->bindings);
  fuzz::Require(again.layout->games == read.layout->games);
  fuzz::Require(LayoutText(*again.layout) == written);
  // The own keys as their file holds them give the same layout back.
  const GameKeys keys = GameKeysOf(*read.layout);
  fuzz::Require(LayoutOf(read.layout->bindings, &keys).games == read.layout->games);
  return 0;
}
