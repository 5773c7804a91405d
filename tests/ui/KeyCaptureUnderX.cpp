// Real key presses through an X server, under the keyboard layouts whose keys differ: a binding
// button, a key sent by xdotool to the key-capture dialog, Save, and the controller file read
// back, with the key's name on its button. ctest runs it under xvfb-run on the xcb platform;
// elsewhere it skips.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "controls/IniStore.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/TabStrip.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

#include <array>

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

// A 105-key keyboard, so that the ISO key left of Z (X key code 94) has a place.
bool SetLayout(const QString& layout)
{
  return RunTool("setxkbmap", {"-model", "pc105", layout});
}

struct Press
{
  const char* row;
  const char* layout;
  const char* key; // xdotool's key name or X key code, after "Num_Lock " to turn it on
  const char* button;
  bool player2;
  const char* file_key;
  const char* token;
  const char* label = ""; // on the button afterwards; empty: not checked
  const char* name = "";  // in the key dialog's name line; empty: not checked
};

const Press PRESSES[] = {
    // Keys whose captured names the scan codes know by another name.
    {"Page Up", "us", "Prior", "CapPunch1", false, "btn1", "kC9", "PgUp", "PAGE UP"},
    {"Page Down", "us", "Next", "CapPunch2", false, "btn2", "kD1", "PgDn"},
    {"Insert", "us", "Insert", "CapPunch3", false, "btn3", "kD2"},
    {"Delete", "us", "Delete", "CapKick1", false, "btn4", "kD3"},
    {"Print Screen", "us", "Print", "CapKick2", false, "btn5", "kB7", "PrtSc"},
    {"comma", "us", "comma", "CapKick3", false, "btn6", "k33", "Comma", ","},
    {"back quote", "us", "grave", "CapPunch1", true, "btn1", "k29"},
    // Keys that share a key code with their pair: the scan code of the key pressed.
    // xdotool sends a modifier's name as the modifier's first key, the left one: the right
    // ones go by their key codes.
    {"right Ctrl", "us", "105", "CapPunch1", false, "btn1", "k9D", "R Ctrl"},
    {"right Shift", "us", "62", "CapPunch2", false, "btn2", "k36", "R Shift", "RSHIFT"},
    {"right Alt", "us", "108", "CapPunch3", false, "btn3", "kB8"},
    {"keypad Enter", "us", "KP_Enter", "CapKick1", false, "btn4", "k9C", "Num Ent"},
    {"keypad 8, Num Lock off", "us", "KP_Up", "CapKick2", false, "btn5", "k48"},
    {"keypad 8, Num Lock on", "us", "Num_Lock KP_Up", "CapKick3", false, "btn6", "k48"},
    // A modifier alone binds on its release; with F4 it is the dialog's way out instead.
    {"left Alt alone", "us", "alt", "CapPunch3", true, "btn3", "k38"},
    {"Alt+F4 closes, binding nothing", "us", "alt+F4", "CapKick3", true, "btn6", ""},
    // Keys whose characters differ between layouts: the key pressed, named as the layout
    // names it.
    {"German o umlaut", "de", "odiaeresis", "CapPunch2", true, "btn2", "k27", "\xC3\x96",
     "\xC3\x96"},
    {"German #", "de", "numbersign", "CapPunch1", false, "btn1", "k2B", "#"},
    {"German ISO key", "de", "less", "CapPunch1", false, "btn1", "k56", "<"},
    {"German Z", "de", "z", "CapPunch1", false, "btn1", "k15", "Z", "Z"},
    {"German Y", "de", "y", "CapPunch1", false, "btn1", "k2C", "Y"},
    {"German sharp s", "de", "ssharp", "CapPunch1", false, "btn1", "k0C", "\xC3\x9F"},
    {"French A", "fr", "a", "CapPunch1", false, "btn1", "k10", "A", "A"},
    {"French Q", "fr", "q", "CapPunch1", false, "btn1", "k1E", "Q"},
    {"French M", "fr", "m", "CapPunch1", false, "btn1", "k27", "M"},
    {"French &", "fr", "ampersand", "CapPunch1", false, "btn1", "k02", "&"},
    {"French ISO key", "fr", "94", "CapPunch1", false, "btn1", "k56", "<"},
    {"Japanese Ro", "jp", "97", "CapPunch1", false, "btn1", "k73", "\\"},
    {"Japanese Yen", "jp", "132", "CapPunch1", false, "btn1", "k7D", "\\"},
    {"Japanese Henkan", "jp", "Henkan_Mode", "CapPunch1", false, "btn1", "k79", "Conv"},
    {"Japanese Zenkaku/Hankaku", "jp", "Zenkaku_Hankaku", "CapPunch1", false, "btn1", "k29"},
    {"Japanese @", "jp", "at", "CapPunch1", false, "btn1", "k1A", "@"},
    {"US ISO key", "us", "94", "CapPunch1", false, "btn1", "k56", "<"},
    // Keys with a scan code but no key code the key tables name, by their X key codes.
    {"Scroll Lock", "us", "78", "CapPunch1", false, "btn1", "k46", "ScrLk"},
    {"left Windows", "us", "133", "CapPunch1", false, "btn1", "kDB", "L Win"},
    {"right Windows", "us", "134", "CapPunch1", false, "btn1", "kDC", "R Win"},
    {"Menu", "us", "135", "CapPunch1", false, "btn1", "kDD", "Menu"},
    {"Katakana/Hiragana", "jp", "101", "CapPunch1", false, "btn1", "k70", "Kana"},
    {"Muhenkan", "jp", "102", "CapPunch1", false, "btn1", "k7B", "NoConv"},
    {"Zenkaku/Hankaku of Linux", "us", "93", "CapPunch1", false, "btn1", "k94", "Kanji"},
    {"Brazilian keypad .", "us", "129", "CapPunch1", false, "btn1", "k7E"},
    {"keypad =", "us", "125", "CapPunch1", false, "btn1", "k8D", "Num ="},
    {"Japanese keypad ,", "us", "103", "CapPunch1", false, "btn1", "kB3", "Num ,"},
    {"Volume Up", "us", "123", "CapPunch1", false, "btn1", "kB0", "Vol +", "VOLUMEUP"},
    {"Volume Down", "us", "122", "CapPunch1", false, "btn1", "kAE"},
    {"Mute", "us", "121", "CapPunch1", false, "btn1", "kA0"},
    {"Play/Pause", "us", "172", "CapPunch1", false, "btn1", "kA2"},
    {"media Stop", "us", "174", "CapPunch1", false, "btn1", "kA4"},
    {"Next Track", "us", "171", "CapPunch1", false, "btn1", "k99"},
    {"Previous Track", "us", "173", "CapPunch1", false, "btn1", "k90"},
    {"Calculator", "us", "148", "CapPunch1", false, "btn1", "kA1"},
    {"Mail", "us", "163", "CapPunch1", false, "btn1", "kEC"},
    {"My Computer", "us", "165", "CapPunch1", false, "btn1", "kEB"},
    {"Media Select", "us", "234", "CapPunch1", false, "btn1", "kED"},
    {"browser Home", "us", "180", "CapPunch1", false, "btn1", "kB2"},
    {"browser Search", "us", "225", "CapPunch1", false, "btn1", "kE5"},
    {"browser Favourites", "us", "164", "CapPunch1", false, "btn1", "kE6"},
    {"browser Refresh", "us", "181", "CapPunch1", false, "btn1", "kE7"},
    {"browser Stop", "us", "136", "CapPunch1", false, "btn1", "kE8"},
    {"browser Forward", "us", "167", "CapPunch1", false, "btn1", "kE9"},
    {"browser Back", "us", "166", "CapPunch1", false, "btn1", "kEA"},
    {"Power", "us", "124", "CapPunch1", false, "btn1", "kDE"},
    {"Sleep", "us", "150", "CapPunch1", false, "btn1", "kDF"},
    {"Wake", "us", "151", "CapPunch1", false, "btn1", "kE3"},
};

} // namespace

