#pragma once

// What a screen reader is told about a grouping list: a list named by its heading whose items
// are its set names, each with a select action and one "Move to" action per list. A move made
// here is the grouping window's move, the same as a drop.

namespace corvane
{

// Registers the interfaces with the accessibility layer; later calls do nothing.
void InstallAccessibleGroupLists();

} // namespace corvane
