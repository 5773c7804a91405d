#include "ui/grouping/AccessibleGroupList.h"

#include "base/Messages.h"
#include "ui/access/AccessibleLeaf.h"
#include "ui/desktop/QtText.h"
#include "ui/grouping/GroupListView.h"
#include "ui/grouping/GroupingWindow.h"

#include <QAccessibleWidget>

namespace corvane
{
namespace
{

QString MoveActionName(const GroupInfo& group)
{
  return ToQString(Messages::MOVE_TO) + QLatin1Char(' ') + ToQString(group.heading);
}

// One entry of a list, by row: it always describes whatever the row holds now.
class AccessibleGroupEntry : public AccessibleLeaf
{
public:
  AccessibleGroupEntry(GroupListView* list, int row)
      : AccessibleLeaf(list), m_list(list), m_row(row)
  {
  }

  bool isValid() const override { return OwnerAlive() && Index().isValid(); }
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text kind) const override
  {
    if (!isValid())
      return {};
    // The name is the set name the list shows; the description is the game's title.
    if (kind == QAccessible::Name)
      return Index().data().toString();
    if (kind == QAccessible::Description)
      return Index().data(Qt::AccessibleDescriptionRole).toString();
    return {};
  }

  QAccessible::State state() const override
  {
    QAccessible::State state;
    state.invalid = !isValid();
    if (state.invalid)
      return state;
    state.invisible = !m_list->isVisible();
    state.offscreen = !m_list->viewport()->rect().intersects(m_list->visualRect(Index()));
    state.selectable = true;
    state.selected = m_list->SelectedRow() == m_row;
    state.focusable = true;
    state.focused = m_list->hasFocus() && m_list->currentIndex() == Index();
    return state;
  }

  QRect rect() const override
  {
    if (!isValid())
      return {};
    const QRect shown = m_list->visualRect(Index());
    return QRect(m_list->viewport()->mapToGlobal(shown.topLeft()), shown.size());
  }

  QStringList actionNames() const override
  {
    QStringList names{toggleAction()};
    for (const GroupInfo& group : GROUPS)
      names.append(MoveActionName(group));
    return names;
  }

  void doAction(const QString& action) override
  {
    if (!isValid())
      return;
    if (action == toggleAction())
      m_list->setCurrentIndex(Index());
    auto* window = qobject_cast<GroupingWindow*>(m_list->window());
    for (const GroupInfo& group : GROUPS)
      if (window && action == MoveActionName(group))
        window->MoveEntryKeepingPlace(m_list->Id(), m_row, group.id);
  }

private:
  QModelIndex Index() const
  {
    return OwnerAlive() ? m_list->model()->index(m_row, 0) : QModelIndex();
  }

  GroupListView* m_list; // valid while OwnerAlive()
  int m_row;
};

// The list: one child per row.
class AccessibleGroupList : public QAccessibleWidget
{
public:
  explicit AccessibleGroupList(GroupListView* list) : QAccessibleWidget(list, QAccessible::List) {}

  int childCount() const override { return List()->model()->rowCount(); }

  QAccessibleInterface* child(int row) const override
  {
    if (row < 0 || row >= childCount())
      return nullptr;
    return m_entries.At(row, [this](int entry) { return new AccessibleGroupEntry(List(), entry); });
  }

  int indexOfChild(const QAccessibleInterface* child) const override
  {
    const int row = m_entries.IndexOf(child);
    return row < childCount() ? row : -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override
  {
    const QModelIndex index = List()->indexAt(List()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
  }

  QAccessibleInterface* focusChild() const override
  {
    return List()->hasFocus() ? child(List()->currentIndex().row()) : nullptr;
  }

private:
  GroupListView* List() const { return static_cast<GroupListView*>(widget()); }

  mutable AccessibleLeaves m_entries;
};

QAccessibleInterface* GroupListFactory(const QString& class_name, QObject* object)
{
  if (class_name == QLatin1String(GroupListView::staticMetaObject.className()))
    return new AccessibleGroupList(static_cast<GroupListView*>(object));
  return nullptr;
}

} // namespace

void InstallAccessibleGroupLists()
{
  QAccessible::installFactory(GroupListFactory); // kept once however often it is installed
}

} // namespace corvane
