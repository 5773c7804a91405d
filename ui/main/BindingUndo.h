#pragma once

// Undo and redo of the main window's bindings (Ctrl+Z, Ctrl+Y): each time the buttons are
// refreshed, what changed since the last look becomes one step, except while a key dialog is
// open, so a whole Bind All walk (or one key taken) is one step when its dialog goes.

#include "controls/BindingTable.h"
#include "controls/EditHistory.h"

#include <QObject>

#include <functional>

namespace corvane
{

class BindingUndo : public QObject
{
  Q_OBJECT
public:
  // `open_dialog` gives the key dialog while one is open, else null.
  BindingUndo(BindingTable& bindings, std::function<QObject*()> open_dialog, QObject* parent);

  // Takes what changed since the last look as one step (later, when a key dialog is open).
  void Note();
  // Puts the bindings back one step, or forward one; false when there is no step.
  bool Undo();
  bool Redo();
  // The bindings were loaded anew (another layout): no step leads back past them.
  void Restart();

private:
  void Take();

  BindingTable& m_bindings;
  QObject* m_watched = nullptr; // the dialog whose closing takes the step
  std::function<QObject*()> m_open_dialog;
  BindingTable m_last;
  EditHistory<BindingTable> m_history;
};

} // namespace corvane