class KeyCaptureUnderX : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    if (!test::CanSendRealInput())
      QSKIP("needs an X display and xdotool");
  }

  void cleanup()
  {
    SetLayout("us");
    if (m_num_lock_on)
      RunTool("xdotool", {"key", "Num_Lock"});
    m_num_lock_on = false;
  }

  void SavedFileHoldsTheKeyPressed_data()
  {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("button"); // a Capcom button, for player 1 or 2
    QTest::addColumn<bool>("player2");
    QTest::addColumn<QString>("file_key");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    for (const Press& p : PRESSES)
      QTest::newRow(p.row) << QString(p.layout) << QString(p.key) << QString(p.button) << p.player2
                           << QString(p.file_key) << QString(p.token) << QString::fromUtf8(p.label)
                           << QString::fromUtf8(p.name);
  }

  void SavedFileHoldsTheKeyPressed()
  {
    QFETCH(QString, layout);
    QFETCH(QString, key);
    QFETCH(QString, button);
    QFETCH(bool, player2);
    QFETCH(QString, file_key);
    QFETCH(QString, token);
    QFETCH(QString, label);
    QFETCH(QString, name);
    if (!SetLayout(layout))
      QSKIP("cannot set the keyboard layout");
    test::EmulatorFolder folder;
    test::MessageLog messages;
    MainWindow window(folder.session);
    QPointer<KeyDialog> dialog = OpenAndPress(window, button, player2, key);
    QVERIFY(!m_failed);
    QTRY_VERIFY(!dialog);
    if (!label.isEmpty())
      QCOMPARE(window.findChild<BindingButton*>(button)->Look().key_label, label);
    if (!name.isEmpty())
      QCOMPARE(m_name_shown, name);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    const std::string saved = ReadIniValue(folder.File("ctrlr/capcfg.ini"),
                                           player2 ? "player2" : "player1", file_key.toStdString());
    QCOMPARE(QString::fromStdString(saved), token);
  }

  // Keys without a scan code the emulator reads: the dialog says so and waits; closed, it has
  // stored nothing.
  void KeyWithoutScanCodeIsRefused_data()
  {
    QTest::addColumn<QString>("key");
    QTest::newRow("F16") << "194";
    QTest::newRow("Help") << "146";
  }

  void KeyWithoutScanCodeIsRefused()
  {
    QFETCH(QString, key);
    test::EmulatorFolder folder;
    test::MessageLog messages;
    MainWindow window(folder.session);
    QPointer<KeyDialog> dialog = OpenAndPress(window, "CapPunch1", false, key);
    QVERIFY(!m_failed);
    QTest::qWait(200);
    QVERIFY(dialog);
    const auto* note = dialog->findChild<QLabel*>("lblClash");
    QTRY_COMPARE(note->text().toStdString(), std::string(Messages::KEY_CANNOT_BE_BOUND));
    QVERIFY(note->isVisible());
    dialog->close();
    QTRY_VERIFY(!dialog);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QCOMPARE(ReadIniValue(folder.File("ctrlr/capcfg.ini"), "player1", "btn1"), std::string());
  }

  // A layout switched while the window keeps the focus renames its keys at once.
  void NamesFollowALayoutSwitchInPlace_data()
  {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("keycode"); // X key code: the same key under both layouts
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // The key right of L, the key of Q, the key right of P: the same key under both layouts.
    const std::array<std::array<const char*, 6>, 4> switches = {{
        {"us to de", "us", "de", "47", ";", "\xC3\x96"},
        {"de to fr", "de", "fr", "24", "Q", "A"},
        {"fr to jp", "fr", "jp", "34", "^", "@"},
        {"jp to us", "jp", "us", "34", "@", "["},
    }};
    for (const auto& [row, from, to, keycode, before, after] : switches)
      QTest::newRow(row) << QString(from) << QString(to) << QString(keycode)
                         << QString::fromUtf8(before) << QString::fromUtf8(after);
  }

  void NamesFollowALayoutSwitchInPlace()
  {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, keycode);
    QFETCH(QString, before);
    QFETCH(QString, after);
    if (!SetLayout(from))
      QSKIP("cannot set the keyboard layout");
    test::EmulatorFolder folder;
    test::MessageLog messages;
    MainWindow window(folder.session);
    QPointer<KeyDialog> dialog = OpenAndPress(window, "CapPunch1", false, keycode);
    QVERIFY(!m_failed);
    QTRY_VERIFY(!dialog);
    const auto* button = window.findChild<BindingButton*>("CapPunch1");
    QVERIFY(RunTool("xdotool", {"windowfocus", "--sync", QString::number(window.winId())}));
    QTRY_VERIFY(window.isActiveWindow());
    QCOMPARE(button->Look().key_label, before);
    QVERIFY(SetLayout(to));
    QTRY_COMPARE(button->Look().key_label, after);
    QVERIFY(window.isActiveWindow()); // renamed without losing the focus
  }

