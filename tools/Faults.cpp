#include "Faults.h"

#include <array>
#include <utility>

namespace corvane::standin
{
namespace
{

using namespace std::string_literals;

constexpr std::size_t LONG_LINE_BYTES = 1048576;

// The entries a damaged run still prints intact: the first two, or fewer when there are fewer.
std::string ValidEntry(const Listing& listing, std::size_t index)
{
  return index < listing.entries.size() ? listing.entries[index] : std::string();
}

} // namespace

std::optional<Fault> FaultFromName(std::string_view name)
{
  static const std::array<std::pair<std::string_view, Fault>, 9> NAMES{{
      {"", Fault::None},
      {"no-output", Fault::NoOutput},
      {"empty", Fault::Empty},
      {"garbage", Fault::Garbage},
      {"long-line", Fault::LongLine},
      {"hang", Fault::Hang},
      {"crash", Fault::Crash},
      {"exit-code", Fault::ExitCode},
      {"noise", Fault::Noise},
  }};
  for (const auto& [fault_name, fault] : NAMES)
  {
    if (fault_name == name)
      return fault;
  }
  return std::nullopt;
}

std::string GarbageText(const Listing& listing)
{
  // None of the junk holds "[" or "=", so no reader can take it for a game, set or option.
  // A lone CR splits a line for readers that end lines at CR; the file ends without a line end.
  return Banner(listing) + "\0\0\0nul\0bytes\0\r\n"s + "\xff\xfe\xff\xff high bytes\r\n" +
         "lone\rcarriage return\r\n" + "no bracket on this line\r\n" + ValidEntry(listing, 0) +
         "]\r\n" + "\r\n" + "  7\r\n" + "LF only, no CR\n" + ValidEntry(listing, 1) +
         "\x01\x02\x7f control bytes\r\n" + "last line without a line end";
}

std::string LongLineText(const Listing& listing)
{
  return Banner(listing) + std::string(LONG_LINE_BYTES, 'x') + "\r\n" + ValidEntry(listing, 0) +
         ValidEntry(listing, 1);
}

} // namespace corvane::standin
