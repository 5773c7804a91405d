// The grouping window driven by object name: drops, drag starts, the three buttons and the
// close box, checked against the session's lists and the list files on disk.

#include "ui/grouping/GroupingWindow.h"
#include "TempDir.h"
#include "base/Messages.h"
#include "catalogue/GroupLists.h"
#include "ui/desktop/Dialogs.h"
#include "ui/grouping/GroupListView.h"

#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <vector>

using namespace corvane;

namespace
{

// The list files every test starts from; qma.lst is empty.
const std::pair<const char*, const char*> LIST_FILES[] = {
    {"ctrlr/cap.lst", "sfex\r\nsfexa\r\nsfex2\r\n"},
    {"ctrlr/3but.lst", "ts2\r\n"},
    {"ctrlr/tekken.lst", "tekken\r\ntekken2\r\n"},
    {"ctrlr/souledge.lst", "souledge\r\n"},
    {"ctrlr/qma.lst", ""},
};

void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint pos)
{
  QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// Delivers a drag enter and a drop as the platform would; true when the drop was taken.
bool SendDrop(QWidget* target, const QMimeData* data, QPoint pos)
{
  QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return enter.isAccepted() && drop.isAccepted();
}

} // namespace

class GroupingWindowTest : public QObject
{
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void LaysOutFiveColumnsAndThreeButtons();
  void DropMovesSelectedEntryToTheEnd_data();
  void DropMovesSelectedEntryToTheEnd();
  void DropOutsideTheListsChangesNothing_data();
  void DropOutsideTheListsChangesNothing();
  void DropFromElsewhereChangesNothing_data();
  void DropFromElsewhereChangesNothing();
  void DragStartsOnlyWithLeftButtonAlone_data();
  void DragStartsOnlyWithLeftButtonAlone();
  void PressAndDragMovesThePressedEntry();
  void SaveWritesFilesBeforeMainSaveAndHides();
  void SaveThatCannotWriteKeepsMovesAndWindow();
  void CancelAndCloseDropMoves_data();
  void CancelAndCloseDropMoves();
  void UnreadableListFileKeepsItsShownList();
  void ScanAsksFirst_data();
  void ScanAsksFirst();
  void ScanWithNothingToChangeWritesNothing();
  void EntriesTellTheirGamesTitle();
  void ScanWithoutTheFullGameListIsRefused_data();
  void ScanWithoutTheFullGameListIsRefused();
  void FilterShowsMatchingEntriesOfEveryList();

private:
  GroupListView* List(const char* name) { return m_window->findChild<GroupListView*>(name); }
  QStringList Shown(const char* name);
  void Select(const char* name, int row);

  std::unique_ptr<test::TempDir> m_temp;
  std::unique_ptr<Session> m_session;
  std::unique_ptr<GroupingWindow> m_window;
  QStringList m_drags;    // the source of every drag begun, by list name
  QStringList m_warnings; // every warning the window showed
};

void GroupingWindowTest::init()
{
  m_temp = std::make_unique<test::TempDir>();
  for (const auto& [name, bytes] : LIST_FILES)
    m_temp->Write(name, bytes);
  m_session = std::make_unique<Session>();
  m_session->dir = m_temp->Dir();
  m_window = std::make_unique<GroupingWindow>(*m_session);
  m_window->ShowReloaded();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  m_drags.clear();
  m_warnings.clear();
  GroupListView::RunDrag = [this](QDrag* drag)
  {
    const QByteArray& key = List("lstCap")->WindowKey();
    m_drags << InfoOf(*GroupDragSource(drag->mimeData(), key)).list_box.data();
  };
  TestHooks().message = [this](MessageKind, const QString& text) { m_warnings << text; };
}

void GroupingWindowTest::cleanup()
{
  TestHooks().message = {};
  m_window.reset();
  m_session.reset();
  m_temp.reset();
}

QStringList GroupingWindowTest::Shown(const char* name)
{
  QStringList entries;
  const QAbstractItemModel* model = List(name)->model();
  for (int row = 0; row < model->rowCount(); ++row)
    entries << model->index(row, 0).data().toString();
  return entries;
}

