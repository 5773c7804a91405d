#pragma once

// The faults a test can ask of the listing runs through ZINC_STANDIN_FAULT.

#include "Listings.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::standin
{

enum class Fault
{
  None,     // the variable is unset or empty: a normal run
  NoOutput, // "no-output": print nothing and delete the file the listing goes to
  Empty,    // "empty": print nothing
  Garbage,  // "garbage": the banner, then binary and malformed lines around two valid entries
  LongLine, // "long-line": the banner, a 1 MiB line without "[", then two valid entries
  Hang,     // "hang": sleep for ten minutes
  Crash,    // "crash": abort without printing anything
  ExitCode, // "exit-code": the normal listing, then exit status 3
  Noise,    // "noise": a line on stderr, then the normal listing
};

// The fault of that name; None for an empty name; nothing for an unknown one.
std::optional<Fault> FaultFromName(std::string_view name);

// What a garbage run prints: the banner, junk lines, and the first two entries among them.
std::string GarbageText(const Listing& listing);

// What a long-line run prints: the banner, one 1,048,576-byte line, the first two entries.
std::string LongLineText(const Listing& listing);

} // namespace corvane::standin
