#pragma once

// Help for the few large buffers the program fills (listings of a million lines).

#include <cstddef>

namespace corvane
{

// Asks the system to back a fresh, not yet touched block with huge pages. First touches of
// fresh memory cost more than filling it on some machines; a huge page takes one fault where
// ordinary pages take hundreds. Does nothing where unsupported or when refused.
void AdviseHugePages(void* data, size_t size);

} // namespace corvane
