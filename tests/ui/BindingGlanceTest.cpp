// The keys shown on the binding buttons, Clear, and the marks on inputs that share a key.

#include "UiTestKit.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"
#include "ui/widgets/TabStrip.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace corvane
{

class BindingGlanceTest : public QObject
{
  Q_OBJECT

private:
  static BindingButton* Button(MainWindow& window, const char* name)
  {
    return window.findChild<BindingButton*>(name);
  }

  static void ChoosePlayer(MainWindow& window, bool player2)
  {
    window.findChild<QRadioButton*>(player2 ? "optP2" : "optP1")->click();
  }

  // Turns to the button's page, clicks it and presses the key in the dialog it opens; a dialog
  // that stays open (the key clashes) is closed.
  static void Bind(MainWindow& window, const char* name, int page, Qt::Key key, bool close = false)
  {
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    QTest::mouseClick(Button(window, name), Qt::LeftButton);
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QTest::keyClick(dialog, key);
    if (close && dialog)
      dialog->close();
    QTRY_VERIFY(!dialog); // unloaded, so the next button loads it afresh
  }

private slots:
  void TakenKeyShowsForItsPlayerOnly()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    ChoosePlayer(window, true);
    Bind(window, "CapPunch1", 1, Qt::Key_Return);
    BindingButton* punch = Button(window, "CapPunch1");
    QCOMPARE(punch->Look().key_label, QString("Enter"));
    QCOMPARE(punch->accessibleName(), QString());
    QCOMPARE(punch->text(), QString("Low Punch"));
    QCOMPARE(punch->accessibleDescription(), QString("Player 2: Enter"));
    QCOMPARE(punch->toolTip(),
             QString("Player 1: not bound\nPlayer 2: Enter\nDelete or right-click to clear"));
    ChoosePlayer(window, false);
    QCOMPARE(punch->Look().key_label, QString());
    QCOMPARE(punch->accessibleDescription(), QString("Player 1: not bound"));
  }

  void ClearByMenuAndByDeleteSavesEmptyValues()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    MainWindow window(folder.session);
    window.show();
    Bind(window, "cmdStart1", 0, Qt::Key_1);
    Bind(window, "CapKick2", 1, Qt::Key_2);
    QCOMPARE(folder.session.bindings.Get("capkick2p1"), "k03");
    QTimer::singleShot(0,
                       []
                       {
                         auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                         // Clear, then the reset that asks first.
                         QVERIFY(menu && menu->actions().size() == 2);
                         QCOMPARE(menu->actions().front()->text(), QString("Clear"));
                         QCOMPARE(menu->actions().back()->text(),
                                  QString("Reset to the First-Run Key..."));
                         menu->actions().front()->trigger();
                         menu->close();
                       });
    QTest::keyClick(Button(window, "cmdStart1"), Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(folder.session.bindings.Get("start1"), "");
    Button(window, "CapKick2")->setFocus();
    QTest::keyClick(Button(window, "CapKick2"), Qt::Key_Delete);
    QCOMPARE(folder.session.bindings.Get("capkick2p1"), "");
    QCOMPARE(Button(window, "CapKick2")->Look().key_label, QString());
    window.findChild<QPushButton*>("cmdSave")->click();
    const std::string saved = folder.ReadFile("ctrlr/capcfg.ini");
    QVERIFY(saved.find("btn5=\r\n") != std::string::npos);
    QVERIFY(saved.find("start=\r\n") != std::string::npos);
  }

  void SharedKeysMarkBothButtons_data()
  {
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("first_page");
    QTest::addColumn<bool>("first_player2");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("second_page");
    QTest::addColumn<bool>("second_player2");
    QTest::addColumn<bool>("clash");
    QTest::newRow("General x Capcom")
        << "cmdStart1" << 0 << false << "CapPunch1" << 1 << false << true;
    QTest::newRow("Player 1 x Player 2")
        << "CapKick3" << 1 << false << "CapKick3" << 1 << true << true;
    QTest::newRow("two families never share a file")
        << "CapPunch1" << 1 << false << "cmdTLP" << 4 << false << false;
  }

  void SharedKeysMarkBothButtons()
  {
    QFETCH(QString, first);
    QFETCH(int, first_page);
    QFETCH(bool, first_player2);
    QFETCH(QString, second);
    QFETCH(int, second_page);
    QFETCH(bool, second_player2);
    QFETCH(bool, clash);
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    const QByteArray a_name = first.toLatin1();
    const QByteArray b_name = second.toLatin1();
    ChoosePlayer(window, first_player2);
    Bind(window, a_name, first_page, Qt::Key_A);
    ChoosePlayer(window, second_player2);
    Bind(window, b_name, second_page, Qt::Key_A, true);
    BindingButton* b = Button(window, b_name);
    QCOMPARE(b->Look().clash, clash);
    QCOMPARE(b->accessibleDescription().contains("Also "), clash);
    ChoosePlayer(window, first_player2);
    BindingButton* a = Button(window, a_name);
    QCOMPARE(a->Look().clash, clash);
    ChoosePlayer(window, second_player2);
    QTest::keyClick(b, Qt::Key_Backspace);
    QVERIFY(!b->Look().clash);
    ChoosePlayer(window, first_player2);
    QVERIFY(!a->Look().clash);
  }

  void DialogNamesTheClashAndStaysOpen()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    Bind(window, "cmdCoin2", 0, Qt::Key_A);
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QTest::mouseClick(Button(window, "tbuta"), Qt::LeftButton);
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_A);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>("lblClash")->text(),
             QString("\u26A0 Also Coin 2, General"));
    QTest::keyClick(dialog, Qt::Key_B); // another key, alone: taken, and the dialog goes
    QCOMPARE(folder.session.bindings.Get("tbutap1"), "k30");
    QTRY_VERIFY(!dialog);
  }
};

} // namespace corvane

QTEST_MAIN(corvane::BindingGlanceTest)
#include "BindingGlanceTest.moc"
