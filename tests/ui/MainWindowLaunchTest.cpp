// The launch page and the two editor buttons, with the stand-in emulator as the game.

#include "UiTestKit.h"
#include "app/LaunchCommand.h"
#include "base/Messages.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <thread>

namespace corvane
{

using test::EmulatorFolder;
using test::LaunchLog;
using test::MessageLog;

class MainWindowLaunchTest : public QObject
{
  Q_OBJECT

private:
  // Double-clicks a row of the game list where a user would.
  static void DoubleClickRow(MainWindow& window, int row)
  {
    auto* games = window.findChild<QListWidget*>("lstGames");
    const QPoint where = games->visualItemRect(games->item(row)).center();
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(games->viewport(), Qt::LeftButton, {}, where);
  }

private slots:
  void CommandLineIsExact_data()
  {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("set_name");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("line");
    QTest::newRow("options") << "12"
                             << "strider2"
                             << "--use-config-file=zinc.cfg"
                             << "/EMU"
                             << "zinc.exe 12 --use-config-file=zinc.cfg "
                                "--use-controller-cfg-file=/EMU/ctrlr/strider2.ini";
    QTest::newRow("no options, two blanks")
        << "3"
        << "sfex"
        << ""
        << "/EMU"
        << "zinc.exe 3  --use-controller-cfg-file=/EMU/ctrlr/sfex.ini";
    QTest::newRow("blank in the directory quotes the path only")
        << "7"
        << "tekken"
        << "-a -b"
        << "/my games/zinc"
        << "zinc.exe 7 -a -b --use-controller-cfg-file=\"/my games/zinc/ctrlr/tekken.ini\"";
  }

  void CommandLineIsExact()
  {
    QFETCH(QString, number);
    QFETCH(QString, set_name);
    QFETCH(QString, options);
    QFETCH(QString, dir);
    QFETCH(QString, line);
    GameRow game{set_name.toStdString(), "Title", "", number.toStdString(), "", ""};
    QCOMPARE(QString::fromStdString(
                 LaunchCommandLine(game, options.toStdString(), AppDir(dir.toStdString()))),
             line);
  }

  void RefusesWhatWouldNotArriveWhole_data()
  {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("set_name");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("refusal");
    const auto bad_entry = QString::fromStdString(std::string(Messages::LAUNCH_BAD_ENTRY));
    const auto split = QString::fromStdString(std::string(Messages::LAUNCH_PATH_SPLIT));
    QTest::newRow("plain") << "12"
                           << "sf2_ex-b.v2"
                           << "-a"
                           << "/EMU"
                           << "";
    QTest::newRow("plus in the set name") << "12"
                                          << "sf2+"
                                          << ""
                                          << "/EMU"
                                          << "";
    QTest::newRow("blank in the set name") << "1"
                                           << "ts2 alt"
                                           << ""
                                           << "/EMU"
                                           << "";
    QTest::newRow("shell characters") << "1;2"
                                      << "a;b&c$(d)"
                                      << "-x"
                                      << "/R&D/$x;y"
                                      << "";
    QTest::newRow("tab in the folder") << "12"
                                       << "sfex"
                                       << ""
                                       << "/a\tb"
                                       << "";
    QTest::newRow("no number") << ""
                               << "sfex"
                               << "-a"
                               << "/EMU" << bad_entry;
    QTest::newRow("number of two words") << "1 2"
                                         << "sfex"
                                         << ""
                                         << "/EMU" << bad_entry;
    QTest::newRow("no set name") << "12"
                                 << ""
                                 << ""
                                 << "/EMU" << bad_entry;
    QTest::newRow("separator in the set name") << "12"
                                               << "../x"
                                               << ""
                                               << "/EMU" << bad_entry;
    QTest::newRow("quote in the folder") << "12"
                                         << "sfex"
                                         << ""
                                         << "/say \"hi\"" << split;
    QTest::newRow("quote left open in the options") << "12"
                                                    << "sfex"
                                                    << "-x \"a"
                                                    << "/EMU" << split;
  }

