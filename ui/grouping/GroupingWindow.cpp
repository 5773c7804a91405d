#include "ui/grouping/GroupingWindow.h"

#include "base/Messages.h"
#include "catalogue/GroupMove.h"
#include "catalogue/GroupScan.h"
#include "ui/access/AccessibleFrame.h"
#include "ui/access/Announcer.h"
#include "ui/access/KeyboardReach.h"
#include "ui/desktop/Dialogs.h"
#include "ui/desktop/QtText.h"
#include "ui/grouping/AccessibleGroupList.h"
#include "ui/grouping/GroupListModel.h"
#include "ui/grouping/GroupListView.h"
#include "ui/widgets/FilterField.h"

#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace corvane
{
namespace
{

// The columns from left to right, with the object name of each column's label.
struct Column
{
  GroupId id;
  const char* label;
};
constexpr std::array<Column, GROUPS.size()> COLUMNS = {{
    {GroupId::Cap, "Label1"},
    {GroupId::ThreeBut, "Label2"},
    {GroupId::Tekken, "Label4"},
    {GroupId::SoulEdge, "Label5"},
    {GroupId::Qma, "Label6"},
}};

constexpr int CLIENT_WIDTH = 581;
constexpr int CLIENT_HEIGHT = 398;
constexpr int LIST_WIDTH = 102;
constexpr int LIST_HEIGHT = 295;
constexpr int COLUMN_LEFT = 9;
constexpr int COLUMN_STEP = 115;
constexpr int FILTER_TOP = 4;
constexpr int FILTER_HEIGHT = 22;
constexpr int LABEL_TOP = 30;
constexpr int LIST_TOP = 47;
constexpr int TITLE_TOP = 345;
constexpr int TITLE_HEIGHT = 18;
constexpr int BUTTON_WIDTH = 119;
constexpr int BUTTON_HEIGHT = 26;
constexpr int BUTTON_TOP = 367;

size_t IndexOf(GroupId id)
{
  return static_cast<size_t>(id);
}

// The menu key, or Shift+F10, the other key that asks for a context menu.
bool IsMenuKey(const QEvent* event)
{
  if (event->type() == QEvent::ContextMenu)
    return static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
  if (event->type() != QEvent::KeyPress)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
}

} // namespace

GroupingWindow::GroupingWindow(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session)
{
  ReportAsFrame(this);
  setObjectName("frmGroup"); // the old form name: begins every control's UI Automation id
  // A fixed dialog frame: a caption and a close box, no resizing, no minimise or maximise.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(ToQString(Messages::GROUP_CAPTION));
  // The caption speaks of dragging; a screen reader also says the keyboard's way.
  setAccessibleDescription(ToQString(Messages::GROUP_KEYBOARD_WAY));
  setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
  InstallAccessibleGroupLists(); // before the lists exist, or they get the default interface
  CreateLayout();
  CreateMoveMenu();
  ConnectWidgets();
  EnterPressesButtons(this);
  m_move_settled.setSingleShot(true);
  m_move_settled.setInterval(0);
  connect(&m_move_settled, &QTimer::timeout, this, [this] { Announce(this, m_move_said); });
  for (GroupListView* list : m_lists)
    SpeakCurrentEntryOnFocus(list);
  // The window opens on the first list, as before the filter stood above it; Shift+Tab or
  // Ctrl+F reaches the filter.
  m_lists[IndexOf(COLUMNS.front().id)]->setFocus();
}

void GroupingWindow::CreateLayout()
{
  txtFilter = new FilterField(this);
  txtFilter->setGeometry(COLUMN_LEFT, FILTER_TOP, CLIENT_WIDTH - 2 * COLUMN_LEFT, FILTER_HEIGHT);
  CreateColumns();
  CreateTitleLine();
  CreateButtons();
}

void GroupingWindow::CreateTitleLine()
{
  // The lists show set names; the title of the entry last reached stands under them.
  lblTitle = new QLabel(this);
  lblTitle->setObjectName("lblTitle");
  lblTitle->setTextFormat(Qt::PlainText);
  lblTitle->setGeometry(COLUMN_LEFT, TITLE_TOP, CLIENT_WIDTH - 2 * COLUMN_LEFT, TITLE_HEIGHT);
  for (GroupListView* list : m_lists)
  {
    txtFilter->Watch(list);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowTitleOf(current); });
  }
}

void GroupingWindow::ShowTitleOf(const QModelIndex& entry)
{
  if (!entry.isValid())
    return;
  lblTitle->setText(entry.data().toString() + QStringLiteral(": ") +
                    entry.data(Qt::ToolTipRole).toString());
}

