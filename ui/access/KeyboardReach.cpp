#include "ui/access/KeyboardReach.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace corvane
{
namespace
{

bool IsPlainEnter(const QEvent* event)
{
  if (event->type() != QEvent::KeyPress)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  return enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A push button outside a dialog ignores Enter, which then reaches its window: pressed here.
class EnterPresses : public QObject
{
public:
  explicit EnterPresses(QWidget* window) : QObject(window), m_window(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (watched != m_window || !IsPlainEnter(event))
      return false;
    auto* button = qobject_cast<QPushButton*>(m_window->focusWidget());
    if (!button || !button->isEnabled())
      return false;
    button->animateClick();
    return true;
  }

private:
  QWidget* m_window;
};

void MakeFirstEntryCurrent(QAbstractItemView* list)
{
  if (list->currentIndex().isValid() || !list->model() || list->model()->rowCount() == 0)
    return;
  list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                          QItemSelectionModel::NoUpdate);
}

// Qt tells the reader about the current entry while the list takes the focus, and then about
// the list itself, so the reader lands on the list and says no entry. Told again once the
// focus has settled, the reader lands on the entry.
void TellCurrentEntry(QAbstractItemView* list)
{
  const QModelIndex current = list->currentIndex();
  if (!QAccessible::isActive() || !list->hasFocus() || !current.isValid())
    return;
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
  if (!view)
    return;
  int child = current.row();
  if (QAccessibleTableInterface* table = view->tableInterface())
    child = view->indexOfChild(table->cellAt(current.row(), 0));
  QAccessibleEvent focus(list, QAccessible::Focus);
  focus.setChild(child);
  QAccessible::updateAccessibility(&focus);
}

class EntryOnFocus : public QObject
{
public:
  explicit EntryOnFocus(QAbstractItemView* list) : QObject(list), m_list(list)
  {
    m_settled.setSingleShot(true);
    m_settled.setInterval(0);
    connect(&m_settled, &QTimer::timeout, this, [this] { TellCurrentEntry(m_list); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (watched == m_list && event->type() == QEvent::FocusIn)
    {
      MakeFirstEntryCurrent(m_list);
      m_settled.start();
    }
    return false;
  }

private:
  QAbstractItemView* m_list;
  QTimer m_settled; // fires once the focus change has been told
};

} // namespace

void EnterPressesButtons(QWidget* window)
{
  window->installEventFilter(new EnterPresses(window));
}

void SpeakCurrentEntryOnFocus(QAbstractItemView* list)
{
  MakeFirstEntryCurrent(list);
  list->installEventFilter(new EntryOnFocus(list));
}

} // namespace corvane