  void RefusesWhatWouldNotArriveWhole()
  {
    QFETCH(QString, number);
    QFETCH(QString, set_name);
    QFETCH(QString, options);
    QFETCH(QString, dir);
    QFETCH(QString, refusal);
    const GameRow game{set_name.toStdString(), "", "", number.toStdString(), "", ""};
    const AppDir app_dir(dir.toStdString());
    const std::string line = LaunchCommandLine(game, options.toStdString(), app_dir);
    QCOMPARE(QString::fromStdString(std::string(LaunchRefusal(game, line, app_dir))), refusal);
  }

  void DoubleClickLaunchesThatRow_data()
  {
    QTest::addColumn<QString>("subfolder");
    QTest::newRow("plain directory") << "emu";
    QTest::newRow("directory with a blank") << "my emu";
    // No shell reads the line: none of these may split the path or run anything.
    for (const char* name : {"R&D", "Bob's", "a$b", "x;y", "c:d", "50%", "`id`", "*",
                             "\xC3\xA9t\xC3\xA9", "tab\there"})
      QTest::newRow(name) << QString::fromUtf8(name);
  }

  void DoubleClickLaunchesThatRow()
  {
    QFETCH(QString, subfolder);
    EmulatorFolder folder(subfolder.toStdString());
    folder.session.settings.ShowCmdFlag = 1;
    MainWindow window(folder.session);
    window.show();
    auto* games = window.findChild<QListWidget*>("lstGames");
    games->setCurrentRow(0);
    window.findChild<QLineEdit*>("txtCommand")->setText("--use-config-file=zinc.cfg -x");
    MessageLog log;
    DoubleClickRow(window, 1);
    const std::string path = folder.Root() + "/ctrlr/tekken.ini";
    const bool quoted = path.find_first_of(" \t") != std::string::npos;
    const std::string expected = "zinc.exe 7 --use-config-file=zinc.cfg -x "
                                 "--use-controller-cfg-file=" +
                                 (quoted ? "\"" + path + "\"" : path);
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].first, MessageKind::Plain);
    QCOMPARE(log.boxes[0].second, expected);
    // The emulator gets the path as one argument, blank or not.
    QCOMPARE(LaunchLog(folder), "[7] [--use-config-file=zinc.cfg] [-x] "
                                "[--use-controller-cfg-file=" +
                                    path + "]");
  }

  // A Windows zinc.exe goes through Wine: the box shows the line that is started, and Wine gets
  // the emulator's arguments with the controller file named by its Wine drive.
  void ThroughWineTheShownLineIsTheStartedLine()
  {
    EmulatorFolder folder;
    folder.WriteFile("zinc.exe", "MZ: a Windows program");
    folder.WriteFile("zinc.cfg", ""); // no question about making the default first
    folder.WriteFile("fake-wine", "#!/bin/sh\nprintf '[%s] ' \"$@\" > \"$0.log\"\n");
    std::filesystem::permissions(folder.File("fake-wine"), std::filesystem::perms::owner_all);
    qputenv("CORVANE_WINE", QByteArray::fromStdString(folder.File("fake-wine")));
    folder.session.settings.ShowCmdFlag = 1;
    MainWindow window(folder.session);
    window.show();
    window.findChild<QListWidget*>("lstGames")->setCurrentRow(0);
    MessageLog log;
    QTest::mouseClick(window.findChild<QPushButton*>("cmdLaunch"), Qt::LeftButton);
    qunsetenv("CORVANE_WINE");
    QString drive_path = QString::fromStdString(folder.File("ctrlr/sfex.ini"));
    drive_path = "Z:" + drive_path.replace('/', '\\');
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(QString::fromStdString(log.boxes[0].second),
             QString::fromStdString(folder.File("fake-wine")) +
                 " zinc.exe 12 --use-config-file=zinc.cfg --use-controller-cfg-file=" + drive_path);
    QTRY_VERIFY(folder.Exists("emu/fake-wine.log"));
    QTRY_COMPARE(QString::fromStdString(folder.ReadFile("fake-wine.log")),
                 "[zinc.exe] [12] [--use-config-file=zinc.cfg] [--use-controller-cfg-file=" +
                     drive_path + "] ");
  }

  // Typing a title or a set name leaves only the games that match; a chosen game filtered out
  // is chosen no longer, so Launch starts the first game in sight or nothing.
  void FilterLeavesTheMatchingGamesAndLaunchesOneInSight()
  {
    const std::pair<const char*, std::string> cases[] = {
        {"", "[12]"},               // sfex stays chosen
        {"TEKKEN", "[7]"},          // by set name, any case
        {"street fighter", "[12]"}, // by title
        {"no game is called this", ""},
    };
    for (const auto& [typed, launched] : cases)
    {
      EmulatorFolder folder;
      MainWindow window(folder.session);
      window.show();
      auto* games = window.findChild<QListWidget*>("lstGames");
      games->setCurrentRow(0);
      auto* filter = window.findChild<QLineEdit*>("txtFilter");
      QCOMPARE(filter->accessibleName(), QString("Filter"));
      filter->setText(typed);
      QCOMPARE(games->item(0)->isHidden(), launched != "[12]");
      MessageLog log;
      QTest::mouseClick(window.findChild<QPushButton*>("cmdLaunch"), Qt::LeftButton);
      if (launched.empty())
      {
        QTest::qWait(200);
        QVERIFY2(!folder.Exists("emu/zinc-launch.log"), typed);
        continue;
      }
      QTRY_VERIFY2(folder.Exists("emu/zinc-launch.log"), typed);
      QVERIFY2(LaunchLog(folder).starts_with(launched), typed);
    }
  }

  // Enter in the filter goes on to the games left in sight and chooses the first, which the
  // Launch button then starts.
  void EnterInTheFilterLeadsToTheGames()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tabs->count() - 1).center());
    // The list, passed by once, holds a current game that nothing chose.
    auto* games = window.findChild<QListWidget*>("lstGames");
    games->setFocus();
    auto* filter = window.findChild<QLineEdit*>("txtFilter");
    filter->setFocus();
    QTest::keyClicks(filter, "sfex");
    QTest::keyClick(filter, Qt::Key_Return);
    QTRY_VERIFY(games->hasFocus());
    MessageLog log;
    QTest::mouseClick(window.findChild<QPushButton*>("cmdLaunch"), Qt::LeftButton);
    QTRY_VERIFY(folder.Exists("emu/zinc-launch.log"));
    QVERIFY(LaunchLog(folder).starts_with("[12]"));
  }

  void LaunchWithoutSelectionDoesNothing()
  {
    EmulatorFolder folder;
    folder.session.settings.ShowCmdFlag = 1;
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    QTest::mouseClick(window.findChild<QPushButton*>("cmdLaunch"), Qt::LeftButton);
    QTest::qWait(200);
    QVERIFY(log.boxes.empty());
    QVERIFY(!folder.Exists("emu/zinc-launch.log"));
  }

  void LaunchReportsWhatCannotStart_data()
  {
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QString>("set_name");
    QTest::addColumn<QString>("emulator"); // what stands in zinc.exe's place
    QTest::addColumn<QString>("message");  // "<zinc>" stands for the emulator's path
    QTest::addColumn<QString>("status");
    const auto text = [](std::string_view message)
    { return QString::fromStdString(std::string(message)); };
    const QString failed = text(Messages::LAUNCH_FAILED) + ": ";
    const QString not_started = "Not started: Street Fighter EX (sfex)";
    QTest::newRow("emulator gone")
        << "emu"
        << "sfex"
        << "gone" << failed + "there is no such file: <zinc>" << not_started;
    QTest::newRow("emulator not executable")
        << "emu"
        << "sfex"
        << "not executable" << failed + text(Messages::START_NOT_EXECUTABLE) + ": <zinc>"
        << not_started;
    QTest::newRow("emulator not a program")
        << "emu"
        << "sfex"
        << "text" << failed + text(Messages::START_NOT_A_PROGRAM) + ": <zinc>" << not_started;
    QTest::newRow("set name naming another folder")
        << "emu"
        << "../pwned"
        << "present" << text(Messages::LAUNCH_BAD_ENTRY) << QString();
    QTest::newRow("quote in the folder")
        << "say \"hi\""
        << "sfex"
        << "present" << text(Messages::LAUNCH_PATH_SPLIT) << QString();
  }

  void LaunchReportsWhatCannotStart()
  {
    QFETCH(QString, subfolder);
    QFETCH(QString, set_name);
    QFETCH(QString, emulator);
    QFETCH(QString, message);
    QFETCH(QString, status);
    EmulatorFolder folder(subfolder.toStdString());
    folder.WriteFile("zinc.cfg", ""); // a missing config is offered first, as another test shows
    folder.session.games.rows[0].set_name = set_name.toStdString();
    const std::string zinc = folder.File("zinc.exe");
    if (emulator != "present")
      std::filesystem::remove(zinc);
    if (emulator == "not executable" || emulator == "text")
      folder.WriteFile("zinc.exe", "plain text, no interpreter line\n");
    if (emulator == "text")
      std::filesystem::permissions(zinc, std::filesystem::perms::owner_exec,
                                   std::filesystem::perm_options::add);
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    window.findChild<QListWidget*>("lstGames")->setCurrentRow(0);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdLaunch"), Qt::LeftButton);
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].first, MessageKind::Warning);
    QCOMPARE(QString::fromStdString(log.boxes[0].second),
             message.replace("<zinc>", QString::fromStdString(zinc)));
    QCOMPARE(window.findChild<QLabel*>("lblStatus")->text(), status);
    QVERIFY(window.isVisible());
    QTest::qWait(200);
    QVERIFY(!std::filesystem::exists(folder.File("zinc-launch.log")));
  }

  void LaunchSaysWhatItStartedUntilTheNextButton()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    const auto* status = window.findChild<QLabel*>("lblStatus");
    DoubleClickRow(window, 0);
    QCOMPARE(status->text(), QString("Started Street Fighter EX (sfex)"));
    QVERIFY(!LaunchLog(folder).empty());
    window.findChild<QCheckBox*>("chkShowcmd")->click();
    QCOMPARE(status->text(), QString());
  }

  // With changes unsaved the launch asks, as the close box does: the game reads its keys from
  // the files. Save and launch writes them first; a save that fails starts nothing.
  void LaunchAsksAboutUnsavedChanges_data()
  {
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("family_file_protected");
    QTest::addColumn<bool>("launched");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save and launch") << UnsavedAnswer::Save << false << true << true;
    QTest::newRow("save failed") << UnsavedAnswer::Save << true << false << false;
    QTest::newRow("launch with the saved keys") << UnsavedAnswer::Discard << false << true << false;
    QTest::newRow("cancel") << UnsavedAnswer::Cancel << false << false << false;
  }

  void LaunchAsksAboutUnsavedChanges()
  {
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, family_file_protected);
    QFETCH(bool, launched);
    QFETCH(bool, saved);
    EmulatorFolder folder;
    folder.WriteFile("zinc.cfg", "");
    folder.WriteFile("ctrlr/allcfg.ini", "");
    if (family_file_protected)
      std::filesystem::permissions(folder.File("ctrlr/allcfg.ini"), std::filesystem::perms(0444));
    folder.session.groups[GroupId::Cap] = {"sfex"};
    MainWindow window(folder.session);
    window.show();
    window.findChild<QPushButton*>("UP")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_A);
    MessageLog log;
    log.unsaved_answer = answer;
    DoubleClickRow(window, 0);
    QCOMPARE(log.questions.front(), std::string(Messages::LAUNCH_UNSAVED_QUESTION));
    QCOMPARE(window.findChild<QLabel*>("lblStatus")->text().startsWith("Started"), launched);
    QCOMPARE(folder.ReadFile("ctrlr/allcfg.ini").find("up=k1E") != std::string::npos, saved);
    QCOMPARE(window.HasUnsavedChanges(), !saved);
    std::filesystem::permissions(folder.File("ctrlr/allcfg.ini"), std::filesystem::perms(0644));
  }

  // Options that name a zinc.cfg that is not there: the launch offers the default one first,
  // and starts the game whatever the answer.
  void LaunchOffersTheMissingEmulatorConfig_data()
  {
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::newRow("made") << "--use-config-file=zinc.cfg" << true << true;
    QTest::newRow("refused") << "--use-config-file=zinc.cfg" << false << true;
    QTest::newRow("another config") << "--use-config-file=mine.cfg" << true << false;
  }

  void LaunchOffersTheMissingEmulatorConfig()
  {
    QFETCH(QString, options);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/sfex.ini", "[player1]\r\n");
    folder.session.groups[GroupId::Cap] = {"sfex"};
    folder.session.settings.CommandOptions = options.toStdString();
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    log.answer = answer;
    DoubleClickRow(window, 0);
    QCOMPARE(log.questions.size(), size_t(asked ? 1 : 0));
    if (asked)
      QCOMPARE(log.questions[0], std::string(Messages::LAUNCH_NO_EMULATOR_CONFIG));
    QCOMPARE(folder.Exists("emu/zinc.cfg"), asked && answer);
    QCOMPARE(window.findChild<QLabel*>("lblStatus")->text(),
             QString("Started Street Fighter EX (sfex)"));
  }

  void ZincOptionsCreatesADefaultOnlyWhenMissing()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    std::vector<std::string> opened;
    TestHooks().editor = [&opened](const std::string& path)
    {
      opened.push_back(path);
      return true;
    };
    MessageLog log;
    window.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].second, "zinc.cfg not found, default cfg created");
    QVERIFY(folder.Exists("emu/zinc.cfg"));
    folder.WriteFile("zinc.cfg", "mine\r\n");
    window.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(log.boxes.size(), size_t(1)); // no second message
    QCOMPARE(folder.ReadFile("zinc.cfg"), "mine\r\n");
    folder.WriteFile("renderer.cfg", "renderer\r\n");
    window.findChild<QPushButton*>("Command2")->click();
    QCOMPARE(opened, (std::vector<std::string>{folder.File("zinc.cfg"), folder.File("zinc.cfg"),
                                               folder.File("renderer.cfg")}));
    TestHooks().editor = {};
  }

  void EditorProblemsNameTheFile_data()
  {
    QTest::addColumn<bool>("renderer_exists");
    QTest::addColumn<QString>("message");
    const auto text = [](std::string_view message)
    { return QString::fromStdString(std::string(message)); };
    QTest::newRow("no editor") << true << text(Messages::NO_TEXT_EDITOR);
    QTest::newRow("missing file") << false << text(Messages::RENDERER_CONFIG_MISSING);
  }

  void EditorProblemsNameTheFile()
  {
    QFETCH(bool, renderer_exists);
    QFETCH(QString, message);
    EmulatorFolder folder;
    if (renderer_exists)
      folder.WriteFile("renderer.cfg", "renderer\r\n");
    MainWindow window(folder.session);
    int tries = 0;
    TestHooks().editor = [&tries](const std::string&)
    {
      ++tries;
      return false;
    };
    MessageLog log;
    window.findChild<QPushButton*>("Command2")->click();
    TestHooks().editor = {};
    QCOMPARE(tries, renderer_exists ? 1 : 0);
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(QString::fromStdString(log.boxes[0].second),
             message + ": " + QString::fromStdString(folder.File("renderer.cfg")));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::MainWindowLaunchTest)
#include "MainWindowLaunchTest.moc"
