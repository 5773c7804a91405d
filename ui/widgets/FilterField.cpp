#include "ui/widgets/FilterField.h"

#include "ui/access/Announcer.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QShortcut>
#include <QTimer>

namespace corvane
{

FilterField::FilterField(QWidget* parent) : QLineEdit(parent)
{
  setObjectName(QStringLiteral("txtFilter"));
  setClearButtonEnabled(true);
  setPlaceholderText(
      QCoreApplication::translate("FilterField", "Filter: part of a title or set name"));
  setAccessibleName(QCoreApplication::translate("FilterField", "Filter"));
  setAccessibleDescription(
      QCoreApplication::translate("FilterField", "Shows only the games whose title or set name "
                                                 "holds the text typed"));
  auto* find = new QShortcut(QKeySequence::Find, parent);
  find->setContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, this, [this] { setFocus(Qt::ShortcutFocusReason); });
  connect(this, &QLineEdit::textChanged, this, &FilterField::ApplyToAll);
}

void FilterField::Watch(QListView* list)
{
  m_lists.emplace_back(list);
  QAbstractItemModel* model = list->model();
  // A reset or a new row brings back rows shown: the filter goes over them again.
  connect(model, &QAbstractItemModel::modelReset, this, [this, list] { Apply(list); });
  connect(model, &QAbstractItemModel::rowsInserted, this, [this, list] { Apply(list); });
  Apply(list);
}

bool FilterField::Matches(const QModelIndex& entry) const
{
  const QString typed = text().trimmed();
  if (typed.isEmpty())
    return true;
  return entry.data(Qt::DisplayRole).toString().contains(typed, Qt::CaseInsensitive) ||
         entry.data(Qt::ToolTipRole).toString().contains(typed, Qt::CaseInsensitive);
}

void FilterField::keyPressEvent(QKeyEvent* event)
{
  // Escape empties a field with text; on an empty one it goes on to the window.
  if (event->key() == Qt::Key_Escape && !text().isEmpty())
  {
    clear();
    return;
  }
  // Down or Enter goes to what is left in sight, as a search box leads to its results.
  const bool to_results = event->key() == Qt::Key_Down || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
  if (to_results && FocusFirstShownEntry())
    return;
  QLineEdit::keyPressEvent(event);
}

bool FilterField::FocusFirstShownEntry() const
{
  for (const QPointer<QListView>& list : m_lists)
  {
    if (!list || !list->isVisible())
      continue;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row)
    {
      if (list->isRowHidden(row))
        continue;
      // The entry the focus lands on is the one chosen, for the buttons that act on the choice.
      QModelIndex entry = list->currentIndex();
      if (!entry.isValid() || list->isRowHidden(entry.row()))
        entry = model->index(row, 0);
      list->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
      list->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return false;
}

void FilterField::focusInEvent(QFocusEvent* event)
{
  QLineEdit::focusInEvent(event);
  // Reached by a page turn, the field takes the focus while its page is still being shown and
  // Orca drops the news: once the page stands, the field's name is said.
  QTimer::singleShot(0, this,
                     [this]
                     {
                       if (hasFocus())
                         Announce(this, accessibleName());
                     });
}

void FilterField::Apply(QListView* list) const
{
  const QAbstractItemModel* model = list->model();
  int first_shown = -1;
  for (int row = 0; row < model->rowCount(); ++row)
  {
    const bool shown = Matches(model->index(row, 0));
    list->setRowHidden(row, !shown);
    if (shown && first_shown < 0)
      first_shown = row;
  }
  // A hidden entry must not stay chosen: a launch or a move would act on a game not in sight.
  const QModelIndex current = list->currentIndex();
  if (current.isValid() && list->isRowHidden(current.row()))
  {
    list->selectionModel()->clear();
    if (first_shown >= 0)
      list->setCurrentIndex(model->index(first_shown, 0));
  }
}

void FilterField::ApplyToAll() const
{
  for (const QPointer<QListView>& list : m_lists)
    if (list)
      Apply(list);
}

} // namespace corvane
