#include "ui/main/BindingUndo.h"

namespace corvane
{

BindingUndo::BindingUndo(BindingTable& bindings, std::function<QObject*()> open_dialog,
                         QObject* parent)
    : QObject(parent), m_bindings(bindings), m_open_dialog(std::move(open_dialog)), m_last(bindings)
{
}

void BindingUndo::Note()
{
  QObject* dialog = m_open_dialog();
  if (!dialog)
    return Take();
  // Once per dialog: its keys become one step when it goes.
  if (dialog != m_watched)
  {
    m_watched = dialog;
    connect(dialog, &QObject::destroyed, this, &BindingUndo::Take);
  }
}

void BindingUndo::Take()
{
  m_watched = nullptr;
  m_history.Record(m_last, m_bindings);
  m_last = m_bindings;
}

bool BindingUndo::Undo()
{
  Note();
  auto before = m_history.Undo(m_bindings);
  if (!before)
    return false;
  m_bindings = m_last = std::move(*before);
  return true;
}

bool BindingUndo::Redo()
{
  Note();
  auto after = m_history.Redo(m_bindings);
  if (!after)
    return false;
  m_bindings = m_last = std::move(*after);
  return true;
}

void BindingUndo::Restart()
{
  m_history.Clear();
  m_last = m_bindings;
}

} // namespace corvane
