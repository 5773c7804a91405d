#pragma once

// What every fuzz target shares: a failed property stops the run with a crash the fuzzer keeps.

#include <cstdlib>

namespace corvane::fuzz
{

inline void Require(bool condition)
{
  if (!condition)
    std::abort();
}

} // namespace corvane::fuzz
