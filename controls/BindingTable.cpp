#include "controls/BindingTable.h"

#include <algorithm>

namespace corvane
{
namespace
{

constexpr std::array<std::string_view, SLOT_COUNT> SLOT_KEYS = {
    "start1",
    "start2",
    "coin1",
    "coin2",
    "service",
    "test",
    "upp1",
    "upp2",
    "downp1",
    "downp2",
    "leftp1",
    "leftp2",
    "rightp1",
    "rightp2",
    "cappunch1p1",
    "cappunch1p2",
    "cappunch2p1",
    "cappunch2p2",
    "cappunch3p1",
    "cappunch3p2",
    "capkick1p1",
    "capkick1p2",
    "capkick2p1",
    "capkick2p2",
    "capkick3p1",
    "capkick3p2",
    "tbutap1",
    "tbutap2",
    "tbutbp1",
    "tbutbp2",
    "tbutcp1",
    "tbutcp2",
    "qma1p1",
    "qma1p2",
    "qma2p1",
    "qma2p2",
    "qma3p1",
    "qma3p2",
    "qma4p1",
    "qma4p2",
    "tekkenleftpunchp1",
    "tekkenleftpunchp2",
    "tekkenrightpunchp1",
    "tekkenrightpunchp2",
    "tekkenleftkickp1",
    "tekkenleftkickp2",
    "tekkenrightkickp1",
    "tekkenrightkickp2",
    "seattackhorp1",
    "seattackhorp2",
    "seattackvertp1",
    "seattackvertp2",
    "sekickp1",
    "sekickp2",
    "seguardp1",
    "seguardp2",
};

} // namespace

std::optional<size_t> BindingTable::IndexOf(std::string_view slot_key)
{
  const auto found = std::find(SLOT_KEYS.begin(), SLOT_KEYS.end(), slot_key);
  if (found == SLOT_KEYS.end())
    return std::nullopt;
  return static_cast<size_t>(found - SLOT_KEYS.begin());
}

const std::array<std::string_view, SLOT_COUNT>& BindingTable::SlotKeys()
{
  return SLOT_KEYS;
}

const std::string& BindingTable::Get(std::string_view slot_key) const
{
  static const std::string empty;
  const auto index = IndexOf(slot_key);
  return index ? m_values[*index] : empty;
}

bool BindingTable::Set(std::string_view slot_key, std::string value)
{
  const auto index = IndexOf(slot_key);
  if (!index)
    return false;
  m_values[*index] = std::move(value);
  return true;
}

} // namespace corvane
