// A game's own keys through the windows: given, saved, carried across a change of family and
// given back to the family.

#include "ui/ownkeys/OwnKeysWindow.h"
#include "UiTestKit.h"
#include "base/Messages.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace corvane
{

class OwnKeysWindowTest : public QObject
{
  Q_OBJECT

private:
  // Selects the game's row on the Launch page and opens its own-keys window.
  static OwnKeysWindow* OpenOwnKeys(MainWindow& window, int row)
  {
    window.findChild<QListWidget*>("lstGames")->setCurrentRow(row);
    window.findChild<QPushButton*>("cmdOwnKeys")->click();
    return window.findChild<OwnKeysWindow*>("frmGameKeys");
  }

  static void SaveMain(MainWindow& window) { window.findChild<QPushButton*>("cmdSave")->click(); }

private slots:
  void OwnKeyFollowsTheGameAcrossFamilies()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.session.games.rows.push_back({"sfexa", "Street Fighter EX (alt)", "", "13", "sfex", ""});
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\nsfexa\r\n");
    folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
    folder.session.game_keys = GameKeys();
    MainWindow window(folder.session);
    window.show();
    SaveMain(window);

    QPointer<OwnKeysWindow> own = OpenOwnKeys(window, 0);
    QVERIFY(own);
    QCOMPARE(own->windowTitle(), QString("Own Keys: Street Fighter EX (sfex)"));
    auto* punch = own->findChild<BindingButton*>("CapPunch1");
    QVERIFY(punch->Look().inherited);
    QVERIFY(!own->findChild<BindingButton*>("cmdTLP")); // another family's input
    punch->click();
    QCOMPARE(test::OpenKeyDialog()->findChild<QLabel*>("lblTarget")->text(),
             QString("Low Punch - Player 1"));
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    QCOMPARE(own->windowTitle(), QString("*Own Keys: Street Fighter EX (sfex)"));
    QVERIFY(!punch->Look().inherited);
    QCOMPARE(punch->Look().key_label, QString("Z"));
    own->findChild<QPushButton*>("cmdSave")->click();
    QTRY_VERIFY(!own);
    QCOMPARE(folder.ReadFile("corvane-games.ini"), "[sfex]\r\ncappunch1p1=k2C\r\n");
    const std::string family = folder.ReadFile("ctrlr/capcfg.ini");
    const std::string with_own = folder.ReadFile("ctrlr/sfex.ini");
    QVERIFY(with_own.find("[player1]\r\nbtn1=k2C\r\n") != std::string::npos);
    QCOMPARE(folder.ReadFile("ctrlr/sfexa.ini"), family);

    // Moved to another family: its own key waits in the file.
    folder.WriteFile("ctrlr/cap.lst", "sfexa\r\n");
    folder.WriteFile("ctrlr/3but.lst", "sfex\r\n");
    SaveMain(window);
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), folder.ReadFile("ctrlr/3butcfg.ini"));
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\nsfexa\r\n");
    folder.WriteFile("ctrlr/3but.lst", "");
    SaveMain(window);
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), with_own);

    // Given back to the family: the copy is the family's file again.
    own = OpenOwnKeys(window, 0);
    QTest::keyClick(own->findChild<BindingButton*>("CapPunch1"), Qt::Key_Delete);
    own->findChild<QPushButton*>("cmdSave")->click();
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), family);
    QVERIFY(log.boxes.size() == 3); // the three main-window saves
  }

  // Two games' windows open side by side: each Save keeps the other game's saved own keys, and
  // so does the main window's Save.
  void WindowsOfTwoGamesKeepEachOthersKeys()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.session.games.rows.push_back({"ts2", "Tech Romancer", "", "40", "ts2", ""});
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\nts2\r\n");
    folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
    folder.session.game_keys = GameKeys();
    MainWindow window(folder.session);
    window.show();
    SaveMain(window);
    QPointer<OwnKeysWindow> first = OpenOwnKeys(window, 3);
    window.findChild<QListWidget*>("lstGames")->setCurrentRow(0);
    window.findChild<QPushButton*>("cmdOwnKeys")->click();
    QPointer<OwnKeysWindow> second = window.findChildren<OwnKeysWindow*>().last();
    QVERIFY(first && second && first != second);
    for (const auto& [own, key] : {std::pair{first, Qt::Key_Q}, std::pair{second, Qt::Key_W}})
    {
      own->findChild<BindingButton*>("CapPunch1")->click();
      QTest::keyClick(test::OpenKeyDialog(), key);
      own->findChild<QPushButton*>("cmdSave")->click();
      QTRY_VERIFY(!own);
    }
    const std::string both = "[ts2]\r\ncappunch1p1=k10\r\n[sfex]\r\ncappunch1p1=k11\r\n";
    QCOMPARE(folder.ReadFile("corvane-games.ini"), both);
    SaveMain(window);
    QCOMPARE(folder.ReadFile("corvane-games.ini"), both);
    QVERIFY(folder.ReadFile("ctrlr/ts2.ini").find("[player1]\r\nbtn1=k10\r\n") !=
            std::string::npos);
    QVERIFY(folder.ReadFile("ctrlr/sfex.ini").find("[player1]\r\nbtn1=k11\r\n") !=
            std::string::npos);
  }

  // Two windows on one game: what one stored is what the file holds, so the other, untouched,
  // has nothing unsaved; one with changes of its own keeps them and its mark.
  void SecondWindowOnAGameSeesTheFirstOnesSave_data()
  {
    QTest::addColumn<bool>("second_changed");
    QTest::newRow("second untouched") << false;
    QTest::newRow("second with a change") << true;
  }

  void SecondWindowOnAGameSeesTheFirstOnesSave()
  {
    QFETCH(bool, second_changed);
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.PutSfexInCapcom();
    MainWindow window(folder.session);
    window.show();
    QPointer<OwnKeysWindow> first = OpenOwnKeys(window, 0);
    QPointer<OwnKeysWindow> second = OpenOwnKeys(window, 0);
    second = window.findChildren<OwnKeysWindow*>().last();
    QVERIFY(first && second && first != second);
    if (second_changed)
    {
      second->findChild<BindingButton*>("CapKick1")->click();
      QTest::keyClick(test::OpenKeyDialog(), Qt::Key_W);
    }
    first->findChild<BindingButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Q);
    first->findChild<QPushButton*>("cmdSave")->click();
    QTRY_VERIFY(!first);
    const QString caption("Own Keys: Street Fighter EX (sfex)");
    QCOMPARE(second->HasUnsavedChanges(), second_changed);
    QCOMPARE(second->windowTitle(), second_changed ? "*" + caption : caption);
    log.unsaved_answer = UnsavedAnswer::Cancel;
    second->close();
    QCOMPARE(log.questions.size(), size_t(second_changed ? 1 : 0));
    QCOMPARE(bool(second) && second->isVisible(), second_changed);
  }

  // Own keys that could not be read at start-up: no window could offer them, so none opens.
  void UnreadableOwnKeysOpenNoWindowAndSayWhy()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
    folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
    folder.session.game_keys = std::nullopt;
    MainWindow window(folder.session);
    QVERIFY(!OpenOwnKeys(window, 0));
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].second, std::string(Messages::OWN_KEYS_UNREADABLE));
  }

  void ClosingAsksAboutUnsavedOwnKeys_data()
  {
    QTest::addColumn<QString>("way"); // the Own Keys close box, its Cancel, the main close box
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::newRow("close box, save") << "close box" << UnsavedAnswer::Save << true << true;
    QTest::newRow("close box, discard") << "close box" << UnsavedAnswer::Discard << true << false;
    QTest::newRow("close box, cancel") << "close box" << UnsavedAnswer::Cancel << true << false;
    QTest::newRow("Cancel never asks") << "Cancel" << UnsavedAnswer::Cancel << false << false;
    QTest::newRow("main close box, save") << "main" << UnsavedAnswer::Save << true << true;
  }

  void ClosingAsksAboutUnsavedOwnKeys()
  {
    QFETCH(QString, way);
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    test::EmulatorFolder folder;
    folder.PutSfexInCapcom();
    MainWindow window(folder.session);
    window.show();
    QPointer<OwnKeysWindow> own = OpenOwnKeys(window, 0);
    own->findChild<BindingButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    QCOMPARE(own->windowTitle(), QString("*Own Keys: Street Fighter EX (sfex)"));
    test::MessageLog log;
    log.unsaved_answer = answer;
    if (way == "Cancel")
      own->findChild<QPushButton*>("cmdCancel")->click();
    else
      (way == "main" ? static_cast<QWidget*>(&window) : own.data())->close();
    QCOMPARE(log.questions.size(), size_t(asked ? 1 : 0));
    const bool kept_open = answer == UnsavedAnswer::Cancel && asked;
    QTRY_COMPARE(bool(own), kept_open);
    QCOMPARE(folder.ReadFile("corvane-games.ini"),
             saved ? "[sfex]\r\ncappunch1p1=k2C\r\n" : "<missing>");
  }

  // Own keys that cannot be stored stay in the window, marked, and make no copy: the Save
  // button and the close box's "Save" both keep it open; a Save that can write then closes it.
  void OwnKeysNotStoredKeepTheWindow_data()
  {
    QTest::addColumn<bool>("close_box");
    QTest::newRow("Save button") << false;
    QTest::newRow("close box, save") << true;
  }

  void OwnKeysNotStoredKeepTheWindow()
  {
    namespace fs = std::filesystem;
    QFETCH(bool, close_box);
    test::EmulatorFolder folder;
    folder.PutSfexInCapcom();
    MainWindow window(folder.session);
    window.show();
    SaveMain(window);
    const std::string copy_before = folder.ReadFile("ctrlr/sfex.ini");
    folder.WriteFile("corvane-games.ini", "");
    fs::permissions(folder.File("corvane-games.ini"), fs::perms(0444));
    QPointer<OwnKeysWindow> own = OpenOwnKeys(window, 0);
    own->findChild<BindingButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    test::MessageLog log;
    log.unsaved_answer = UnsavedAnswer::Save;
    if (close_box)
      own->close();
    else
      own->findChild<QPushButton*>("cmdSave")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(own && own->isVisible());
    QCOMPARE(own->windowTitle(), QString("*Own Keys: Street Fighter EX (sfex)"));
    QCOMPARE(log.boxes.size(), size_t(1));
    QVERIFY(log.boxes[0].second.find(std::string(Messages::FILE_NOT_WRITTEN)) != std::string::npos);
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), copy_before);
    QCOMPARE(folder.ReadFile("corvane-games.ini"), std::string());

    fs::permissions(folder.File("corvane-games.ini"), fs::perms(0644));
    own->findChild<QPushButton*>("cmdSave")->click();
    QTRY_VERIFY(!own);
    QCOMPARE(folder.ReadFile("corvane-games.ini"), "[sfex]\r\ncappunch1p1=k2C\r\n");
    QVERIFY(folder.ReadFile("ctrlr/sfex.ini").find("[player1]\r\nbtn1=k2C\r\n") !=
            std::string::npos);
  }

  // Before any main-window Save there is no family file: the game's copy is made from the keys
  // the main window holds, as the first full Save then writes it, and nothing else is read.
  void OwnKeysSaveBeforeAnyFullSaveWritesTheGamesCopy()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
    folder.WriteFile("ctrlr/tekken.lst", "tekken\r\n");
    folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
    folder.session.game_keys = GameKeys();
    MainWindow window(folder.session);
    window.show();
    QPointer<OwnKeysWindow> own = OpenOwnKeys(window, 0);
    own->findChild<BindingButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    own->findChild<QPushButton*>("cmdSave")->click();
    QTRY_VERIFY(!own);
    QVERIFY(log.boxes.empty());
    const std::string copy = folder.ReadFile("ctrlr/sfex.ini");
    QVERIFY(copy.find("[player1]\r\nbtn1=k2C\r\n") != std::string::npos);
    for (const char* untouched : {"ctrlr/capcfg.ini", "ctrlr/tekken.ini"})
      QCOMPARE(folder.ReadFile(untouched), "<missing>");
    SaveMain(window);
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), copy);
  }

  void GameWithoutFamilyIsTold()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    folder.session.game_keys = GameKeys();
    MainWindow window(folder.session);
    QVERIFY(!OpenOwnKeys(window, 1));
    QCOMPARE(log.boxes.size(), size_t(1));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::OwnKeysWindowTest)
#include "OwnKeysWindowTest.moc"
