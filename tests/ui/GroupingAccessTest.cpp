// The grouping window without a mouse: its lists as a screen reader sees them, and a game moved
// by shortcut, by the "Move to" menu and by an accessibility action, each the same move as a drop.

#include "UiTestKit.h"
#include "ui/grouping/GroupListView.h"
#include "ui/grouping/GroupingWindow.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

// The grouping window over list files where "cap.lst" holds sfex and sfexa and "tekken.lst"
// holds tekken; the first Capcom entry is focused and selected.
struct ShownGroupingWindow
{
  ShownGroupingWindow()
  {
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\nsfexa\r\n");
    folder.WriteFile("ctrlr/tekken.lst", "tekken\r\n");
    for (const char* name : {"3but.lst", "qma.lst", "souledge.lst"})
      folder.WriteFile(std::string("ctrlr/") + name, "");
    window.ShowReloaded();
    cap = window.findChild<GroupListView*>("lstCap");
    cap->setFocus();
    cap->setCurrentIndex(cap->model()->index(0, 0));
  }

  EmulatorFolder folder;
  MessageLog messages;
  GroupingWindow window{folder.session};
  GroupListView* cap = nullptr;
};

class GroupingAccessTest : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase() { QAccessible::setActive(true); }

  void ListsAreNamedByTheirHeadingsWithTheirEntriesAsItems()
  {
    ShownGroupingWindow w;
    const QStringList names = {"lstCap", "lst3But", "lstTekken", "lstSoulEdge", "lstQMA"};
    const QStringList headings = {"Capcom 6 Button", "3 Buttons or Less", "Tekken Games",
                                  "Soul Edge", "Quiz My Angel 3"};
    for (int column = 0; column < names.size(); ++column)
    {
      QAccessibleInterface* list =
          QAccessible::queryAccessibleInterface(w.window.findChild<GroupListView*>(names[column]));
      QCOMPARE(list->role(), QAccessible::List);
      QCOMPARE(list->text(QAccessible::Name), headings[column]);
    }
    QAccessibleInterface* cap = QAccessible::queryAccessibleInterface(w.cap);
    QCOMPARE(cap->childCount(), 2);
    QCOMPARE(cap->child(1)->role(), QAccessible::ListItem);
    QCOMPARE(cap->child(1)->text(QAccessible::Name), QString("sfexa"));
    QCOMPARE(cap->indexOfChild(cap->child(1)), 1);
    QVERIFY(cap->child(0)->state().selected && !cap->child(1)->state().selected);
    QVERIFY(cap->child(0)->actionInterface()->actionNames().contains("Move to Soul Edge"));
  }

  void MovesWithoutAMouseAreTheDropsMove_data()
  {
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+3") << "shortcut";
    QTest::newRow("menu key") << "menu key";
    QTest::newRow("Shift+F10") << "Shift+F10";
    QTest::newRow("action on the item") << "accessible";
  }

  void MovesWithoutAMouseAreTheDropsMove()
  {
    QFETCH(QString, how);
    ShownGroupingWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    auto* menu = w.window.findChild<QMenu*>("mnuMoveTo");
    if (how == "shortcut")
      QTest::keyClick(w.cap, Qt::Key_3, Qt::ControlModifier);
    else if (how == "accessible")
      QAccessible::queryAccessibleInterface(w.cap)->child(0)->actionInterface()->doAction(
          "Move to Tekken Games");
    else
    {
      if (how == "Shift+F10")
        QTest::keyClick(w.cap, Qt::Key_F10, Qt::ShiftModifier);
      else
      {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(w.cap, &event);
      }
      QVERIFY(menu->isVisible());
      QCOMPARE(menu->actions().size(), 5);
      menu->actions().at(2)->trigger(); // the third column: Tekken Games
    }
    QCOMPARE(w.folder.session.groups[GroupId::Cap], std::vector<std::string>{"sfexa"});
    QCOMPARE(w.folder.session.groups[GroupId::Tekken],
             (std::vector<std::string>{"tekken", "sfex"}));
    QCOMPARE(w.cap->SelectedRow(), 0); // on sfexa, ready for the next move
    // Saved like any move: the list files, then everything else.
    QTest::mouseClick(w.window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(w.folder.ReadFile("ctrlr/tekken.lst"), std::string("tekken\r\nsfex\r\n"));
  }

  void RightClickKeepsTheListsOrdinaryBehaviour()
  {
    ShownGroupingWindow w;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(w.cap, &event);
    QVERIFY(!w.window.findChild<QMenu*>("mnuMoveTo")->isVisible());
  }
};

} // namespace corvane

QTEST_MAIN(corvane::GroupingAccessTest)
#include "GroupingAccessTest.moc"
