// The main window and the grouping window together: opening, moving, and the two Saves.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "ui/Interactive.h"
#include "ui/grouping/GroupListView.h"
#include "ui/grouping/GroupingWindow.h"
#include "ui/main/MainWindow.h"

#include <QPushButton>
#include <QTest>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

// Both windows over one emulator folder, joined as at start-up. "cap.lst" holds sfex and
// tekken; the other lists are empty.
struct TwoWindows
{
  TwoWindows()
  {
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\ntekken\r\n");
    for (const char* name : {"3but.lst", "qma.lst", "tekken.lst", "souledge.lst"})
      folder.WriteFile(std::string("ctrlr/") + name, "");
    ConnectWindows(window, groups);
  }

  EmulatorFolder folder;
  MessageLog messages;
  GroupingWindow groups{folder.session};
  MainWindow window{folder.session};
};

class GroupingFlowTest : public QObject
{
  Q_OBJECT

private:
  static void SelectFirst(GroupingWindow& window, const char* list_name)
  {
    auto* list = window.findChild<GroupListView*>(list_name);
    QVERIFY(list);
    list->setCurrentIndex(list->model()->index(0, 0));
  }

private slots:
  void ManageButtonShowsTheListsFromTheFiles()
  {
    TwoWindows w;
    w.folder.session.groups = {}; // whatever memory held, the files count
    QTest::mouseClick(w.window.findChild<QPushButton*>("cmdManCont"), Qt::LeftButton);
    QVERIFY(w.groups.isVisible());
    QCOMPARE(w.folder.session.groups[GroupId::Cap], (std::vector<std::string>{"sfex", "tekken"}));
  }

  void MainSaveDropsUnsavedMoves()
  {
    TwoWindows w;
    w.groups.ShowReloaded();
    SelectFirst(w.groups, "lstCap");
    QVERIFY(w.groups.MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
    QTest::mouseClick(w.window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QCOMPARE(w.folder.session.groups[GroupId::Tekken], std::vector<std::string>{});
    QCOMPARE(w.folder.ReadFile("ctrlr/sfex.ini"), w.folder.ReadFile("ctrlr/capcfg.ini"));
    QCOMPARE(w.folder.ReadFile("ctrlr/tekken.lst"), std::string());
    QVERIFY(w.groups.isVisible()); // the main window's Save leaves the grouping window open
  }

  // Moves waiting in the grouping window are unsaved work: the main window marks them, and its
  // close box asks; Save writes them as the grouping window's Save would.
  void UnsavedMovesCountInTheMainWindow_data()
  {
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("tekken_list");
    QTest::newRow("save") << UnsavedAnswer::Save << true << "sfex\r\n";
    QTest::newRow("discard") << UnsavedAnswer::Discard << true << "";
    QTest::newRow("cancel") << UnsavedAnswer::Cancel << false << "";
  }

  void UnsavedMovesCountInTheMainWindow()
  {
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, closed);
    QFETCH(QString, tekken_list);
    TwoWindows w;
    w.window.show();
    w.groups.ShowReloaded();
    QVERIFY(!w.window.HasUnsavedChanges());
    SelectFirst(w.groups, "lstCap");
    QVERIFY(w.groups.MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
    QVERIFY(w.window.HasUnsavedChanges());
    QVERIFY(w.window.windowTitle().startsWith('*'));
    w.messages.unsaved_answer = answer;
    w.window.close();
    QCOMPARE(w.messages.questions.size(), size_t{1});
    QCOMPARE(w.window.isVisible(), !closed);
    QCOMPARE(QString::fromStdString(w.folder.ReadFile("ctrlr/tekken.lst")), tekken_list);
    // Cancel in the grouping window drops the moves, and with them the mark.
    w.groups.CancelChanges();
    QVERIFY(!w.window.HasUnsavedChanges());
  }

  void GroupSaveWritesListsThenEverythingThenHides()
  {
    TwoWindows w;
    w.groups.ShowReloaded();
    SelectFirst(w.groups, "lstCap");
    QVERIFY(w.groups.MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
    QTest::mouseClick(w.groups.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(w.folder.ReadFile("ctrlr/tekken.lst"), std::string("sfex\r\n"));
    QCOMPARE(w.folder.ReadFile("ctrlr/cap.lst"), std::string("tekken\r\n"));
    QCOMPARE(w.folder.ReadFile("ctrlr/sfex.ini"), w.folder.ReadFile("ctrlr/tkncfg.ini"));
    QCOMPARE(w.messages.boxes.size(), size_t{1});
    QCOMPARE(w.messages.boxes[0].second, std::string(Messages::ALL_CHANGES_SAVED));
    QVERIFY(!w.groups.isVisible());
  }
};

} // namespace corvane

QTEST_MAIN(corvane::GroupingFlowTest)
#include "GroupingFlowTest.moc"
