// The main window and the grouping window together: opening, moving, and the two Saves.

#include "UiTestKit.h"
#include "app/Messages.h"
#include "ui/Form1.h"
#include "ui/GroupListView.h"
#include "ui/Interactive.h"
#include "ui/frmGroup.h"

#include <QPushButton>
#include <QTest>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

class GroupingFlowTest : public QObject
{
  Q_OBJECT

private:
  // "cap.lst" holds sfex and tekken; the other lists are empty.
  static void WriteLists(const EmulatorFolder& folder)
  {
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\ntekken\r\n");
    for (const char* name : {"3but.lst", "qma.lst", "tekken.lst", "souledge.lst"})
      folder.WriteFile(std::string("ctrlr/") + name, "");
  }

  static void SelectFirst(frmGroup& window, const char* list_name)
  {
    auto* list = window.findChild<GroupListView*>(list_name);
    QVERIFY(list);
    list->setCurrentIndex(list->model()->index(0, 0));
  }

private slots:
  void ManageButtonShowsTheListsFromTheFiles()
  {
    EmulatorFolder folder;
    WriteLists(folder);
    MessageLog messages;
    frmGroup groups(folder.session);
    Form1 window(folder.session);
    ConnectWindows(window, groups);
    folder.session.groups = {}; // whatever memory held, the files count
    QTest::mouseClick(window.findChild<QPushButton*>("cmdManCont"), Qt::LeftButton);
    QVERIFY(groups.isVisible());
    QCOMPARE(folder.session.groups[GroupId::Cap], (std::vector<std::string>{"sfex", "tekken"}));
  }

  void MainSaveDropsUnsavedMoves()
  {
    EmulatorFolder folder;
    WriteLists(folder);
    MessageLog messages;
    frmGroup groups(folder.session);
    Form1 window(folder.session);
    ConnectWindows(window, groups);
    groups.ShowReloaded();
    SelectFirst(groups, "lstCap");
    QVERIFY(groups.MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QCOMPARE(folder.session.groups[GroupId::Tekken], std::vector<std::string>{});
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), folder.ReadFile("ctrlr/capcfg.ini"));
    QCOMPARE(folder.ReadFile("ctrlr/tekken.lst"), std::string());
    QVERIFY(groups.isVisible()); // the main window's Save leaves the grouping window open
  }

  void GroupSaveWritesListsThenEverythingThenHides()
  {
    EmulatorFolder folder;
    WriteLists(folder);
    MessageLog messages;
    frmGroup groups(folder.session);
    Form1 window(folder.session);
    ConnectWindows(window, groups);
    groups.ShowReloaded();
    SelectFirst(groups, "lstCap");
    QVERIFY(groups.MoveSelectedEntry(GroupId::Cap, GroupId::Tekken));
    QTest::mouseClick(groups.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(folder.ReadFile("ctrlr/tekken.lst"), std::string("sfex\r\n"));
    QCOMPARE(folder.ReadFile("ctrlr/cap.lst"), std::string("tekken\r\n"));
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), folder.ReadFile("ctrlr/tkncfg.ini"));
    QCOMPARE(messages.boxes.size(), size_t{1});
    QCOMPARE(messages.boxes[0].second, std::string(Messages::ALL_CHANGES_SAVED));
    QVERIFY(!groups.isVisible());
  }
};

} // namespace corvane

QTEST_MAIN(corvane::GroupingFlowTest)
#include "GroupingFlowTest.moc"
