#pragma once

// ui/grouping/: the grouping window, which moves games between the controller layouts' lists.

// The grouping editor: the five group lists side by side, edited by dragging set names from
// one list to another. The window shows the session's lists; hiding or closing it loses
// nothing but unsaved moves.

#include "app/Session.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QModelIndex;
class QMenu;
class QPushButton;

namespace corvane
{

class FilterField;
class GroupListModel;
class GroupListView;

class GroupingWindow : public QWidget
{
  Q_OBJECT

public:
  // Builds the window, hidden, over `session.groups`; `session` must outlive it.
  explicit GroupingWindow(Session& session, QWidget* parent = nullptr);

  // Moves the selected entry of list `from` to the end of list `to`; false, changing nothing,
  // when `from` has no selected entry.
  bool MoveSelectedEntry(GroupId from, GroupId to);

  // The same move for entry `row`, made from the keyboard or the accessibility layer; then the
  // entry that took its place is selected, so that the user can go on from there. False,
  // changing nothing, when `row` is not an entry of `from`.
  bool MoveEntryKeepingPlace(GroupId from, int row, GroupId to);
  // The name a screen reader gives the list of a group: its heading.
  QString ListName(GroupId id) const;

  // True while moves wait that the list files do not hold yet.
  bool HasUnsavedMoves() const { return m_moved; }

signals:
  // After Save wrote the list files: the main window's save of everything else runs here.
  void SaveRequested();
  // Scan For Changes wrote the list files: the per-game files follow them at the next Save.
  void ListsRewritten();
  // Moves began to wait, or stopped waiting (saved, dropped or read back from the files).
  void UnsavedMovesChanged();

public slots:
  // Reads the list files into the session's lists, then shows the window in front.
  void ShowReloaded();
  // Shows the session's lists again after the core replaced them.
  void RefreshLists();
  // Shows the lists again with the games' titles of a new game table; moves still wait.
  void ShowNewTitles();
  // Save: writes the list files, then SaveRequested, then hides; on a failed write it keeps
  // the window open with the moves and says what failed.
  void SaveLists();
  // Cancel: drops unsaved moves by reading the list files again, then hides.
  void CancelChanges();
  // Scan For Changes: says what it would change and, if the user agrees, rebuilds the lists from
  // the game table and writes the list files; with nothing to change it says so and writes none.
  void ScanForChanges();

protected:
  // The close box drops unsaved moves as Cancel does.
  void closeEvent(QCloseEvent* event) override;
  // Opens the "Move to" menu of a list from the menu key or Shift+F10.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateLayout();
  void CreateColumns();
  void CreateButtons();
  void CreateTitleLine();
  void ShowTitleOf(const QModelIndex& entry);
  void ConnectWidgets();
  void ReloadLists();
  void WarnAbout(const Outcome& outcome);
  void NoteMoved(bool moved);

  void CreateMoveMenu();
  void MoveFromFocusedList(GroupId to);
  void ShowMoveMenu(GroupListView* list);

  Session& m_session;
  std::array<GroupListModel*, GROUPS.size()> m_models{}; // indexed by GroupId
  std::array<GroupListView*, GROUPS.size()> m_lists{};   // indexed by GroupId
  QPushButton* Command1 = nullptr;                       // Save
  QPushButton* Command2 = nullptr;                       // Cancel
  QPushButton* Command3 = nullptr;                       // Scan For Changes
  FilterField* txtFilter = nullptr;                      // over the five lists
  QLabel* lblTitle = nullptr; // the title of the entry last reached in a list
  QString m_move_said;        // what the last move says, once the lists have settled
  QTimer m_move_settled;
  QMenu* m_move_menu = nullptr; // one entry per list, in column order
  bool m_moved = false;         // moves the list files do not hold yet
};

} // namespace corvane
