#include "base/Memory.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace corvane
{

void AdviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] size_t size)
{
#ifdef __linux__
  // Only whole huge pages inside the block can be advised.
  constexpr uintptr_t HUGE_PAGE = uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<uintptr_t>(data);
  const uintptr_t first = (begin + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
  const uintptr_t last = (begin + size) & ~(HUGE_PAGE - 1);
  if (last > first)
    madvise(static_cast<char*>(data) + (first - begin), last - first, MADV_HUGEPAGE);
#endif
}

} // namespace corvane
