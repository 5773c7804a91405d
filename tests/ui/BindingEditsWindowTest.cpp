// The ways out of a clash in the key dialog, resets and copies from the binding pages, the live
// key test, and undo in the Own Keys window: each change asked and named first, each one step.

#include "UiTestKit.h"
#include "ui/access/Announcer.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/ownkeys/OwnKeysWindow.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/TabStrip.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace corvane
{
namespace
{

const int CAPCOM = PageOf(GroupId::Cap);

// Start 1 on "1", Low Punch of Player 1 on "Q"; Medium Punch of Player 1 on "W" as Start 2,
// so that a copy to Player 2 clashes with Start 2 there too.
Session& WithKeys(test::EmulatorFolder& folder)
{
  folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n[player2]\r\nstart=k11\r\n");
  folder.WriteFile("ctrlr/capcfg.ini", "[player1]\r\nbtn1=k10\r\nbtn2=k11\r\n");
  return folder.session;
}

// The main window over those keys, questions answered Yes unless told.
struct KeysWindow
{
  test::MessageLog log;
  test::EmulatorFolder folder;
  MainWindow window{WithKeys(folder)};
};

void Undo(QWidget& window)
{
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Z));
}

void ShowPage(MainWindow& window, int page)
{
  auto* tabs = window.findChild<TabStrip*>("TabStrip1");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
}

// The entry of a page's Reset/Copy menu that begins with `text`.
QAction* MenuEntry(MainWindow& window, int page, const QString& text)
{
  auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuEdits%1").arg(page));
  for (QAction* action : menu->actions())
    if (action->text().startsWith(text))
      return action;
  return nullptr;
}

} // namespace

class BindingEditsWindowTest : public QObject
{
  Q_OBJECT

private slots:
  void ClashWaysKeepTheKeyAndAreOneStep_data()
  {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("start_after");
    QTest::newRow("swap: Start 1 takes Low Punch's old Q") << "cmdSwap"
                                                           << "k10";
    QTest::newRow("unbind the other: Start 1 has no key") << "cmdUnbindOther"
                                                          << "";
  }