void GroupingWindow::CreateColumns()
{
  // The five lists share one key, so each takes drops from the other four and itself only.
  const QByteArray window_key = NewWindowKey();
  for (size_t column = 0; column < COLUMNS.size(); ++column)
  {
    const GroupId id = COLUMNS[column].id;
    const int left = COLUMN_LEFT + static_cast<int>(column) * COLUMN_STEP;
    auto* label = new QLabel(ToQString(InfoOf(id).heading), this);
    label->setObjectName(COLUMNS[column].label);
    // A heading may be wider than its list; it may use the gap to the next column.
    label->setGeometry(left, LABEL_TOP, COLUMN_STEP - 2, LIST_TOP - LABEL_TOP);
    m_models[IndexOf(id)] = new GroupListModel(m_session.groups, id, m_session.games, this);
    m_lists[IndexOf(id)] = new GroupListView(m_models[IndexOf(id)], window_key, this);
    m_lists[IndexOf(id)]->setGeometry(left, LIST_TOP, LIST_WIDTH, LIST_HEIGHT);
    // The heading names its list for a screen reader.
    label->setBuddy(m_lists[IndexOf(id)]);
    m_lists[IndexOf(id)]->setAccessibleName(label->text());
  }
}

void GroupingWindow::CreateButtons()
{
  const std::array<std::pair<QPushButton**, const char*>, 3> buttons = {{
      {&Command1, "Save"},
      {&Command2, "Cancel"},
      {&Command3, "Scan For Changes"},
  }};
  // Three equal buttons spread evenly under the lists. None is a default button: Enter in a
  // list must not save.
  const int gap = (CLIENT_WIDTH - 3 * BUTTON_WIDTH) / 4;
  for (size_t i = 0; i < buttons.size(); ++i)
  {
    auto* button = new QPushButton(buttons[i].second, this);
    button->setObjectName(QString("Command%1").arg(i + 1));
    button->setAutoDefault(false);
    button->setGeometry(gap + static_cast<int>(i) * (BUTTON_WIDTH + gap), BUTTON_TOP, BUTTON_WIDTH,
                        BUTTON_HEIGHT);
    *buttons[i].first = button;
  }
}

void GroupingWindow::CreateMoveMenu()
{
  // Moving without a mouse: the menu key or Shift+F10 on a list opens "Move to" with the five
  // lists; Ctrl+1 to Ctrl+5 move to the lists by column with the menu closed. A right click
  // keeps the list's ordinary behaviour.
  m_move_menu = new QMenu(ToQString(Messages::MOVE_TO), this);
  m_move_menu->setObjectName("mnuMoveTo");
  m_move_menu->setAccessibleName(m_move_menu->title());
  for (size_t column = 0; column < COLUMNS.size(); ++column)
  {
    const GroupId target = COLUMNS[column].id;
    QAction* action = m_move_menu->addAction(ToQString(InfoOf(target).heading));
    action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + column)));
    addAction(action);
    connect(action, &QAction::triggered, this, [this, target] { MoveFromFocusedList(target); });
  }
  for (GroupListView* list : m_lists)
    list->installEventFilter(this);
}

void GroupingWindow::MoveFromFocusedList(GroupId to)
{
  auto* list = qobject_cast<GroupListView*>(focusWidget());
  if (!list)
    return;
  // A list just reached by Tab shows its focus on an entry that is not yet selected; to a
  // keyboard user that entry is the chosen one.
  const int row = list->SelectedRow() >= 0 ? list->SelectedRow() : list->currentIndex().row();
  MoveEntryKeepingPlace(list->Id(), row, to);
}

bool GroupingWindow::eventFilter(QObject* watched, QEvent* event)
{
  auto* list = qobject_cast<GroupListView*>(watched);
  if (!list || !IsMenuKey(event))
    return QWidget::eventFilter(watched, event);
  ShowMoveMenu(list);
  return true;
}

void GroupingWindow::ShowMoveMenu(GroupListView* list)
{
  // Below the selected entry, where the user's attention is; at the list's top without one.
  const QModelIndex current = list->currentIndex();
  const QRect entry = current.isValid() ? list->visualRect(current) : QRect();
  m_move_menu->popup(list->viewport()->mapToGlobal(entry.bottomLeft()));
  // A menu that opens with no entry chosen is silent to a screen reader: its name is said here.
  Announce(this, tr("%1 menu").arg(m_move_menu->title()));
}

