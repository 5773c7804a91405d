#include "ui/keys/UndoSteps.h"

#include <QShortcut>
#include <QWidget>

namespace corvane
{

void AddUndoShortcuts(QWidget* window, const std::function<void(bool undo)>& step)
{
  auto* undo = new QShortcut(QKeySequence::Undo, window);
  QObject::connect(undo, &QShortcut::activated, window, [step] { step(true); });
  auto* redo = new QShortcut(window);
  // Ctrl+Y everywhere, and the platform's own redo keys; a key listed twice would fire neither.
  QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redo_keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
    redo_keys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo->setKeys(redo_keys);
  QObject::connect(redo, &QShortcut::activated, window, [step] { step(false); });
}

} // namespace corvane
