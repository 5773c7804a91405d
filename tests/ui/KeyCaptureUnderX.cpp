// Real key presses through an X server: a binding button, a key sent by xdotool to the
// key-capture dialog, Save, and the controller file read back. ctest runs it under xvfb-run on
// the xcb platform; elsewhere it skips.

#include "UiTestKit.h"
#include "controls/IniStore.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

namespace corvane
{
namespace
{

constexpr int CAPCOM_PAGE = 1;

// Runs xdotool to its end; true when it succeeded.
bool RunTool(const QString& program, const QStringList& arguments)
{
  QProcess tool;
  tool.start(program, arguments);
  // The window keeps taking events while the tool runs: focus and keys arrive as they would.
  if (!QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 10000))
    return false;
  return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

class KeyCaptureUnderX : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    if (QGuiApplication::platformName() != "xcb" ||
        QStandardPaths::findExecutable("xdotool").isEmpty())
      QSKIP("needs an X display and xdotool");
  }

  void cleanup()
  {
    RunTool("setxkbmap", {"us"});
    if (m_num_lock_on)
      RunTool("xdotool", {"key", "Num_Lock"});
    m_num_lock_on = false;
  }

  void SavedFileHoldsTheKeyPressed_data()
  {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("key");    // xdotool's key name, after "Num_Lock " to turn it on
    QTest::addColumn<QString>("button"); // a Capcom button, for player 1 or 2
    QTest::addColumn<bool>("player2");
    QTest::addColumn<QString>("file_key");
    QTest::addColumn<QString>("token");
    const struct
    {
      const char* row;
      const char* layout;
      const char* key;
      const char* button;
      bool player2;
      const char* file_key;
      const char* token;
    } rows[] = {
        // Keys whose captured names the scan codes know by another name.
        {"Page Up", "us", "Prior", "CapPunch1", false, "btn1", "kC9"},
        {"Page Down", "us", "Next", "CapPunch2", false, "btn2", "kD1"},
        {"Insert", "us", "Insert", "CapPunch3", false, "btn3", "kD2"},
        {"Delete", "us", "Delete", "CapKick1", false, "btn4", "kD3"},
        {"Print Screen", "us", "Print", "CapKick2", false, "btn5", "kB7"},
        {"comma", "us", "comma", "CapKick3", false, "btn6", "k33"},
        {"back quote", "us", "grave", "CapPunch1", true, "btn1", "k29"},
        // Keys the US layout lacks: the key in their place, or no key; never the digit 0 (k0B).
        {"o umlaut, German", "de", "odiaeresis", "CapPunch2", true, "btn2", "k27"},
        {"o umlaut, on no key of the layout", "us", "odiaeresis", "CapKick1", true, "btn4", "k"},
        // Keys that share a key code with their pair: the scan code of the key pressed.
        // xdotool sends a modifier's name as the modifier's first key, the left one: the right
        // ones go by their key codes.
        {"right Ctrl", "us", "105", "CapPunch1", false, "btn1", "k9D"},
        {"right Shift", "us", "62", "CapPunch2", false, "btn2", "k36"},
        {"right Alt", "us", "108", "CapPunch3", false, "btn3", "kB8"},
        {"keypad Enter", "us", "KP_Enter", "CapKick1", false, "btn4", "k9C"},
        {"keypad 8, Num Lock off", "us", "KP_Up", "CapKick2", false, "btn5", "k48"},
        {"keypad 8, Num Lock on", "us", "Num_Lock KP_Up", "CapKick3", false, "btn6", "k48"},
        // A modifier alone binds on its release; with F4 it is the dialog's way out instead.
        {"left Alt alone", "us", "alt", "CapPunch3", true, "btn3", "k38"},
        {"Alt+F4 closes, binding nothing", "us", "alt+F4", "CapKick3", true, "btn6", ""},
    };
    for (const auto& r : rows)
      QTest::newRow(r.row) << QString(r.layout) << QString(r.key) << QString(r.button) << r.player2
                           << QString(r.file_key) << QString(r.token);
  }

  void SavedFileHoldsTheKeyPressed()
  {
    QFETCH(QString, layout);
    QFETCH(QString, key);
    QFETCH(QString, button);
    QFETCH(bool, player2);
    QFETCH(QString, file_key);
    QFETCH(QString, token);
    if (!RunTool("setxkbmap", {layout}))
      QSKIP("cannot set the keyboard layout");
    test::EmulatorFolder folder;
    test::MessageLog messages;
    MainWindow window(folder.session);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Num Lock goes on while the main window has the focus, before the dialog opens.
    QStringList keys = key.split(' ');
    if (keys.size() > 1)
    {
      QVERIFY(RunTool("xdotool", {"key", keys.takeFirst()}));
      m_num_lock_on = true;
    }
    window.findChild<QRadioButton*>(player2 ? "optP2" : "optP1")->click();
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(CAPCOM_PAGE).center());
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Bare Xvfb has no window manager to give the new window the focus.
    const QString id = QString::number(dialog->winId());
    QVERIFY(RunTool("xdotool", {"windowfocus", "--sync", id, "key", keys.front()}));
    QTRY_VERIFY(!dialog);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    const std::string saved = ReadIniValue(folder.File("ctrlr/capcfg.ini"),
                                           player2 ? "player2" : "player1", file_key.toStdString());
    QCOMPARE(QString::fromStdString(saved), token);
  }

private:
  bool m_num_lock_on = false;
};

} // namespace corvane

QTEST_MAIN(corvane::KeyCaptureUnderX)
#include "KeyCaptureUnderX.moc"
