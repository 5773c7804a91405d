#pragma once

// What a screen reader is told about the tab strip and its pages: the strip is a page tab list
// whose children are page tabs (name, tool tip, selected state, rectangle, a press action that
// turns to the page); each page is a property page named after its tab.

namespace corvane
{

// Registers the interfaces with the accessibility layer; later calls do nothing.
void InstallAccessibleTabs();

} // namespace corvane
