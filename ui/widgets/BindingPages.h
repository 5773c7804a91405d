#pragma once

// ui/widgets/: the parts that several windows share, and that know no window of their own.

// The pages of inputs and the binding button of each input on them: one table that the main
// window builds its pages from and every other window that shows binding buttons reads. The
// inputs themselves (names, captions, slots, order) are the core's; this adds where each
// button stands.

#include "controls/BindingInputs.h"

#include <QString>

#include <vector>

namespace corvane
{

// One binding button: its input and where it stands on its page.
struct BindingRow : BindingInput
{
  int x;
  int y;
};

// Every binding button is a square of this side.
constexpr int BINDING_BUTTON_SIZE = 65;

// The pages in tab order: General, one page per controller layout, Launch.
constexpr int PAGE_COUNT = BINDING_PAGE_COUNT + 1;
constexpr int LAUNCH_PAGE = PAGE_COUNT - 1;

// The 31 binding buttons, in tab order (the order of BindingInputs()).
const std::vector<BindingRow>& BindingRows();

// The button of an input.
const BindingRow& RowOf(const BindingInput& input);

// The caption of the page's tab, and its tooltip (empty for most pages).
QString PageCaption(int page);
QString PageToolTip(int page);

// A caption of the core's tables as Qt text.
inline QString CaptionText(std::string_view caption)
{
  return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace corvane