// Selects as the user does, by clicking the entry.
void GroupingWindowTest::Select(const char* name, int row)
{
  GroupListView* list = List(name);
  const QRect item = list->visualRect(list->model()->index(row, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
  QCOMPARE(list->SelectedRow(), row);
}

void GroupingWindowTest::LaysOutFiveColumnsAndThreeButtons()
{
  QCOMPARE(m_window->windowTitle(), "Drag Roms Back and Forth to Change Grouping");
  QCOMPARE(m_window->size(), QSize(581, 398));
  QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
  QVERIFY(
      !(m_window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  const char* columns[][3] = {{"Label1", "Capcom 6 Button", "lstCap"},
                              {"Label2", "3 Buttons or Less", "lst3But"},
                              {"Label4", "Tekken Games", "lstTekken"},
                              {"Label5", "Soul Edge", "lstSoulEdge"},
                              {"Label6", "Quiz My Angel 3", "lstQMA"}};
  int last_left = -1;
  for (const auto& [label_name, heading, list_name] : columns)
  {
    const QLabel* label = m_window->findChild<QLabel*>(label_name);
    QVERIFY2(label && List(list_name), list_name);
    QCOMPARE(label->text(), heading);
    QCOMPARE(List(list_name)->size(), QSize(102, 295));
    QVERIFY(label->x() == List(list_name)->x() && label->y() < List(list_name)->y());
    QVERIFY(List(list_name)->x() > last_left);
    last_left = List(list_name)->x();
  }
  const char* buttons[][2] = {
      {"Command1", "Save"}, {"Command2", "Cancel"}, {"Command3", "Scan For Changes"}};
  for (const auto& [name, text] : buttons)
  {
    const QPushButton* button = m_window->findChild<QPushButton*>(name);
    QVERIFY2(button && button->text() == text, name);
    QCOMPARE(button->size(), QSize(119, 26));
    QVERIFY(button->y() >= List("lstCap")->geometry().bottom());
  }
}

void GroupingWindowTest::DropMovesSelectedEntryToTheEnd_data()
{
  QTest::addColumn<QString>("source");
  QTest::addColumn<int>("selected"); // -1: nothing selected
  QTest::addColumn<QString>("target");
  QTest::addColumn<bool>("on_scroll_bar");
  QTest::addColumn<QStringList>("source_after");
  QTest::addColumn<QStringList>("target_after");
  QTest::newRow("cap to tekken") << "lstCap" << 1 << "lstTekken" << false
                                 << QStringList{"sfex", "sfex2"}
                                 << QStringList{"tekken", "tekken2", "sfexa"};
  QTest::newRow("on the scroll bar")
      << "lstCap" << 1 << "lstTekken" << true << QStringList{"sfex", "sfex2"}
      << QStringList{"tekken", "tekken2", "sfexa"};
  QTest::newRow("onto own list") << "lstCap" << 0 << "lstCap" << false
                                 << QStringList{"sfexa", "sfex2", "sfex"}
                                 << QStringList{"sfexa", "sfex2", "sfex"};
  QTest::newRow("into empty list")
      << "lstSoulEdge" << 0 << "lstQMA" << false << QStringList{} << QStringList{"souledge"};
  QTest::newRow("no selection") << "lstCap" << -1 << "lstTekken" << false
                                << QStringList{"sfex", "sfexa", "sfex2"}
                                << QStringList{"tekken", "tekken2"};
}

void GroupingWindowTest::DropMovesSelectedEntryToTheEnd()
{
  QFETCH(QString, source);
  QFETCH(int, selected);
  QFETCH(QString, target);
  QFETCH(bool, on_scroll_bar);
  QFETCH(QStringList, source_after);
  QFETCH(QStringList, target_after);
  const QByteArray source_name = source.toLatin1();
  const QByteArray target_name = target.toLatin1();
  if (selected >= 0)
    Select(source_name, selected);
  const std::unique_ptr<QMimeData> data(
      GroupDragData(List(source_name)->Id(), List(source_name)->WindowKey()));
  QWidget* drop_on = on_scroll_bar ? static_cast<QWidget*>(List(target_name)->verticalScrollBar())
                                   : List(target_name)->viewport();
  QVERIFY(SendDrop(drop_on, data.get(), QPoint(5, 20)));
  QCOMPARE(Shown(source_name), source_after);
  QCOMPARE(Shown(target_name), target_after);
  // The window shows the session's lists, not a copy of them.
  QCOMPARE(m_session->groups[List(target_name)->Id()].size(), size_t(target_after.size()));
}

void GroupingWindowTest::DropOutsideTheListsChangesNothing_data()
{
  QTest::addColumn<QString>("target");
  QTest::addColumn<QPoint>("pos");
  QTest::newRow("label") << "Label2" << QPoint(5, 5);
  QTest::newRow("button") << "Command1" << QPoint(10, 10);
  QTest::newRow("background") << "window" << QPoint(575, 5);
}

void GroupingWindowTest::DropOutsideTheListsChangesNothing()
{
  QFETCH(QString, target);
  QFETCH(QPoint, pos);
  Select("lstCap", 0);
  const GroupLists before = m_session->groups;
  QWidget* widget = target == "window" ? m_window.get() : m_window->findChild<QWidget*>(target);
  QVERIFY(widget);
  const std::unique_ptr<QMimeData> data(GroupDragData(GroupId::Cap, List("lstCap")->WindowKey()));
  QVERIFY(!SendDrop(widget, data.get(), pos));
  QVERIFY(m_session->groups == before);
}

// Drag data of the right type that comes from no list of this window: another running copy of
// the program, an older one, or data naming no list.
void GroupingWindowTest::DropFromElsewhereChangesNothing_data()
{
  QTest::addColumn<QByteArray>("bytes"); // "<own>" stands for this window's key
  const std::unique_ptr<QMimeData> other_copy(GroupDragData(GroupId::Cap, NewWindowKey()));
  QTest::newRow("another copy") << other_copy->data(GROUP_DRAG_MIME);
  QTest::newRow("list name alone") << QByteArray("lstCap");
  QTest::newRow("no list") << QByteArray("<own>\nlstNone");
  QTest::newRow("key alone") << QByteArray("<own>");
}

void GroupingWindowTest::DropFromElsewhereChangesNothing()
{
  QFETCH(QByteArray, bytes);
  Select("lstCap", 0);
  const GroupLists before = m_session->groups;
  QMimeData foreign;
  foreign.setData(GROUP_DRAG_MIME, bytes.replace("<own>", List("lstCap")->WindowKey()));
  QVERIFY(!SendDrop(List("lstTekken")->viewport(), &foreign, QPoint(20, 20)));
  QVERIFY(m_session->groups == before);
}

void GroupingWindowTest::DragStartsOnlyWithLeftButtonAlone_data()
{
  QTest::addColumn<bool>("select_first");
  QTest::addColumn<Qt::MouseButtons>("held");
  QTest::addColumn<bool>("starts");
  QTest::newRow("left") << true << Qt::MouseButtons(Qt::LeftButton) << true;
  QTest::newRow("right") << true << Qt::MouseButtons(Qt::RightButton) << false;
  QTest::newRow("left and right") << true << (Qt::LeftButton | Qt::RightButton) << false;
  QTest::newRow("left, nothing selected") << false << Qt::MouseButtons(Qt::LeftButton) << false;
}

void GroupingWindowTest::DragStartsOnlyWithLeftButtonAlone()
{
  QFETCH(bool, select_first);
  QFETCH(Qt::MouseButtons, held);
  QFETCH(bool, starts);
  QWidget* viewport = List("lstCap")->viewport();
  if (select_first)
    Select("lstCap", 0);
  // Pressed below the last entry, so the press itself selects nothing new.
  const QPoint start(20, 250);
  Qt::MouseButtons down;
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
  {
    if (held & button)
      SendMouse(viewport, QEvent::MouseButtonPress, button, down |= button, start);
  }
  for (int step = 1; step <= 5; ++step)
    SendMouse(viewport, QEvent::MouseMove, Qt::NoButton, held, start + QPoint(step * 8, 0));
  QCOMPARE(m_drags, starts ? QStringList{"lstCap"} : QStringList{});
}

// The whole gesture through mouse events: the drag carries the entry pressed on.
void GroupingWindowTest::PressAndDragMovesThePressedEntry()
{
  GroupListView* source = List("lstCap");
  GroupListView::RunDrag = [this](QDrag* drag)
  { SendDrop(List("lstTekken")->viewport(), drag->mimeData(), QPoint(30, 100)); };
  const QPoint press = source->visualRect(source->model()->index(2, 0)).center();
  QTest::mousePress(source->viewport(), Qt::LeftButton, {}, press);
  for (int step = 1; step <= 4; ++step)
    SendMouse(source->viewport(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
              press + QPoint(0, -step * 6));
  QCOMPARE(Shown("lstCap"), (QStringList{"sfex", "sfexa"}));
  QCOMPARE(Shown("lstTekken"), (QStringList{"tekken", "tekken2", "sfex2"}));
}

void GroupingWindowTest::SaveWritesFilesBeforeMainSaveAndHides()
{
  Select("lstCap", 0);
  QVERIFY(m_window->MoveSelectedEntry(GroupId::Cap, GroupId::ThreeBut));
  std::string cap_at_main_save;
  connect(m_window.get(), &GroupingWindow::SaveRequested, this,
          [this, &cap_at_main_save]
          {
            // What the main window's save does with the lists: reads them back from the files.
            cap_at_main_save = m_temp->Read("ctrlr/cap.lst");
            m_session->groups = ZincListMan::LoadGroupLists(m_session->dir);
            m_window->RefreshLists();
          });
  QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
  QCOMPARE(cap_at_main_save, "sfexa\r\nsfex2\r\n");
  QCOMPARE(m_temp->Read("ctrlr/3but.lst"), "ts2\r\nsfex\r\n");
  QCOMPARE(m_temp->Read("ctrlr/qma.lst"), "");
  QCOMPARE(Shown("lst3But"), (QStringList{"ts2", "sfex"}));
  QVERIFY(m_window->isHidden());
  QVERIFY(m_warnings.isEmpty());
}

void GroupingWindowTest::SaveThatCannotWriteKeepsMovesAndWindow()
{
  // A plain file where the folder should be: the list files cannot be written.
  const test::TempDir broken;
  broken.Write("ctrlr", "not a folder");
  m_session->dir = broken.Dir();
  m_session->groups[GroupId::Cap] = {"sfex"};
  m_window->RefreshLists();
  QSignalSpy main_save(m_window.get(), &GroupingWindow::SaveRequested);
  QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
  QCOMPARE(m_warnings.size(), 1);
  QCOMPARE(main_save.count(), 0);
  QVERIFY(m_window->isVisible());
  QCOMPARE(Shown("lstCap"), QStringList{"sfex"});
}

void GroupingWindowTest::CancelAndCloseDropMoves_data()
{
  QTest::addColumn<bool>("close_box");
  QTest::newRow("cancel") << false;
  QTest::newRow("close box") << true;
}

void GroupingWindowTest::CancelAndCloseDropMoves()
{
  QFETCH(bool, close_box);
  Select("lstTekken", 1);
  QVERIFY(m_window->MoveSelectedEntry(GroupId::Tekken, GroupId::Qma));
  if (close_box)
    m_window->close();
  else
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command2"), Qt::LeftButton);
  QVERIFY(m_window->isHidden());
  QVERIFY(m_session->groups == ZincListMan::LoadGroupLists(m_session->dir));
  m_window->ShowReloaded();
  QVERIFY(m_window->isVisible());
  QCOMPARE(Shown("lstTekken"), (QStringList{"tekken", "tekken2"}));
  QCOMPARE(Shown("lstQMA"), QStringList{});
  QCOMPARE(m_temp->Read("ctrlr/qma.lst"), "");
}

void GroupingWindowTest::UnreadableListFileKeepsItsShownList()
{
  std::filesystem::remove(m_temp->Dir().CtrlrFile("cap.lst"));
  std::filesystem::create_directory(m_temp->Dir().CtrlrFile("cap.lst"));
  m_window->ShowReloaded();
  QCOMPARE(Shown("lstCap"), (QStringList{"sfex", "sfexa", "sfex2"}));
  QCOMPARE(Shown("lstTekken"), (QStringList{"tekken", "tekken2"}));
}

// The games of the scan tests: the lists hold two of them and five set names of no game.
std::vector<GameRow> ScanGames()
{
  return {
      {"tekken", "Tekken (World)", "", "1", "tekken", ""},
      {"sfex", "Street Fighter EX", "", "2", "sfex", "cpzn1"},
      {"myangel3", "Kosodate Quiz My Angel 3", "", "3", "myangel3", "tps"},
      {"glpracr", "Gallop Racer", "", "4", "glpracr", ""},
  };
}

void GroupingWindowTest::ScanAsksFirst_data()
{
  QTest::addColumn<bool>("answer");
  QTest::newRow("yes") << true;
  QTest::newRow("no") << false;
}

void GroupingWindowTest::ScanAsksFirst()
{
  QFETCH(bool, answer);
  m_session->games.rows = ScanGames();
  QStringList questions;
  TestHooks().question = [&](const QString& text)
  {
    questions << text;
    return answer;
  };
  QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
  TestHooks().question = {};
  QCOMPARE(questions,
           QStringList{"Scan puts 2 games back in their automatic families and writes the five "
                       "lists now. Moved: Kosodate Quiz My Angel 3 (myangel3) to Quiz My Angel 3 "
                       "and Gallop Racer (glpracr) to 3 Buttons or Less. 5 entries that name no "
                       "game are dropped. Continue?"});
  QVERIFY(m_warnings.isEmpty());
  QVERIFY(m_window->isVisible());
  if (!answer)
  {
    for (const auto& [name, bytes] : LIST_FILES)
      QCOMPARE(m_temp->Read(name), bytes);
    QCOMPARE(Shown("lstCap"), (QStringList{"sfex", "sfexa", "sfex2"}));
    return;
  }
  const std::pair<const char*, const char*> expected[] = {
      {"cap.lst", "sfex\r\n"},      {"3but.lst", "glpracr\r\n"}, {"qma.lst", "myangel3\r\n"},
      {"tekken.lst", "tekken\r\n"}, {"souledge.lst", ""},
  };
  for (const auto& [file, bytes] : expected)
    QCOMPARE(m_temp->Read(std::string("ctrlr/") + file), bytes);
  QCOMPARE(Shown("lstCap"), QStringList{"sfex"});
  QCOMPARE(Shown("lstSoulEdge"), QStringList{});
}

void GroupingWindowTest::ScanWithNothingToChangeWritesNothing()
{
  // The games the list files already hold, each in its automatic family, in table order.
  m_session->games.rows = {
      {"sfex", "Street Fighter EX", "", "1", "sfex", "cpzn1"},
      {"sfexa", "Street Fighter EX (Asia)", "", "2", "sfex", "cpzn1"},
      {"sfex2", "Street Fighter EX 2", "", "3", "sfex2", "cpzn2"},
      {"ts2", "Battle Arena Toshinden 2", "", "4", "ts2", ""},
      {"tekken", "Tekken (World)", "", "5", "tekken", ""},
      {"tekken2", "Tekken 2", "", "6", "tekken2", ""},
      {"souledge", "Soul Edge", "", "7", "souledge", ""},
  };
  // Each time as the file system keeps it: Windows keeps it to 100 ns, coarser than the clock.
  const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::vector<std::filesystem::file_time_type> old_times;
  for (const auto& [name, bytes] : LIST_FILES)
  {
    std::filesystem::last_write_time(m_temp->Dir().File(name), an_hour_ago);
    old_times.push_back(std::filesystem::last_write_time(m_temp->Dir().File(name)));
  }
  QStringList questions;
  TestHooks().question = [&](const QString& text)
  {
    questions << text;
    return true;
  };
  QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
  TestHooks().question = {};
  QVERIFY(questions.isEmpty());
  QCOMPARE(m_warnings,
           QStringList{QString::fromStdString(std::string(Messages::SCAN_NOTHING_TO_DO))});
  size_t file = 0;
  for (const auto& [name, bytes] : LIST_FILES)
    QCOMPARE(std::filesystem::last_write_time(m_temp->Dir().File(name)), old_times[file++]);
}

void GroupingWindowTest::EntriesTellTheirGamesTitle()
{
  m_session->games.rows = ScanGames();
  const QAbstractItemModel* cap = List("lstCap")->model();
  const QAbstractItemModel* tekken = List("lstTekken")->model();
  const std::tuple<const QAbstractItemModel*, int, QString, QString> entries[] = {
      {cap, 0, "sfex", "Street Fighter EX"},
      {tekken, 0, "tekken", "Tekken (World)"},
      {cap, 1, "sfexa", QString::fromStdString(std::string(Messages::GROUP_ENTRY_UNKNOWN))},
  };
  for (const auto& [model, row, set_name, title] : entries)
  {
    const QModelIndex entry = model->index(row, 0);
    QCOMPARE(entry.data().toString(), set_name);
    QCOMPARE(entry.data(Qt::ToolTipRole).toString(), title);
    QCOMPARE(entry.data(Qt::AccessibleDescriptionRole).toString(), title);
  }
}

void GroupingWindowTest::ScanWithoutTheFullGameListIsRefused_data()
{
  QTest::addColumn<bool>("listed_in_full");
  QTest::newRow("no game") << true;
  QTest::newRow("listing stopped half-way") << false;
}

void GroupingWindowTest::ScanWithoutTheFullGameListIsRefused()
{
  QFETCH(bool, listed_in_full);
  if (!listed_in_full)
    m_session->games.rows = {{"tekken", "Tekken (World)", "", "1", "tekken", ""}};
  m_session->games.listed_in_full = listed_in_full;
  const QStringList cap_before = Shown("lstCap");
  QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
  QCOMPARE(m_warnings, QStringList{QString::fromStdString(std::string(Messages::SCAN_REFUSED))});
  QCOMPARE(Shown("lstCap"), cap_before);
  for (const auto& [name, bytes] : LIST_FILES)
    QCOMPARE(m_temp->Read(name), bytes);
}

// Typing a title or a set name leaves only the matching entries in sight, through moves too; the
// title of the entry reached stands under the lists.
void GroupingWindowTest::FilterShowsMatchingEntriesOfEveryList()
{
  m_session->games.rows = ScanGames();
  m_window->ShowReloaded();
  auto* filter = m_window->findChild<QLineEdit*>("txtFilter");
  QCOMPARE(filter->accessibleName(), QString("Filter"));
  const auto shown = [this](const char* name)
  {
    QStringList entries;
    const GroupListView* list = List(name);
    for (int row = 0; row < list->model()->rowCount(); ++row)
      if (!list->isRowHidden(row))
        entries << list->model()->index(row, 0).data().toString();
    return entries;
  };
  const std::pair<const char*, std::pair<QStringList, QStringList>> cases[] = {
      {"", {{"sfex", "sfexa", "sfex2"}, {"tekken", "tekken2"}}},
      {"SFEX2", {{"sfex2"}, {}}},
      {"street fighter", {{"sfex"}, {}}}, // by title: only sfex is a game of the table
      {"nothing like it", {{}, {}}},
  };
  for (const auto& [typed, lists] : cases)
  {
    filter->setText(typed);
    QCOMPARE(shown("lstCap"), lists.first);
    QCOMPARE(shown("lstTekken"), lists.second);
  }
  // A move resets both lists: the filter holds over them.
  filter->setText("sfex");
  Select("lstCap", 1);
  QCOMPARE(m_window->findChild<QLabel*>("lblTitle")->text(),
           QString("sfexa: ") + QString::fromStdString(std::string(Messages::GROUP_ENTRY_UNKNOWN)));
  Select("lstCap", 0);
  QCOMPARE(m_window->findChild<QLabel*>("lblTitle")->text(), QString("sfex: Street Fighter EX"));
  QVERIFY(m_window->MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
  QCOMPARE(shown("lstCap"), (QStringList{"sfexa", "sfex2"}));
  QCOMPARE(shown("lstTekken"), QStringList{"sfex"});
  // Escape empties the field.
  filter->setFocus();
  QTest::keyClick(filter, Qt::Key_Escape);
  QCOMPARE(shown("lstTekken"), (QStringList{"tekken", "tekken2", "sfex"}));
}

QTEST_MAIN(GroupingWindowTest)
#include "GroupingWindowTest.moc"
