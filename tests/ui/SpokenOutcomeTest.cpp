// What a screen reader is told when something happens, whatever route caused it, and the
// keyboard habits that make a window usable without a mouse: Enter on a button, a list with a
// current entry from the start.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "ui/access/Announcer.h"
#include "ui/grouping/GroupListView.h"
#include "ui/grouping/GroupingWindow.h"
#include "ui/keys/KeyDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/ownkeys/OwnKeysWindow.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace corvane
{
namespace
{

bool ShowActive(QWidget& window)
{
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

} // namespace

class SpokenOutcomeTest : public QObject
{
  Q_OBJECT

private slots:
  void KeyTakenClashAndClearAreSaid()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    struct Step
    {
      const char* button; // clicked unless a clash left the dialog open
      Qt::Key key;        // Qt::Key_Delete clears the button instead
      bool clash;         // said in the dialog, which stays open; else said in the window
      QString said;
    };
    const std::vector<Step> steps = {
        {"UP", Qt::Key_A, false, "Up, Player 1: A"},
        {"Down", Qt::Key_A, true,
         "A is also Player 1 Up, General: " + QString::fromUtf8(Messages::KEYS_CLASH_HINT)},
        {"Down", Qt::Key_B, false, "Down, Player 1: B"},
        {"cmdStart1", Qt::Key_C, false, "Start 1: C"},
        {"UP", Qt::Key_Delete, false, "Up, Player 1: not bound"},
    };
    for (const Step& step : steps)
    {
      auto* button = window.findChild<QPushButton*>(step.button);
      if (step.key == Qt::Key_Delete)
      {
        QTest::keyClick(button, step.key);
        QCOMPARE(LastAnnouncement(&window), step.said);
        continue;
      }
      if (!test::OpenKeyDialog())
        QTest::mouseClick(button, Qt::LeftButton);
      QPointer<KeyDialog> dialog = test::OpenKeyDialog();
      QVERIFY2(dialog, step.button);
      QTest::keyClick(dialog, step.key);
      if (step.clash)
        QCOMPARE(LastAnnouncement(dialog), step.said);
      else
      {
        QTRY_VERIFY(!dialog); // gone before the next button opens a new one
        QCOMPARE(LastAnnouncement(&window), step.said);
      }
    }
  }

  void OwnKeyTakenAndFamilyKeyBackAreSaid()
  {
    test::EmulatorFolder folder;
    folder.PutSfexInCapcom();
    MainWindow window(folder.session);
    window.show();
    window.findChild<QListWidget*>("lstGames")->setCurrentRow(0);
    window.findChild<QPushButton*>("cmdOwnKeys")->click();
    auto* own = window.findChild<OwnKeysWindow*>("frmGameKeys");
    QVERIFY(own);
    auto* punch = own->findChild<QPushButton*>("CapPunch1");
    punch->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    QCOMPARE(LastAnnouncement(own), QString("Low Punch, Player 1: Z"));
    QTest::keyClick(punch, Qt::Key_Delete);
    QVERIFY(LastAnnouncement(own).startsWith("Low Punch, Player 1: "));
    QVERIFY(LastAnnouncement(own).endsWith(" (family key)"));
  }

  void EnterPressesTheFocusedButton()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    auto* button = window.findChild<QPushButton*>("cmdManCont");
    QSignalSpy clicked(button, &QPushButton::clicked);
    int presses = 0;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
    {
      button->setFocus();
      QTest::keyClick(&window, key);
      ++presses;
      QTRY_COMPARE(clicked.count(), presses);
    }
  }

  void GameListHasACurrentGameWithNothingSelected()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    auto* games = window.findChild<QListWidget*>("lstGames");
    QCOMPARE(games->currentRow(), 0);
    QVERIFY(games->selectedItems().isEmpty());
  }

  void MoveIsSaid()
  {
    test::EmulatorFolder folder;
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\nsfexa\r\n");
    GroupingWindow window{folder.session};
    window.ShowReloaded();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* cap = window.findChild<GroupListView*>("lstCap");
    cap->setFocus();
    cap->setCurrentIndex(cap->model()->index(0, 0));
    QTest::keyClick(cap, Qt::Key_3, Qt::ControlModifier);
    QTRY_COMPARE(LastAnnouncement(&window), QString("sfex moved to Tekken Games"));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::SpokenOutcomeTest)
#include "SpokenOutcomeTest.moc"
