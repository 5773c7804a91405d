// Random file bytes and random reads and writes. A write may change one line or add up to two
// (and end an unended last line); every other line must stay, in order, byte for byte. With
// plain names the written value must read back, and writing it again must change nothing.

#include "controls/IniStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

using corvane::IniDocument;

// Lines with their line ends, split as the store splits them.
std::vector<std::string_view> Lines(std::string_view bytes)
{
  std::vector<std::string_view> lines;
  for (size_t begin = 0; begin < bytes.size();)
  {
    size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string_view::npos)
      end = bytes.size();
    else
      end += bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end;
  }
  return lines;
}

void Require(bool condition)
{
  if (!condition)
    std::abort();
}

void CheckOtherLinesKept(std::string_view before, std::string_view after)
{
  const auto old_lines = Lines(before);
  const auto new_lines = Lines(after);
  size_t prefix = 0;
  while (prefix < old_lines.size() && prefix < new_lines.size() &&
         old_lines[prefix] == new_lines[prefix])
    ++prefix;
  size_t suffix = 0;
  while (suffix < old_lines.size() - prefix && suffix < new_lines.size() - prefix &&
         old_lines[old_lines.size() - 1 - suffix] == new_lines[new_lines.size() - 1 - suffix])
    ++suffix;
  const size_t old_middle = old_lines.size() - prefix - suffix;
  const size_t new_middle = new_lines.size() - prefix - suffix;
  // One line replaced, one inserted, or a header and a key appended.
  Require(old_middle <= 1 && new_middle >= old_middle && new_middle <= 3);
  if (old_middle == 1 && new_middle > 1)
  {
    // The old last line, which had no line end, got CR LF before the new lines.
    const std::string_view old_line = old_lines[prefix];
    Require(old_line.back() != '\n' && old_line.back() != '\r');
    Require(new_lines[prefix] == std::string(old_line) + "\r\n");
  }
}

std::string Plain(FuzzedDataProvider& input)
{
  static const std::string letters = "abAB01 _";
  std::string name;
  for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 4); n > 0; --n)
    name += letters[input.ConsumeIntegralInRange<size_t>(0, letters.size() - 1)];
  return name;
}

// What a read gives back for a written value: one line, trimmed, one pair of quotes off.
std::string AsRead(std::string value, size_t buffer)
{
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  const size_t first = value.find_first_not_of(" \t\v");
  value = first == std::string::npos ? "" : value.substr(first);
  value.erase(value.find_last_not_of(" \t\v") + 1);
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\''))
    value = value.substr(1, value.size() - 2);
  return value.substr(0, buffer == 0 ? 0 : buffer - 1);
}

void RunWrite(IniDocument& document, FuzzedDataProvider& input)
{
  const bool plain = input.ConsumeBool();
  const std::string section = plain ? Plain(input) : input.ConsumeRandomLengthString(16);
  const std::string key = plain ? Plain(input) : input.ConsumeRandomLengthString(16);
  const std::string value = input.ConsumeRandomLengthString(24);
  const std::string before = document.Bytes();
  document.Write(section, key, value);
  CheckOtherLinesKept(before, document.Bytes());
  if (!plain)
    return;
  const size_t buffer = input.ConsumeIntegralInRange<size_t>(0, 40);
  Require(document.Read(section, key, buffer) == AsRead(value, buffer));
  const std::string once = document.Bytes();
  document.Write(section, key, value);
  Require(document.Bytes() == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzedDataProvider input(data, size);
  const size_t op_count = input.ConsumeIntegralInRange<size_t>(1, 6);
  const std::string ops = input.ConsumeBytesAsString(op_count * 64);
  IniDocument document(input.ConsumeRemainingBytesAsString());
  FuzzedDataProvider op_input(reinterpret_cast<const uint8_t*>(ops.data()), ops.size());
  for (size_t i = 0; i < op_count; ++i)
  {
    if (op_input.ConsumeBool())
      RunWrite(document, op_input);
    else
      (void)document.Read(op_input.ConsumeRandomLengthString(16),
                          op_input.ConsumeRandomLengthString(16),
                          op_input.ConsumeIntegralInRange<size_t>(0, 20000));
  }
  // The one-pass listing of values finds exactly what a lookup of each finds.
  for (const corvane::IniEntry& entry : document.Entries())
    Require(document.Find(entry.section, entry.key, document.Bytes().size() + 1) ==
            std::string(entry.value));
  return 0;
}
