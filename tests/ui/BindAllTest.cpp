// Bind All: the key dialog walks a page's inputs for the chosen player, each key press one
// binding, with skip, stop and the clash rule of a single binding.

#include "UiTestKit.h"
#include "ui/access/Announcer.h"
#include "ui/main/MainWindow.h"
#include "ui/ownkeys/OwnKeysWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace corvane
{
namespace
{

QString Target(KeyDialog* dialog)
{
  return dialog ? dialog->findChild<QLabel*>("lblTarget")->text() : QString("<no dialog>");
}

constexpr int SKIP_BUTTON = 0;
constexpr int SKIP_CHORD = 1;

void Click(KeyDialog* dialog, const char* button)
{
  QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

class BindAllTest : public QObject
{
  Q_OBJECT

private:
  // Turns to the page, chooses the player and starts Bind All there; the walk's dialog.
  static KeyDialog* StartWalk(MainWindow& window, int page, const char* player = "optP2",
                              bool shared_again = false)
  {
    window.findChild<QRadioButton*>(player)->click();
    window.findChild<QCheckBox*>("chkWalkShared")->setChecked(shared_again);
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    window.findChild<QPushButton*>(QStringLiteral("cmdBindAll%1").arg(page))->click();
    return test::OpenKeyDialog();
  }

private slots:
  void WalkTakesKeysInOrderSkipsStopsAndReplacesAClash()
  {
    enum class Stop
    {
      None,   // the walk ends after its last input
      Button, // the dialog's Stop button
      Chord,  // Alt+F4
      Close,  // the window's close box
    };
    struct Case
    {
      const char* name;
      std::vector<int> keys; // a key, or SKIP_BUTTON, or SKIP_CHORD (Alt+S)
      Stop stop;
      std::vector<std::string> expected; // the Capcom slots of Player 2 afterwards
    };
    const Case cases[] = {
        {"every input in order",
         {'A', 'B', 'C', 'D', 'E', 'F'},
         Stop::None,
         {"k1E", "k30", "k2E", "k20", "k12", "k21"}},
        {"a skipped input keeps its key, by button and by Alt+S",
         {'A', SKIP_BUTTON, 'C', SKIP_CHORD, 'E', 'F'},
         Stop::None,
         {"k1E", "k2D", "k2E", "", "k12", "k21"}},
        {"a stop halfway keeps what was taken",
         {'A', 'B'},
         Stop::Button,
         {"k1E", "k30", "", "", "", ""}},
        {"Alt+F4 stops without binding", {'A'}, Stop::Chord, {"k1E", "k2D", "", "", "", ""}},
        {"the close box stops", {}, Stop::Close, {"", "k2D", "", "", "", ""}},
        {"a clash stays on its input until replaced",
         {'1', 'Q', 'B'},
         Stop::Button,
         {"k10", "k30", "", "", "", ""}},
    };
    for (const Case& c : cases)
    {
      test::EmulatorFolder folder;
      folder.WriteFile("ctrlr/capcfg.ini", "[player2]\r\nbtn2=k2D\r\n");
      folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
      MainWindow window(folder.session);
      window.show();
      QPointer<KeyDialog> dialog = StartWalk(window, PageOf(GroupId::Cap));
      QVERIFY2(dialog, c.name);
      // The family's walk starts with the player's directions.
      QCOMPARE(Target(dialog), QString("1 of 10: Up - Player 2"));
      for (int direction = 0; direction < 4; ++direction)
        Click(dialog, "cmdSkip");
      QCOMPARE(Target(dialog), QString("5 of 10: Low Punch - Player 2"));
      const std::vector<WalkStep> walk = PageWalk(PageOf(GroupId::Cap), Player::Two);
      size_t position = 0;
      for (const int key : c.keys)
      {
        if (key == SKIP_BUTTON)
          Click(dialog, "cmdSkip");
        else if (key == SKIP_CHORD)
          QTest::keyClick(dialog, Qt::Key_S, Qt::AltModifier);
        else
          QTest::keyClick(dialog, Qt::Key(key));
        const bool clash = key == '1'; // Start 1's key: the dialog stays on Low Punch
        QCOMPARE(dialog && dialog->findChild<QLabel*>("lblClash")->isVisible(), clash);
        if (!clash && ++position < walk.size())
          QCOMPARE(Target(dialog), QStringLiteral("%1 of 10: %2 - Player 2")
                                       .arg(position + 5)
                                       .arg(CaptionText(walk[position].input->caption)));
      }
      if (c.stop == Stop::Button)
        Click(dialog, "cmdClose");
      else if (c.stop == Stop::Chord)
        QTest::keyClick(dialog, Qt::Key_F4, Qt::AltModifier);
      else if (c.stop == Stop::Close)
        dialog->close();
      QTRY_VERIFY2(!dialog, c.name);
      std::vector<std::string> taken;
      for (const WalkStep& step : walk)
        taken.push_back(folder.session.bindings.Get(step.slot));
      QCOMPARE(taken, c.expected);
      QCOMPARE(folder.session.bindings.Get("cappunch1p1"), ""); // Player 1 untouched
      QCOMPARE(folder.ReadFile("ctrlr/capcfg.ini"), "[player2]\r\nbtn2=k2D\r\n"); // until Save
    }
  }

  void GeneralPageWalksSharedInputsOnce()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    QPointer<KeyDialog> dialog = StartWalk(window, GENERAL_PAGE, "optP1");
    QVERIFY(dialog);
    QCOMPARE(Target(dialog), QString("1 of 10: Up - Player 1"));
    // Skip and Stop are said, and never take the focus from the dialog.
    QVERIFY(dialog->findChild<QLabel*>("lblHint")->text().contains("Alt+S or Skip"));
    QCOMPARE(dialog->findChild<QPushButton*>("cmdClose")->text(), QString("Stop"));
    QCOMPARE(dialog->findChild<QPushButton*>("cmdSkip")->focusPolicy(), Qt::NoFocus);
    for (const int key : {Qt::Key_8, Qt::Key_2, Qt::Key_4, Qt::Key_6})
      QTest::keyClick(dialog, Qt::Key(key));
    QCOMPARE(Target(dialog), QString("5 of 10: Start 1 - shared"));
    // A screen reader hears the key taken and the next input in the dialog.
    QCOMPARE(LastAnnouncement(dialog), QString("Right, Player 1: 6. 5 of 10: Start 1 - shared"));
    Click(dialog, "cmdSkip");
    QCOMPARE(LastAnnouncement(dialog), QString("6 of 10: Start 2 - shared"));
    Click(dialog, "cmdClose");
    QTRY_VERIFY(!dialog);
    QCOMPARE(folder.session.bindings.Get("rightp1"), "k07");
  }

  // One walk sets a player of a family; Player 2 walks the shared inputs only when asked, so a
  // full walk of Player 2 keeps Player 1's Start 1.
  void FamilyWalkSetsAPlayerAndKeepsTheSharedKeys()
  {
    struct Case
    {
      const char* name;
      int page;
      const char* player;
      bool shared_again;
      int steps;          // each given the next letter from A
      std::string start1; // Start 1's key afterwards
    };
    const Case cases[] = {
        {"Player 2: directions and buttons", PageOf(GroupId::Tekken), "optP2", false, 8, "k02"},
        {"Player 2 on General", GENERAL_PAGE, "optP2", false, 4, "k02"},
        {"Player 2 asks for the shared inputs", PageOf(GroupId::Tekken), "optP2", true, 14, "k12"},
        {"Player 1 walks them unasked", PageOf(GroupId::Qma), "optP1", false, 10, "k1E"},
    };
    for (const Case& c : cases)
    {
      test::EmulatorFolder folder;
      folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
      MainWindow window(folder.session);
      window.show();
      QPointer<KeyDialog> dialog = StartWalk(window, c.page, c.player, c.shared_again);
      QVERIFY2(dialog && Target(dialog).startsWith(QStringLiteral("1 of %1: ").arg(c.steps)),
               c.name);
      for (int i = 0; i < c.steps; ++i)
        QTest::keyClick(dialog, Qt::Key(Qt::Key_A + i));
      QTRY_VERIFY2(!dialog, c.name);
      QCOMPARE(folder.session.bindings.Get("start1"), c.start1);
    }
  }

  // The Own Keys window walks its game's family for the chosen player; Player 2 leaves the
  // shared inputs to Player 1 unless asked.
  void OwnKeysWindowWalksItsGame()
  {
    struct Case
    {
      const char* player;
      int skips;          // to the family's first button
      const char* target; // the walk's line there
      const char* saved;  // corvane-games.ini after Z there and Save
    };
    const Case cases[] = {
        {"optP1", 10, "11 of 16: Low Punch - Player 1", "[sfex]\r\ncappunch1p1=k2C\r\n"},
        {"optP2", 4, "5 of 10: Low Punch - Player 2", "[sfex]\r\ncappunch1p2=k2C\r\n"},
    };
    for (const Case& c : cases)
    {
      test::EmulatorFolder folder;
      test::MessageLog log;
      folder.PutSfexInCapcom();
      MainWindow window(folder.session);
      window.findChild<QListWidget*>("lstGames")->setCurrentRow(0);
      window.findChild<QPushButton*>("cmdOwnKeys")->click();
      auto* own = window.findChild<OwnKeysWindow*>("frmGameKeys");
      QVERIFY(own);
      own->findChild<QRadioButton*>(c.player)->click();
      own->findChild<QPushButton*>("cmdBindAll")->click();
      QPointer<KeyDialog> dialog = test::OpenKeyDialog();
      for (int i = 0; i < c.skips; ++i)
        Click(dialog, "cmdSkip");
      QCOMPARE(Target(dialog), QString(c.target));
      QTest::keyClick(dialog, Qt::Key_Z);
      Click(dialog, "cmdClose");
      QTRY_VERIFY(!dialog);
      own->findChild<QPushButton*>("cmdSave")->click();
      QCOMPARE(folder.ReadFile("corvane-games.ini"), std::string(c.saved));
      // The family keeps its keys.
      QCOMPARE(folder.session.bindings.Get("cappunch1p1"), "");
      QCOMPARE(folder.session.bindings.Get("cappunch1p2"), "");
    }
  }
};

} // namespace corvane

QTEST_MAIN(corvane::BindAllTest)
#include "BindAllTest.moc"
