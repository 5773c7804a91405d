// A new player's first steps: start-up in a folder where the program never ran, Save, launch,
// and the question before launching a game that has no controller file.

#include "UiTestKit.h"
#include "app/StartUp.h"
#include "base/Messages.h"
#include "ui/main/MainWindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

namespace
{

// Interactive start-up up to the window, as the program runs it.
void StartUp(Session& session)
{
  session.games = {};
  XpStyles::PrepareSession(session);
  QVERIFY(XpStyles::RunInteractiveStartJobs(session).Ok());
}

void LaunchRow(MainWindow& window, int row)
{
  window.findChild<QListWidget*>("lstGames")->setCurrentRow(row);
  window.findChild<QPushButton*>("cmdLaunch")->click();
}

} // namespace

class FirstRunTest : public QObject
{
  Q_OBJECT

private slots:
  void FreshFolderGetsEveryGameItsFamilyFile()
  {
    EmulatorFolder folder;
    std::filesystem::remove(folder.File("ctrlr"));
    MessageLog log;
    StartUp(folder.session);
    MainWindow window(folder.session);
    window.show();
    window.findChild<QPushButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Z);
    window.findChild<QPushButton*>("cmdSave")->click();
    QCOMPARE(log.boxes.back().second, std::string(Messages::ALL_CHANGES_SAVED));

    const std::string set_name = folder.session.groups[GroupId::Cap].front();
    const auto& rows = folder.session.games.rows;
    const auto game = std::find_if(rows.begin(), rows.end(),
                                   [&](const GameRow& row) { return row.set_name == set_name; });
    LaunchRow(window, static_cast<int>(game - rows.begin()));
    // A folder without settings starts with the emulator's default config named, and the launch
    // offers to make it, as the player needs it for the ROM folder.
    QCOMPARE(log.questions,
             std::vector<std::string>{std::string(Messages::LAUNCH_NO_EMULATOR_CONFIG)});
    QVERIFY(folder.Exists("emu/zinc.cfg"));
    const std::string path = folder.File("ctrlr/" + set_name + ".ini");
    QCOMPARE(test::LaunchLog(folder), "[" + game->number +
                                          "] [--use-config-file=zinc.cfg] "
                                          "[--use-controller-cfg-file=" +
                                          path + "]");
    const std::string family_file = folder.ReadFile("ctrlr/capcfg.ini");
    QVERIFY(family_file.find("btn1=k2C") != std::string::npos);
    QCOMPARE(folder.ReadFile("ctrlr/" + set_name + ".ini"), family_file);
  }

  void FolderWithAListFileIsLeftAsItIs()
  {
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/qma.lst", "myangel3\r\n");
    StartUp(folder.session);
    QCOMPARE(folder.FilesIn("ctrlr"), std::vector<std::string>{"qma.lst"});
    QCOMPARE(folder.ReadFile("ctrlr/qma.lst"), "myangel3\r\n");
  }

  // The options box starts with the emulator's default config only where no settings file
  // exists yet; a settings file keeps its options, even none.
  void FirstStartNamesTheEmulatorsConfig()
  {
    const struct
    {
      const char* settings; // nullptr: no file
      std::string options;
    } cases[] = {
        {nullptr, "--use-config-file=zinc.cfg"},
        {"\r\n 0 \r\n 0 \r\n 0 \r\n", ""},
        {"-x\r\n 0 \r\n 0 \r\n 0 \r\n", "-x"},
    };
    for (const auto& c : cases)
    {
      EmulatorFolder folder;
      folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
      if (c.settings)
        folder.WriteFile("corvane.cfg", c.settings);
      StartUp(folder.session);
      MainWindow window(folder.session);
      QCOMPARE(window.findChild<QLineEdit*>("txtCommand")->text().toStdString(), c.options);
      QCOMPARE(window.HasUnsavedChanges(), false);
    }
  }

  void UnreadableListFileIsToldAtStartUp()
  {
    EmulatorFolder folder;
    std::filesystem::create_directory(folder.File("ctrlr/cap.lst"));
    folder.session.games = {};
    XpStyles::PrepareSession(folder.session);
    QVERIFY(folder.session.startup_problems.Describe().find("cap.lst") != std::string::npos);
  }

  void LaunchWithoutAFileAsksFirst()
  {
    const struct
    {
      bool in_a_family;
      bool file_written;
      bool answer;
      std::string_view question;
    } cases[] = {
        {false, false, false, Messages::LAUNCH_NO_FAMILY},
        {true, false, true, Messages::LAUNCH_NOT_SAVED},
        {true, true, false, {}},
    };
    for (const auto& c : cases)
    {
      EmulatorFolder folder;
      folder.WriteFile("zinc.cfg", ""); // the config question is another test's
      if (c.in_a_family)
        folder.session.groups[GroupId::Cap] = {"sfex"};
      if (c.file_written)
        folder.WriteFile("ctrlr/sfex.ini", "[player1]\r\n");
      MainWindow window(folder.session);
      MessageLog log;
      log.answer = c.answer;
      LaunchRow(window, 0);
      QCOMPARE(log.questions.empty() ? std::string() : log.questions.front(),
               std::string(c.question));
      QCOMPARE(!test::LaunchLog(folder).empty(), c.answer || c.file_written);
    }
  }
};

} // namespace corvane

QTEST_MAIN(corvane::FirstRunTest)
#include "FirstRunTest.moc"
