#pragma once

// The key chart as one plain HTML document, the single source of its preview, its print-out,
// its PDF and its HTML file, so they cannot disagree.

#include "controls/KeyChart.h"

#include <string>

namespace corvane::KeyCodeManager
{

// A heading and a table per family (a row header per input, a column header per player), each
// family from a new printed page, then each game with keys of its own. Black on white, no colour
// carries meaning, and the tables take the page's width, so A4 and Letter both fit. Game titles
// keep the program's byte encoding; the document declares UTF-8, which its writer converts to.
std::string KeyChartHtml(const KeyChart& chart);

// Text made safe inside HTML elements and quoted attributes.
std::string EscapeHtml(std::string_view text);

} // namespace corvane::KeyCodeManager
