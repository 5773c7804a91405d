// The binding buttons and the key-capture dialog, driven by object name as a user would.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace corvane
{
namespace
{

struct ExpectedButton
{
  const char* name;
  const char* caption;
  int page;
  const char* slot_p1;
  const char* slot_p2;
};

// Written out independently of the window's own table, so that a slip in either shows.
const ExpectedButton BUTTONS[] = {
    {"UP", "Up", 0, "upp1", "upp2"},
    {"Down", "Down", 0, "downp1", "downp2"},
    {"Left", "Left", 0, "leftp1", "leftp2"},
    {"Right", "Right", 0, "rightp1", "rightp2"},
    {"cmdStart1", "Start 1", 0, "start1", "start1"},
    {"CmdStart2", "Start 2", 0, "start2", "start2"},
    {"CmdCoin1", "Coin 1", 0, "coin1", "coin1"},
    {"cmdCoin2", "Coin 2", 0, "coin2", "coin2"},
    {"cmdTest", "Test", 0, "test", "test"},
    {"cmdService", "Service Mode", 0, "service", "service"},
    {"CapPunch1", "Low Punch", 1, "cappunch1p1", "cappunch1p2"},
    {"CapPunch2", "Medium Punch", 1, "cappunch2p1", "cappunch2p2"},
    {"CapPunch3", "Fierce Punch", 1, "cappunch3p1", "cappunch3p2"},
    {"CapKick1", "Low Kick", 1, "capkick1p1", "capkick1p2"},
    {"CapKick2", "Medium Kick", 1, "capkick2p1", "capkick2p2"},
    {"CapKick3", "Fierce Kick", 1, "capkick3p1", "capkick3p2"},
    {"tbuta", "A", 2, "tbutap1", "tbutap2"},
    {"tbutb", "B", 2, "tbutbp1", "tbutbp2"},
    {"tbutc", "C", 2, "tbutcp1", "tbutcp2"},
    {"cmdqma1", "1", 3, "qma1p1", "qma1p2"},
    {"cmdqma2", "2", 3, "qma2p1", "qma2p2"},
    {"cmdqma3", "3", 3, "qma3p1", "qma3p2"},
    {"cmdqma4", "4", 3, "qma4p1", "qma4p2"},
    {"cmdTLP", "Left Punch", 4, "tekkenleftpunchp1", "tekkenleftpunchp2"},
    {"cmdTRP", "Right Punch", 4, "tekkenrightpunchp1", "tekkenrightpunchp2"},
    {"cmdTLK", "Left Kick", 4, "tekkenleftkickp1", "tekkenleftkickp2"},
    {"cmdTRK", "Right Kick", 4, "tekkenrightkickp1", "tekkenrightkickp2"},
    {"SEAttackHor", "Attack (Horizontal) / Low Attack", 5, "seattackhorp1", "seattackhorp2"},
    {"SEAttackVert", "Attack (Vertical) / High Attack", 5, "seattackvertp1", "seattackvertp2"},
    {"SEKick", "Kick / Beast", 5, "sekickp1", "sekickp2"},
    {"SEGuard", "Guard", 5, "seguardp1", "seguardp2"},
};

std::vector<std::string> Values(const BindingTable& table)
{
  std::vector<std::string> values;
  for (std::string_view slot : BindingTable::SlotKeys())
    values.push_back(table.Get(slot));
  return values;
}

} // namespace

class MainWindowBindingTest : public QObject
{
  Q_OBJECT

private:
  // Chooses the player, turns to the button's page and clicks it; the dialog it opened.
  KeyDialog* ClickBinding(MainWindow& window, const char* name, int page, bool player2)
  {
    window.findChild<QRadioButton*>(player2 ? "optP2" : "optP1")->click();
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    auto* button = window.findChild<QPushButton*>(name);
    if (!button || !button->isVisible())
      return nullptr;
    QTest::mouseClick(button, Qt::LeftButton);
    return test::OpenKeyDialog();
  }

  // Opens the dialog for a slot through its button and presses one key.
  void Bind(MainWindow& window, const char* name, int page, bool player2, Qt::Key key)
  {
    KeyDialog* dialog = ClickBinding(window, name, page, player2);
    QVERIFY(dialog);
    QTest::keyClick(dialog, key);
  }

private slots:
  void EveryButtonBindsItsSlotForEachPlayer()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    BindingTable& table = folder.session.bindings;
    for (const ExpectedButton& expected : BUTTONS)
      for (const bool player2 : {false, true})
      {
        const std::string slot = player2 ? expected.slot_p2 : expected.slot_p1;
        for (const std::string_view other : BindingTable::SlotKeys())
          table.Set(other, ""); // no earlier "A" to clash with, which keeps the dialog open
        table.Set(slot, "k30"); // shown when the dialog opens: "B" above "k30"
        std::vector<std::string> want = Values(table);
        QPointer<KeyDialog> dialog = ClickBinding(window, expected.name, expected.page, player2);
        QVERIFY2(dialog, expected.name);
        QCOMPARE(window.findChild<QPushButton*>(expected.name)->text(), expected.caption);
        QCOMPARE(table.CurrentSlotKey, slot);
        QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(), QString("k30"));
        QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString("B"));
        QTest::keyClick(dialog, Qt::Key_A);
        want[std::find(BindingTable::SlotKeys().begin(), BindingTable::SlotKeys().end(), slot) -
             BindingTable::SlotKeys().begin()] = "k1E";
        QCOMPARE(Values(table), want); // that slot and no other
        QTRY_VERIFY(!dialog);          // unloaded after the key
      }
  }

  void KeysStoreTheirTokens_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("token");
    QTest::newRow("Page Up takes the scan code of PRIOR") << int(Qt::Key_PageUp) << "kC9";
    QTest::newRow("Shift binds on its release") << int(Qt::Key_Shift) << "k2A";
    QTest::newRow("Alt binds on its release") << int(Qt::Key_Alt) << "k38";
    QTest::newRow("Escape is an ordinary key") << int(Qt::Key_Escape) << "k01";
    QTest::newRow("Tab stays in the dialog") << int(Qt::Key_Tab) << "k0F";
    QTest::newRow("Return") << int(Qt::Key_Return) << "k1C";
    // An event without a scan code, named by its key code: Scroll Lock has no name there, and a
    // key without a name is refused, never stored as a bare "k".
    QTest::newRow("Scroll Lock without its scan code") << int(Qt::Key_ScrollLock) << "";
  }

  void KeysStoreTheirTokens()
  {
    QFETCH(int, key);
    QFETCH(QString, token);
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    Bind(window, "CapPunch1", 1, true, Qt::Key(key));
    QCOMPARE(QString::fromStdString(folder.session.bindings.Get("cappunch1p2")), token);
    if (token.isEmpty())
    {
      QPointer<KeyDialog> waiting = test::OpenKeyDialog(); // refused: waits for another key
      QVERIFY(waiting);
      waiting->close();
    }
    QTRY_VERIFY(!test::OpenKeyDialog());
  }

  void SecondButtonRetargetsTheOpenDialog()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    folder.session.bindings.Set("capkick1p1", "k2A");
    QPointer<KeyDialog> dialog = ClickBinding(window, "CapKick1", 1, false);
    QVERIFY(dialog);
    const auto shown = [&dialog](const char* label)
    { return dialog->findChild<QLabel*>(label)->text(); };
    QCOMPARE(shown("lblTarget"), QString("Low Kick - Player 1"));
    QCOMPARE(shown("Label1"), QString("LSHIFT"));
    // Each button clicked while the dialog is open turns it to its own slot, key and name.
    QCOMPARE(ClickBinding(window, "CmdStart2", 0, true), dialog.data());
    QCOMPARE(shown("lblTarget"), QString("Start 2 - shared"));
    QCOMPARE(ClickBinding(window, "tbutb", 2, true), dialog.data());
    QCOMPARE(shown("lblTarget"), QString("B - Player 2"));
    QCOMPARE(shown("Label1"), QString("Press a key"));
    QCOMPARE(shown("Label2"), QString());
    QTest::keyClick(dialog, Qt::Key_Z);
    QCOMPARE(folder.session.bindings.Get("tbutbp2"), "k2C");
    QCOMPARE(folder.session.bindings.Get("capkick1p1"), "k2A");
  }

  void WaysOutKeepTheKey_data()
  {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("after_clash");
    for (const char* way : {"close box", "Close button", "Alt+F4"})
      for (const bool clash : {false, true})
        QTest::addRow("%s%s", way, clash ? " after a clash" : "") << QString(way) << clash;
  }

  // The dialog is left without binding by mouse (Close, the close box) and by keyboard
  // (Alt+F4), before a key and after a key that clashes.
  void WaysOutKeepTheKey()
  {
    QFETCH(QString, way);
    QFETCH(bool, after_clash);
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    folder.session.bindings.Set("start1", "k02");
    folder.session.bindings.Set("capkick3p1", "k03");
    QPointer<KeyDialog> dialog = ClickBinding(window, "CapKick3", 1, false);
    QVERIFY(dialog);
    const auto* hint = dialog->findChild<QLabel*>("lblHint");
    QCOMPARE(hint->text(), QString::fromStdString(std::string(Messages::KEYS_HINT)));
    std::string kept = "k03";
    if (after_clash)
    {
      QTest::keyClick(dialog, Qt::Key_1); // Start 1 has it: the dialog stays open
      QVERIFY(dialog && dialog->isVisible());
      QCOMPARE(hint->text(), QString::fromStdString(std::string(Messages::KEYS_CLASH_HINT)));
      kept = "k02";
    }
    if (way == "close box")
      dialog->close();
    else if (way == "Close button")
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    else
      QTest::keyClick(dialog, Qt::Key_F4, Qt::AltModifier);
    QTRY_VERIFY(!dialog);
    QCOMPARE(folder.session.bindings.Get("capkick3p1"), kept);
  }

  // What a keyboard and a screen reader need: the focus never leaves the dialog, the Close
  // button can be pressed through the accessibility layer, and the hint is a line of the dialog
  // (a screen reader reads the lines with the caption).
  void WayOutIsThereForEveryone()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    KeyDialog* dialog = ClickBinding(window, "UP", 0, false);
    QVERIFY(dialog);
    auto* close = dialog->findChild<QPushButton*>("cmdClose");
    QCOMPARE(close->text(), QString("Close"));
    QCOMPARE(close->focusPolicy(), Qt::NoFocus);
    QCOMPARE(dialog->findChild<QLabel*>("lblHint")->text(),
             QString::fromStdString(std::string(Messages::KEYS_HINT)));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(close);
    QVERIFY(button && button->actionInterface());
    QVERIFY(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QPointer<KeyDialog> watched = dialog;
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!watched);
    QCOMPARE(folder.session.bindings.Get("upp1"), "");
  }

  void EmptySlotAsksForAKey()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    KeyDialog* dialog = ClickBinding(window, "cmdqma4", 3, false);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Press The Key You Wish to Bind"));
    QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString("Press a key"));
    QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(), QString());
    QVERIFY(!dialog->isModal());
  }
};

} // namespace corvane

QTEST_MAIN(corvane::MainWindowBindingTest)
#include "MainWindowBindingTest.moc"
