#pragma once

// The key bound to every input of every controller layout, held as text, and the two working
// values that carry one binding from a binding button to the key-capture dialog.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

inline constexpr size_t SLOT_COUNT = 56;

class BindingTable
{
public:
  // The 56 slot keys, "start1" to "seguardp2".
  static const std::array<std::string_view, SLOT_COUNT>& SlotKeys();

  // The slot's place in SlotKeys(); nullopt for a key that names no slot.
  static std::optional<size_t> IndexOf(std::string_view slot_key);

  // The slot's value; empty for a key that names no slot.
  const std::string& Get(std::string_view slot_key) const;

  // Replaces the slot's value; false (and nothing changed) for a key that names no slot.
  bool Set(std::string_view slot_key, std::string value);

  // Equal when every slot holds the same key; the working values below do not count.
  bool operator==(const BindingTable& other) const { return m_values == other.m_values; }

  std::string CurrentKey;     // a copy of the value of the slot being edited
  std::string CurrentSlotKey; // the slot key of the slot being edited

private:
  std::array<std::string, SLOT_COUNT> m_values;
};

} // namespace corvane