private:
  // Shows the window, opens the key dialog from a Capcom button and sends the key through the
  // X server; m_failed when a step did not happen.
  QPointer<KeyDialog> OpenAndPress(MainWindow& window, const QString& button, bool player2,
                                   const QString& key)
  {
    m_failed = true;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
      return nullptr;
    // Num Lock goes on while the main window has the focus, before the dialog opens.
    QStringList keys = key.split(' ');
    if (keys.size() > 1)
    {
      if (!RunTool("xdotool", {"key", keys.takeFirst()}))
        return nullptr;
      m_num_lock_on = true;
    }
    window.findChild<QRadioButton*>(player2 ? "optP2" : "optP1")->click();
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(CAPCOM_PAGE).center());
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    // Watched from before the key: the key closes and deletes it.
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    if (!dialog || !QTest::qWaitForWindowExposed(dialog))
      return nullptr;
    connect(dialog, &KeyDialog::KeyTaken, this,
            [this, dialog] { m_name_shown = dialog->findChild<QLabel*>("Label1")->text(); });
    // Bare Xvfb has no window manager to give the new window the focus.
    const QString id = QString::number(dialog->winId());
    if (!RunTool("xdotool", {"windowfocus", "--sync", id, "key", keys.front()}))
      return nullptr;
    m_failed = false;
    return dialog;
  }

  bool m_num_lock_on = false;
  bool m_failed = false;
  QString m_name_shown; // the dialog's name line when it took the key
};

} // namespace corvane

QTEST_MAIN(corvane::KeyCaptureUnderX)
#include "KeyCaptureUnderX.moc"
