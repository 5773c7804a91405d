// A new player's first steps: start-up in a folder where the program never ran, Save, launch,
// and the question before launching a game that has no controller file.

#include "UiTestKit.h"
#include "app/StartUp.h"
#include "base/Messages.h"
#include "catalogue/GroupLists.h"
#include "ui/Form1.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace corvane
{

using test::EmulatorFolder;
using test::LaunchLog;
using test::MessageLog;

namespace
{

// Every file under "ctrlr" with its bytes.
std::map<std::string, std::string> CtrlrFiles(const EmulatorFolder& folder)
{
  std::map<std::string, std::string> files;
  for (const std::string& name : folder.FilesIn("ctrlr"))
    files[name] = folder.ReadFile("ctrlr/" + name);
  return files;
}

// Interactive start-up up to the window, as the program runs it.
void StartUp(Session& session)
{
  session.games = {};
  XpStyles::PrepareSession(session);
  QVERIFY(XpStyles::RunInteractiveStartJobs(session).Ok());
}

void LaunchRow(Form1& window, int row)
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
    Form1 window(folder.session);
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
    QVERIFY(log.questions.empty());
    const std::string path = folder.File("ctrlr/" + set_name + ".ini");
    // A folder without settings has no options either.
    QCOMPARE(LaunchLog(folder), "[" + game->number + "] [--use-controller-cfg-file=" + path + "]");
    const std::string family_file = folder.ReadFile("ctrlr/capcfg.ini");
    QVERIFY(family_file.find("btn1=k2C") != std::string::npos);
    QCOMPARE(folder.ReadFile("ctrlr/" + set_name + ".ini"), family_file);
  }

  void StartUpSortsOnlyWhereNoListExists_data()
  {
    QTest::addColumn<QString>("list_file"); // written before start-up, when not empty
    QTest::addColumn<QString>("fault");     // of the stand-in's listing
    QTest::addColumn<bool>("sorted");
    QTest::newRow("no list file") << ""
                                  << "" << true;
    QTest::newRow("one list file") << "qma.lst"
                                   << "" << false;
    QTest::newRow("listing printed no game") << ""
                                             << "empty" << false;
  }

  void StartUpSortsOnlyWhereNoListExists()
  {
    QFETCH(QString, list_file);
    QFETCH(QString, fault);
    QFETCH(bool, sorted);
    EmulatorFolder folder;
    if (!list_file.isEmpty())
      folder.WriteFile("ctrlr/" + list_file.toStdString(), "myangel3\r\n");
    const auto before = CtrlrFiles(folder);
    if (!fault.isEmpty())
      setenv("ZINC_STANDIN_FAULT", fault.toLatin1().constData(), 1);
    MessageLog log;
    Session& session = folder.session;
    StartUp(session);
    unsetenv("ZINC_STANDIN_FAULT");
    if (!sorted)
    {
      QCOMPARE(CtrlrFiles(folder), before);
      return;
    }
    QCOMPARE(folder.FilesIn("ctrlr"), (std::vector<std::string>{"3but.lst", "cap.lst", "qma.lst",
                                                                "souledge.lst", "tekken.lst"}));
    QCOMPARE(ZincListMan::LoadGroupLists(session.dir), session.groups);
    size_t listed = 0;
    for (const auto& entries : session.groups.entries)
      listed += entries.size();
    QCOMPARE(listed, session.games.rows.size());
  }

  void LaunchWithoutAFileAsksFirst_data()
  {
    QTest::addColumn<bool>("in_a_family");
    QTest::addColumn<bool>("file_written");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::newRow("no family, not started")
        << false << false << false << QString::fromLatin1(Messages::LAUNCH_NO_FAMILY.data());
    QTest::newRow("never saved, started anyway")
        << true << false << true << QString::fromLatin1(Messages::LAUNCH_NOT_SAVED.data());
    QTest::newRow("file written, no question") << true << true << false << QString();
  }

  void LaunchWithoutAFileAsksFirst()
  {
    QFETCH(bool, in_a_family);
    QFETCH(bool, file_written);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    EmulatorFolder folder;
    if (in_a_family)
      folder.session.groups[GroupId::Cap] = {"sfex"};
    if (file_written)
      folder.WriteFile("ctrlr/sfex.ini", "[player1]\r\n");
    Form1 window(folder.session);
    window.show();
    MessageLog log;
    log.answer = answer;
    LaunchRow(window, 0);
    const std::vector<std::string> asked = question.isEmpty()
                                               ? std::vector<std::string>{}
                                               : std::vector<std::string>{question.toStdString()};
    QCOMPARE(log.questions, asked);
    const bool started = answer || file_written;
    QCOMPARE(!LaunchLog(folder).empty(), started);
  }
};

} // namespace corvane

QTEST_MAIN(corvane::FirstRunTest)
#include "FirstRunTest.moc"
