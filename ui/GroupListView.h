#pragma once

// A list box of the grouping window: shows one group list, starts a drag of its selected entry
// when moved over with the left button alone, and takes drops from the other lists.

#include "catalogue/GroupLists.h"

#include <QListView>

#include <functional>
#include <optional>

class QDrag;
class QMimeData;

namespace corvane
{

class GroupListModel;

// The MIME type of a drag between the group lists; its data is the source list's object name.
inline constexpr char GROUP_DRAG_MIME[] = "application/x-corvane-group-list";

// The drag data naming a group's list as the source.
QMimeData* GroupDragData(GroupId source);

// The source group named by drag data; nothing for data from elsewhere.
std::optional<GroupId> GroupDragSource(const QMimeData* data);

class GroupListView : public QListView
{
  Q_OBJECT

public:
  // Shows `model` as a single-selection list named after its group.
  explicit GroupListView(GroupListModel* model, QWidget* parent = nullptr);

  // The group this list shows.
  GroupId Id() const { return m_id; }

  // The selected row, or -1 when nothing is selected.
  int SelectedRow() const;

  // Runs a drag to its end; a real drag waits for the mouse, so tests put their own here.
  static std::function<void(QDrag*)> RunDrag;

signals:
  // A drag begun over the list of `source` was dropped on this list.
  void EntryDropped(corvane::GroupId source, corvane::GroupId target);

protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void StartDrag(const QPoint& hot_spot);

  GroupId m_id;
  std::optional<QPoint> m_press_pos; // where the left button went down, until a drag starts
};

} // namespace corvane
