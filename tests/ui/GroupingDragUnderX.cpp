// A person's drag through an X server: the grouping window on the xcb platform, the mouse moved
// and pressed by xdotool, the game dropped on another family's list. ctest runs it on a virtual
// display in the desktop label; elsewhere it skips.

#include "TempDir.h"
#include "UiTestKit.h"
#include "app/Session.h"
#include "ui/grouping/GroupListView.h"
#include "ui/grouping/GroupingWindow.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace corvane;

class GroupingDragUnderX : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    if (!test::CanSendRealInput())
      QSKIP("needs an X display and xdotool");
  }

  void DragMovesTheGameWithTheLeftButtonOnly_data()
  {
    QTest::addColumn<QString>("button"); // xdotool's number: 1 left, 3 right
    QTest::addColumn<QStringList>("cap_after");
    QTest::addColumn<QStringList>("souledge_after");
    QTest::newRow("left") << "1" << QStringList{"sfex", "sfex2"}
                          << QStringList{"souledge", "sfexa"};
    QTest::newRow("right") << "3" << QStringList{"sfex", "sfexa", "sfex2"}
                           << QStringList{"souledge"};
  }

  void DragMovesTheGameWithTheLeftButtonOnly()
  {
    QFETCH(QString, button);
    QFETCH(QStringList, cap_after);
    QFETCH(QStringList, souledge_after);
    test::TempDir temp;
    temp.Write("ctrlr/cap.lst", "sfex\r\nsfexa\r\nsfex2\r\n");
    temp.Write("ctrlr/souledge.lst", "souledge\r\n");
    Session session;
    session.dir = temp.Dir();
    GroupingWindow window(session);
    window.ShowReloaded();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.move(40, 40);
    QTRY_COMPARE(window.geometry().topLeft(), QPoint(40, 40));

    auto* source = window.findChild<GroupListView*>("lstCap");
    auto* target = window.findChild<GroupListView*>("lstSoulEdge");
    const QPoint from =
        source->viewport()->mapToGlobal(source->visualRect(source->model()->index(1, 0)).center());
    const QPoint to = target->viewport()->mapToGlobal(QPoint(50, 200));
    // A hand's pace: a press, then small steps, so that the drag starts and follows.
    QStringList steps{"mousemove",
                      QString::number(from.x()),
                      QString::number(from.y()),
                      "sleep",
                      "0.3",
                      "mousedown",
                      button,
                      "sleep",
                      "0.3"};
    for (int step = 1; step <= 10; ++step)
    {
      const QPoint at = from + (to - from) * step / 10;
      steps << "mousemove" << QString::number(at.x()) << QString::number(at.y()) << "sleep"
            << "0.1";
    }
    steps << "sleep"
          << "0.3"
          << "mouseup" << button;
    QProcess xdotool;
    xdotool.start("xdotool", steps);
    // The drag runs its own event loop inside these waits, as it does for the user.
    QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 30000);
    QCOMPARE(xdotool.exitCode(), 0);
    QTRY_COMPARE(Shown(source), cap_after);
    QTRY_COMPARE(Shown(target), souledge_after);
  }

private:
  static QStringList Shown(const GroupListView* list)
  {
    QStringList entries;
    for (int row = 0; row < list->model()->rowCount(); ++row)
      entries << list->model()->index(row, 0).data().toString();
    return entries;
  }
};

QTEST_MAIN(GroupingDragUnderX)
#include "GroupingDragUnderX.moc"
