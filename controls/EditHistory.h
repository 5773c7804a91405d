#pragma once

// Undo and redo of binding changes: before each change the caller records the state it
// replaces, so one step is whatever one action changed (a key taken, a whole Bind All walk, a
// reset or a copy). The state is a value the window holds (a BindingTable, a list of own keys).

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace corvane
{

inline constexpr size_t EDIT_HISTORY_STEPS = 200;

template <class State> class EditHistory
{
public:
  // Records the state an action is about to replace; the steps undone before are dropped.
  // Nothing is recorded when the action changed nothing (`after` equals `before`).
  void Record(State before, const State& after)
  {
    if (before == after)
      return;
    m_undo.push_back(std::move(before));
    if (m_undo.size() > EDIT_HISTORY_STEPS)
      m_undo.erase(m_undo.begin());
    m_redo.clear();
  }

  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }

  // The state before the last step, given the state now; nullopt when there is none.
  std::optional<State> Undo(State current) { return Move(m_undo, m_redo, std::move(current)); }

  // The state after the step last undone, given the state now; nullopt when there is none.
  std::optional<State> Redo(State current) { return Move(m_redo, m_undo, std::move(current)); }

  // Forgets every step: a layout loaded or saved starts a history of its own.
  void Clear()
  {
    m_undo.clear();
    m_redo.clear();
  }

private:
  static std::optional<State> Move(std::vector<State>& from, std::vector<State>& to, State current)
  {
    if (from.empty())
      return std::nullopt;
    State target = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(current));
    return target;
  }

  std::vector<State> m_undo;
  std::vector<State> m_redo;
};

} // namespace corvane