  void ClashWaysKeepTheKeyAndAreOneStep()
  {
    QFETCH(QString, way);
    QFETCH(QString, start_after);
    KeysWindow shown;
    auto& [log, folder, window] = shown;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ShowPage(window, CAPCOM);
    window.findChild<QPushButton*>("CapPunch1")->click();
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QVERIFY(!dialog->findChild<QPushButton*>("cmdSwap")); // none before a clash
    QTest::keyClick(dialog, Qt::Key_1);
    QVERIFY(dialog->findChild<QPushButton*>(way)->isVisible());
    QTest::mouseClick(dialog->findChild<QPushButton*>(way), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QCOMPARE(folder.session.bindings.Get("cappunch1p1"), std::string("k02"));
    QCOMPARE(QString::fromStdString(folder.session.bindings.Get("start1")), start_after);
    QVERIFY(!window.findChild<BindingButton*>("CapPunch1")->Look().clash);

    Undo(window);
    QCOMPARE(folder.session.bindings.Get("cappunch1p1"), std::string("k10"));
    QCOMPARE(folder.session.bindings.Get("start1"), std::string("k02"));
  }

  void ResetsAndCopiesAskTheirScopeAndAreOneStepEach_data()
  {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("entry"); // a menu entry, or empty for Low Punch's own reset
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("changed"); // slot=token after the change
    QTest::newRow("one input") << CAPCOM << QString() << true
                               << "Reset Low Punch of Player 1 to no key"
                               << QStringList{"cappunch1p1=", "start1=k02"};
    QTest::newRow("one input, refused")
        << CAPCOM << QString() << false << "Reset Low Punch of Player 1"
        << QStringList{"cappunch1p1=k10"};
    QTest::newRow("one family") << CAPCOM << "Reset This Page" << true
                                << "Reset every key of the Capcom 6 Button page, both players"
                                << QStringList{"cappunch1p1=", "start1=k02", "start2=k11"};
    QTest::newRow("every key") << GENERAL_PAGE << "Reset Every Key" << true
                               << "Reset every key of every page"
                               << QStringList{"cappunch1p1=", "start1=", "start2="};
    QTest::newRow("copy with the clash it makes")
        << CAPCOM << "Copy Player 1's" << true << "This copy makes keys clash:"
        << QStringList{"cappunch1p2=k10", "cappunch2p2=k11", "cappunch1p1=k10"};
  }

  void ResetsAndCopiesAskTheirScopeAndAreOneStepEach()
  {
    QFETCH(int, page);
    QFETCH(QString, entry);
    QFETCH(bool, answer);
    QFETCH(QString, asked);
    QFETCH(QStringList, changed);
    KeysWindow shown;
    auto& [log, folder, window] = shown;
    log.answer = answer;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ShowPage(window, page);
    const BindingTable before = folder.session.bindings;
    if (entry.isEmpty())
      emit window.findChild<BindingButton*>("CapPunch1")->ResetRequested();
    else
      MenuEntry(window, page, entry)->trigger();
    QCOMPARE(log.questions.size(), size_t(1));
    QVERIFY2(QString::fromStdString(log.questions.front()).contains(asked),
             log.questions.front().c_str());
    for (const QString& slot_token : changed)
    {
      const QStringList parts = slot_token.split('=');
      QCOMPARE(QString::fromStdString(folder.session.bindings.Get(parts[0].toStdString())),
               parts[1]);
    }
    Undo(window);
    QVERIFY(folder.session.bindings == before);
    QCOMPARE(window.HasUnsavedChanges(), false);
  }

  void KeyTestLightsWhatAKeyDrivesAndChangesNothing()
  {
    KeysWindow shown;
    auto& [log, folder, window] = shown;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const BindingTable before = folder.session.bindings;
    auto* test_keys = window.findChild<QPushButton*>("cmdKeyTest0");
    QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier); // its mnemonic
    QTRY_VERIFY(test_keys->isChecked());
    QVERIFY(
        window.findChild<QPushButton*>(QStringLiteral("cmdKeyTest%1").arg(CAPCOM))->isChecked());

    auto* start1 = window.findChild<BindingButton*>("cmdStart1");
    QTest::keyClick(&window, Qt::Key_1);
    QVERIFY(start1->Lit());
    QVERIFY(!window.findChild<BindingButton*>("CmdStart2")->Lit());
    QCOMPARE(LastAnnouncement(&window), QString("1 drives Start 1 (General) for Player 1."));
    QTest::keyClick(&window, Qt::Key_Q);
    QVERIFY(!start1->Lit());
    QVERIFY(window.findChild<BindingButton*>("CapPunch1")->Lit());
    QTest::keyClick(&window, Qt::Key_M);
    QVERIFY(LastAnnouncement(&window).contains("drives nothing for Player 1"));
    // No key does what it would: Delete clears no binding, Ctrl+Z undoes nothing.
    start1->setFocus();
    QTest::keyClick(start1, Qt::Key_Delete);
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(test_keys->isChecked());

    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!test_keys->isChecked());
    QVERIFY(!window.findChild<BindingButton*>("CapPunch1")->Lit());
    QVERIFY(folder.session.bindings == before);
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(window.isVisible()); // Escape ended the test, not the window
  }

  void OwnKeysUndoTakesBackAKeyAndAWholeWalk()
  {
    test::MessageLog log;
    test::EmulatorFolder folder;
    WithKeys(folder);
    folder.PutSfexInCapcom();
    OwnKeysWindow own(folder.session, 0, GroupId::Cap);
    own.show();
    QVERIFY(QTest::qWaitForWindowActive(&own));
    auto* punch = own.findChild<BindingButton*>("CapPunch1");
    punch->click();
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QTest::keyClick(dialog, Qt::Key_Z);
    QTRY_VERIFY(!dialog);
    QVERIFY(own.HasUnsavedChanges());
    Undo(own);
    QVERIFY(!own.HasUnsavedChanges());
    QVERIFY(punch->Look().inherited);
    QTest::keySequence(&own, QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(punch->Look().key_label, QString("Z"));

    // Bind All: two keys taken, then Stop; one step takes both back.
    own.findChild<QPushButton*>("cmdBindAll")->click();
    dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_A);
    QTest::keyClick(dialog, Qt::Key_B);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    Undo(own);
    QCOMPARE(punch->Look().key_label, QString("Z"));
    QVERIFY(own.HasUnsavedChanges());
    own.findChild<QPushButton*>("cmdCancel")->click();
  }
};

} // namespace corvane

QTEST_MAIN(corvane::BindingEditsWindowTest)
#include "BindingEditsWindowTest.moc"
