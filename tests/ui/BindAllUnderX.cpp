// Bind All with real key presses through an X server: keys bind in turn, Alt+S skips and Alt+F4
// stops, each chord read as a command because its Alt is held, not bound. ctest runs it under
// xvfb-run on the xcb platform; elsewhere it skips.

#include "UiTestKit.h"
#include "ui/main/MainWindow.h"

#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace corvane
{

class BindAllUnderX : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    if (!test::CanSendRealInput())
      QSKIP("needs an X display and xdotool");
  }

  void KeysBindInTurnAltSSkipsAltF4Stops()
  {
    test::EmulatorFolder folder;
    folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\ndown=k13\r\n");
    MainWindow window(folder.session);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Tekken, Player 1: the walk begins with the directions.
    window.findChild<QPushButton*>("cmdBindAll4")->click();
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Bare Xvfb has no window manager to give the new window the focus.
    QProcess xdotool;
    xdotool.start("xdotool", {"windowfocus", "--sync", QString::number(dialog->winId()), "key",
                              "--delay", "100", "q", "alt+s", "w", "alt+F4"});
    QVERIFY(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000));
    QTRY_VERIFY(!dialog);
    const BindingTable& table = folder.session.bindings;
    QCOMPARE(table.Get("upp1"), "k10");
    QCOMPARE(table.Get("downp1"), "k13"); // skipped: its key stays
    QCOMPARE(table.Get("leftp1"), "k11");
    QCOMPARE(table.Get("rightp1"), ""); // stopped there: nothing bound, Alt neither
  }
};

} // namespace corvane

QTEST_MAIN(corvane::BindAllUnderX)
#include "BindAllUnderX.moc"
