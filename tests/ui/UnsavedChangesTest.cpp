// The unsaved mark in the window titles and the question the close box asks before it ends.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "ui/chart/KeyChartWindow.h"
#include "ui/main/MainWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <functional>

namespace corvane
{

namespace
{

const QString CAPTION = QString::fromStdString(std::string(Messages::MAIN_CAPTION));
const QString MARKED = "*" + CAPTION;

// One kind of change a Save would write, made as a user makes it.
using Change = std::function<void(MainWindow&)>;

void BindUpToA(MainWindow& window)
{
  window.findChild<QPushButton*>("UP")->click();
  QTest::keyClick(test::OpenKeyDialog(), Qt::Key_A);
}

void Type(MainWindow& window, const char* box, const QString& text)
{
  auto* line = window.findChild<QLineEdit*>(box);
  line->selectAll();
  QTest::keyClicks(line, text);
}

void Tick(MainWindow& window, const char* box)
{
  window.findChild<QCheckBox*>(box)->click();
}

} // namespace
} // namespace corvane

Q_DECLARE_METATYPE(corvane::Change)

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

class UnsavedChangesTest : public QObject
{
  Q_OBJECT

private slots:
  void TitleMarksWhatASaveWouldWrite_data()
  {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("marked");
    QTest::newRow("binding") << Change(BindUpToA) << true;
    QTest::newRow("binding cleared")
        << Change([](MainWindow& w)
                  { QTest::keyClick(w.findChild<QPushButton*>("Down"), Qt::Key_Delete); })
        << true;
    QTest::newRow("options text") << Change([](MainWindow& w) { Type(w, "txtCommand", "-x"); })
                                  << true;
    QTest::newRow("options text typed back")
        << Change([](MainWindow& w) { Type(w, "txtCommand", "--use-config-file=zinc.cfg"); })
        << false;
    QTest::newRow("error output") << Change([](MainWindow& w) { Type(w, "txtError", "e"); })
                                  << true;
    QTest::newRow("halt on errors") << Change([](MainWindow& w) { Tick(w, "chkError"); }) << true;
    QTest::newRow("show command line")
        << Change([](MainWindow& w) { Tick(w, "chkShowcmd"); }) << true;
    QTest::newRow("wrapper box ticked twice") << Change(
                                                     [](MainWindow& w)
                                                     {
                                                       Tick(w, "chkCfgWrapper");
                                                       Tick(w, "chkCfgWrapper");
                                                     })
                                              << false;
    QTest::newRow("player chosen")
        << Change([](MainWindow& w) { w.findChild<QRadioButton*>("optP2")->click(); }) << false;
    QTest::newRow("lists rescanned")
        << Change([](MainWindow& w) { w.NoteListsRewritten(); }) << true;
  }

  void TitleMarksWhatASaveWouldWrite()
  {
    QFETCH(Change, change);
    QFETCH(bool, marked);
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\ndown=k03\r\n");
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    QCOMPARE(window.windowTitle(), CAPTION);
    change(window);
    QCOMPARE(window.windowTitle(), marked ? MARKED : CAPTION);
    QCOMPARE(window.HasUnsavedChanges(), marked);
    window.findChild<QPushButton*>("cmdSave")->click();
    QCOMPARE(window.windowTitle(), CAPTION);
  }

  void CloseBoxAsksAboutUnsavedChanges_data()
  {
    QTest::addColumn<bool>("bind");
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("allcfg_up"); // player 1's "up" in allcfg.ini, "-" for no file
    QTest::newRow("save") << true << UnsavedAnswer::Save << true << "k1E";
    QTest::newRow("discard") << true << UnsavedAnswer::Discard << true << "-";
    QTest::newRow("cancel") << true << UnsavedAnswer::Cancel << false << "-";
    QTest::newRow("nothing unsaved") << false << UnsavedAnswer::Cancel << true << "-";
  }

  void CloseBoxAsksAboutUnsavedChanges()
  {
    QFETCH(bool, bind);
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, closed);
    QFETCH(QString, allcfg_up);
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    if (bind)
      BindUpToA(window);
    MessageLog log;
    log.unsaved_answer = answer;
    window.close();
    QCOMPARE(log.questions.size(), size_t(bind ? 1 : 0));
    if (bind)
      QCOMPARE(log.questions[0], std::string(Messages::UNSAVED_QUESTION));
    QCOMPARE(window.isVisible(), !closed);
    if (!closed)
      QCOMPARE(window.windowTitle(), MARKED);
    const std::string allcfg = folder.ReadFile("ctrlr/allcfg.ini");
    if (allcfg_up == "-")
      QCOMPARE(allcfg, "<missing>");
    else
      QVERIFY(allcfg.find("up=" + allcfg_up.toStdString()) != std::string::npos);
  }

  // A game's file the player made read-only is kept and told, and what was written counts as
  // saved: the mark clears, the key chart marks nothing, and the close box closes. A family
  // file kept read-only leaves the changes unsaved, and the close box's Save keeps the window.
  void ProtectedGameFileCountsAsThePlayersChoice_data()
  {
    QTest::addColumn<QString>("protected_file");
    QTest::addColumn<bool>("counts_as_saved");
    QTest::newRow("game's file") << "ctrlr/sfex.ini" << true;
    QTest::newRow("family file") << "ctrlr/capcfg.ini" << false;
  }

  void ProtectedGameFileCountsAsThePlayersChoice()
  {
    QFETCH(QString, protected_file);
    QFETCH(bool, counts_as_saved);
    const std::string file = protected_file.toStdString();
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
    folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
    folder.WriteFile(file, "mine\r\n");
    std::filesystem::permissions(folder.File(file), std::filesystem::perms(0444));
    MainWindow window(folder.session);
    window.show();
    MessageLog log;
    BindUpToA(window);
    window.findChild<QPushButton*>("cmdSave")->click();
    QCOMPARE(folder.ReadFile(file), "mine\r\n");
    QCOMPARE(log.boxes.size(), size_t(1));
    const std::string_view heading =
        counts_as_saved ? Messages::SAVED_EXCEPT_PROTECTED : Messages::SAVE_INCOMPLETE;
    QVERIFY(log.boxes[0].second.starts_with(heading));
    QVERIFY(log.boxes[0].second.find(folder.File(file)) != std::string::npos);
    QCOMPARE(window.windowTitle(), counts_as_saved ? CAPTION : MARKED);
    const KeyChartWindow chart(folder.session);
    QCOMPARE(chart.Html().contains(QString::fromStdString(std::string(Messages::CHART_UNSAVED))),
             !counts_as_saved);
    log.unsaved_answer = UnsavedAnswer::Save;
    window.close();
    QCOMPARE(window.isVisible(), !counts_as_saved);
    std::filesystem::permissions(folder.File(file), std::filesystem::perms(0644));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::UnsavedChangesTest)
#include "UnsavedChangesTest.moc"
