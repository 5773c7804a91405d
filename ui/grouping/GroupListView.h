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

// The MIME type of a drag between the group lists; its data is the key of the source list's
// window, a line break, and the source list's object name.
inline constexpr char GROUP_DRAG_MIME[] = "application/x-corvane-group-list";

// A key that no other window, in this run or another, shares: the lists of one window are told
// apart from another running copy's, whose drags offer the same MIME type.
QByteArray NewWindowKey();

// The drag data naming a group's list, of the window with `window_key`, as the source.
QMimeData* GroupDragData(GroupId source, const QByteArray& window_key);

// The source group named by drag data from the window with `window_key`; nothing for data from
// elsewhere, another copy of the program included.
std::optional<GroupId> GroupDragSource(const QMimeData* data, const QByteArray& window_key);

class GroupListView : public QListView
{
  Q_OBJECT

public:
  // Shows `model` as a single-selection list named after its group; it takes drops only from
  // lists that share its `window_key`.
  GroupListView(GroupListModel* model, QByteArray window_key, QWidget* parent = nullptr);

  // The group this list shows.
  GroupId Id() const { return m_id; }

  // The key of the window whose lists this one takes drops from.
  const QByteArray& WindowKey() const { return m_window_key; }

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
  QByteArray m_window_key;
  std::optional<QPoint> m_press_pos; // where the left button went down, until a drag starts
};

} // namespace corvane
