#include "ui/widgets/BindingPages.h"

#include <array>

namespace corvane
{
namespace
{

struct Place
{
  int x;
  int y;
};

// Where each input's button stands on its page, in the order of BindingInputs().
constexpr std::array<Place, BINDING_INPUT_COUNT> PLACES = {{
    {73, 8},    {73, 138},  {8, 73},    {138, 73},  {370, 8},   {450, 8},   {370, 83},  {450, 83},
    {370, 158}, {450, 158}, {168, 60},  {258, 60},  {348, 60},  {168, 160}, {258, 160}, {348, 160},
    {168, 110}, {258, 110}, {348, 110}, {123, 110}, {213, 110}, {303, 110}, {393, 110}, {213, 60},
    {303, 60},  {213, 160}, {303, 160}, {168, 60},  {258, 60},  {348, 60},  {110, 160},
}};

constexpr std::string_view LAUNCH_CAPTION = "Launch";

// One tooltip per tab, in tab order.
constexpr std::array<std::string_view, PAGE_COUNT> TOOL_TIPS = {
    "Buttons Found on Every Game",
    "Games that use 4-6 Buttons, Usually Capcom",
    "",
    "",
    "",
    "",
    "Launch a Game To See If you Like it's Setup",
};

} // namespace

const std::vector<BindingRow>& BindingRows()
{
  static const std::vector<BindingRow> rows = []
  {
    std::vector<BindingRow> all;
    for (size_t i = 0; i < BINDING_INPUT_COUNT; ++i)
      all.push_back({BindingInputs()[i], PLACES[i].x, PLACES[i].y});
    return all;
  }();
  return rows;
}

const BindingRow& RowOf(const BindingInput& input)
{
  return BindingRows().at(static_cast<size_t>(&input - BindingInputs().data()));
}

QString PageCaption(int page)
{
  return CaptionText(page == LAUNCH_PAGE ? LAUNCH_CAPTION : BindingPageCaption(page));
}

QString PageToolTip(int page)
{
  return CaptionText(TOOL_TIPS.at(static_cast<size_t>(page)));
}

} // namespace corvane
