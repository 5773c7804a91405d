#include "ui/grouping/GroupListView.h"

#include "ui/grouping/GroupListModel.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <utility>

namespace corvane
{

std::function<void(QDrag*)> GroupListView::RunDrag = [](QDrag* drag)
{ drag->exec(Qt::MoveAction); };

QByteArray NewWindowKey()
{
  // The process id keeps copies apart; the random part keeps windows of one run apart.
  return QByteArray::number(QCoreApplication::applicationPid()) + '-' +
         QByteArray::number(QRandomGenerator::system()->generate64(), 16);
}

QMimeData* GroupDragData(GroupId source, const QByteArray& window_key)
{
  auto* data = new QMimeData;
  const std::string_view name = InfoOf(source).list_box;
  data->setData(GROUP_DRAG_MIME,
                window_key + '\n' + QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  return data;
}

std::optional<GroupId> GroupDragSource(const QMimeData* data, const QByteArray& window_key)
{
  if (!data || !data->hasFormat(GROUP_DRAG_MIME) || window_key.isEmpty())
    return std::nullopt;
  const QByteArray prefix = window_key + '\n';
  const QByteArray bytes = data->data(GROUP_DRAG_MIME);
  if (!bytes.startsWith(prefix))
    return std::nullopt;
  const QByteArrayView name = QByteArrayView(bytes).sliced(prefix.size());
  for (const GroupInfo& group : GROUPS)
  {
    if (name ==
        QByteArrayView(group.list_box.data(), static_cast<qsizetype>(group.list_box.size())))
      return group.id;
  }
  return std::nullopt;
}

GroupListView::GroupListView(GroupListModel* model, QByteArray window_key, QWidget* parent)
    : QListView(parent), m_id(model->Id()), m_window_key(std::move(window_key))
{
  const std::string_view name = InfoOf(m_id).list_box;
  setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  setModel(model);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The view's own drag code would start on any button and drop between rows; this list
  // handles both itself and only ever appends.
  setDragEnabled(false);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

int GroupListView::SelectedRow() const
{
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

bool GroupListView::event(QEvent* event)
{
  // The scroll area leaves drags over its frame and scroll bar to its parent, but the whole
  // list box, scroll bar included, is one drop target.
  switch (event->type())
  {
  case QEvent::DragEnter:
  case QEvent::DragMove:
    dragMoveEvent(static_cast<QDragMoveEvent*>(event));
    return true;
  case QEvent::Drop:
    dropEvent(static_cast<QDropEvent*>(event));
    return true;
  default:
    return QListView::event(event);
  }
}

void GroupListView::mousePressEvent(QMouseEvent* event)
{
  QListView::mousePressEvent(event);
  if (event->buttons() == Qt::LeftButton)
    m_press_pos = event->position().toPoint();
  else
    m_press_pos.reset();
}

void GroupListView::mouseMoveEvent(QMouseEvent* event)
{
  // Any other button, alone or with the left one, gives the list's ordinary behaviour.
  if (event->buttons() != Qt::LeftButton || !m_press_pos)
  {
    QListView::mouseMoveEvent(event);
    return;
  }
  // Swallowed below the start distance too, so that a press on an entry keeps that entry
  // selected instead of the list sweeping its selection along with the mouse.
  const QPoint press = *m_press_pos;
  if ((event->position().toPoint() - press).manhattanLength() < QApplication::startDragDistance())
    return;
  m_press_pos.reset();
  StartDrag(press);
}

void GroupListView::StartDrag(const QPoint& hot_spot)
{
  // With nothing selected a drop could move nothing, so no drag begins.
  const int row = SelectedRow();
  if (row < 0)
    return;
  auto* drag = new QDrag(this);
  drag->setMimeData(GroupDragData(m_id, m_window_key));
  const QRect item = visualRect(model()->index(row, 0));
  if (!item.isEmpty())
  {
    drag->setPixmap(viewport()->grab(item));
    drag->setHotSpot(hot_spot - item.topLeft());
  }
  RunDrag(drag);
}

void GroupListView::dragEnterEvent(QDragEnterEvent* event)
{
  dragMoveEvent(event);
}

void GroupListView::dragMoveEvent(QDragMoveEvent* event)
{
  // Anywhere over the list is the same target: the entry always goes to the end.
  if (!GroupDragSource(event->mimeData(), m_window_key))
  {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

void GroupListView::dropEvent(QDropEvent* event)
{
  const std::optional<GroupId> source = GroupDragSource(event->mimeData(), m_window_key);
  if (!source)
  {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::MoveAction);
  event->accept();
  emit EntryDropped(*source, m_id);
}

} // namespace corvane
