#pragma once

// ui/widgets/: the parts that several windows share, and that know no window of their own.

// The pages of inputs and the binding button of each input on them: one table that the main
// window builds its pages from and every other window that shows binding buttons reads.

#include <QString>

#include <string_view>
#include <vector>

namespace corvane
{

// One binding button: its object name, its caption, its page, the slots it binds for player 1
// and player 2 (the same slot for an input that belongs to no player) and where it stands on
// its page.
struct BindingRow
{
  const char* name;
  const char* caption;
  int page;
  std::string_view slot_p1;
  std::string_view slot_p2;
  int x;
  int y;
};

// Every binding button is a square of this side.
constexpr int BINDING_BUTTON_SIZE = 65;

// The pages in tab order: General, one page per controller layout, Launch.
constexpr int GENERAL_PAGE = 0;
constexpr int PAGE_COUNT = 7;
constexpr int LAUNCH_PAGE = PAGE_COUNT - 1;

// The 31 binding buttons, in tab order.
const std::vector<BindingRow>& BindingRows();

// The caption of the page's tab, and its tooltip (empty for most pages).
QString PageCaption(int page);
QString PageToolTip(int page);

} // namespace corvane