void GroupingWindow::ConnectWidgets()
{
  for (GroupListView* list : m_lists)
    connect(list, &GroupListView::EntryDropped, this, &GroupingWindow::MoveSelectedEntry);
  connect(Command1, &QPushButton::clicked, this, &GroupingWindow::SaveLists);
  connect(Command2, &QPushButton::clicked, this, &GroupingWindow::CancelChanges);
  connect(Command3, &QPushButton::clicked, this, &GroupingWindow::ScanForChanges);
}

bool GroupingWindow::MoveSelectedEntry(GroupId from, GroupId to)
{
  const GroupListView* source = m_lists[IndexOf(from)];
  const QString entry = source->model()->index(source->SelectedRow(), 0).data().toString();
  if (!MoveGroupEntry(m_session.groups, from, source->SelectedRow(), to))
    return false;
  // Said once the lists have settled: a reader hears the list's new current entry first, then
  // this, which is what the player needs to hear.
  m_move_said = tr("%1 moved to %2").arg(entry, ListName(to));
  m_move_settled.start();
  m_models[IndexOf(from)]->Reset();
  if (to != from)
    m_models[IndexOf(to)]->Reset();
  // The moved entry is now the last of the target: bring it into view.
  m_lists[IndexOf(to)]->scrollToBottom();
  NoteMoved(true);
  return true;
}

QString GroupingWindow::ListName(GroupId id) const
{
  return m_lists[IndexOf(id)]->accessibleName();
}

bool GroupingWindow::MoveEntryKeepingPlace(GroupId from, int row, GroupId to)
{
  GroupListView* source = m_lists[IndexOf(from)];
  const QModelIndex entry = source->model()->index(row, 0);
  if (!entry.isValid())
    return false;
  source->setCurrentIndex(entry);
  if (!MoveSelectedEntry(from, to))
    return false;
  const int left = source->model()->rowCount();
  if (left > 0)
    source->setCurrentIndex(source->model()->index(std::min(row, left - 1), 0));
  return true;
}

void GroupingWindow::ShowReloaded()
{
  ReloadLists();
  show();
  raise();
  activateWindow();
}

void GroupingWindow::RefreshLists()
{
  // Called whenever the lists were read from or written to their files: no move waits.
  for (GroupListModel* model : m_models)
    model->Reset();
  NoteMoved(false);
}

void GroupingWindow::ShowNewTitles()
{
  // The lists themselves are the session's, untouched: only the titles shown beside them change.
  for (GroupListModel* model : m_models)
    model->Reset();
}

void GroupingWindow::NoteMoved(bool moved)
{
  if (moved == m_moved)
    return;
  m_moved = moved;
  emit UnsavedMovesChanged();
}

void GroupingWindow::SaveLists()
{
  const Outcome outcome = ZincListMan::SaveGroupLists(m_session.dir, m_session.groups);
  if (!outcome.Ok())
  {
    // The main save reads the list files back into the lists; after a failed write that would
    // throw the user's moves away, so the window stays open with them instead.
    WarnAbout(outcome);
    return;
  }
  NoteMoved(false);
  emit SaveRequested();
  RefreshLists();
  hide();
}

void GroupingWindow::CancelChanges()
{
  ReloadLists();
  hide();
}

void GroupingWindow::ScanForChanges()
{
  if (!ZincListMan::CanScanGroups(m_session.games))
  {
    ShowMessage(this, MessageKind::Warning, Messages::SCAN_REFUSED);
    return;
  }
  // Say first what the scan would change, hand-made moves lost included; No is the default.
  const auto preview = ZincListMan::PreviewScan(m_session.dir, m_session.games, m_session.groups);
  const std::string question = ZincListMan::ScanQuestion(preview);
  if (!preview.ChangesAnything())
  {
    ShowMessage(this, MessageKind::Plain, question);
    return;
  }
  if (!AskYesNo(this, question))
    return;
  const Outcome outcome = ZincListMan::ScanGroups(m_session.dir, m_session.games, m_session.groups);
  RefreshLists();
  emit ListsRewritten();
  WarnAbout(outcome);
}

void GroupingWindow::closeEvent(QCloseEvent* event)
{
  // The lists in memory go back to the files, so nothing unsaved outlives the window.
  ReloadLists();
  event->accept();
}

void GroupingWindow::ReloadLists()
{
  // A list file that cannot be read keeps the list shown, so the next Save cannot write it
  // back empty; the main window's Save names the file.
  ZincListMan::ReloadGroupLists(m_session.dir, m_session.groups);
  RefreshLists();
}

void GroupingWindow::WarnAbout(const Outcome& outcome)
{
  ShowProblems(this, Messages::SAVE_INCOMPLETE, outcome.Describe());
}

} // namespace corvane
