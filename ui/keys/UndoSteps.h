#pragma once

// Undo and redo of a window's bindings (Ctrl+Z, Ctrl+Y): each time the window shows its keys
// anew, what changed since the last look becomes one step, except while a key dialog is open,
// so a whole Bind All walk (or one key taken, with a swap or an unbind) is one step when its
// dialog goes.

#include "controls/EditHistory.h"

#include <QObject>

class QWidget;

#include <functional>
#include <utility>

namespace corvane
{

// Ctrl+Z in `window` runs `step(true)`; Ctrl+Y and the platform's own redo keys `step(false)`.
void AddUndoShortcuts(QWidget* window, const std::function<void(bool undo)>& step);

template <class State> class UndoSteps
{
public:
  // `read` gives the state the window shows, `write` puts one back (and shows it);
  // `open_dialog` gives the key dialog while one is open, else null. Lives no longer than
  // `window`, which holds it.
  UndoSteps(std::function<State()> read, std::function<void(const State&)> write,
            std::function<QObject*()> open_dialog, QObject* window)
      : m_read(std::move(read)), m_write(std::move(write)), m_open_dialog(std::move(open_dialog)),
        m_window(window), m_last(m_read())
  {
  }

  // Takes what changed since the last look as one step (later, when a key dialog is open).
  void Note()
  {
    QObject* dialog = m_open_dialog();
    if (!dialog)
      return Take();
    // Once per dialog: its keys become one step when it goes.
    if (dialog != m_watched)
    {
      m_watched = dialog;
      QObject::connect(dialog, &QObject::destroyed, m_window, [this] { Take(); });
    }
  }

  // Puts the state back one step (`undo`), or forward one; false when there is no step, and
  // while the key dialog is open, whose keys are no step yet.
  bool Step(bool undo)
  {
    if (m_open_dialog())
      return false;
    Take();
    auto target = undo ? m_history.Undo(m_read()) : m_history.Redo(m_read());
    if (!target)
      return false;
    m_last = *target;
    m_write(*target);
    return true;
  }

  // The state was loaded or saved anew: no step leads back past it.
  void Restart()
  {
    m_history.Clear();
    m_last = m_read();
  }

private:
  void Take()
  {
    m_watched = nullptr;
    State now = m_read();
    m_history.Record(m_last, now);
    m_last = std::move(now);
  }

  std::function<State()> m_read;
  std::function<void(const State&)> m_write;
  std::function<QObject*()> m_open_dialog;
  QObject* m_window;
  QObject* m_watched = nullptr; // the dialog whose closing takes the step
  State m_last;
  EditHistory<State> m_history;
};

} // namespace corvane
