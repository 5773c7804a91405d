// The main window and the key dialog as a screen reader and a keyboard user meet them: the
// accessibility tree, the focus order, the page keys, and boxes changed by any means saving
// what they show.

#include "UiTestKit.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "ui/grouping/GroupingWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

namespace
{

QAccessibleInterface* Accessible(QObject* object)
{
  return QAccessible::queryAccessibleInterface(object);
}

void DoAction(QAccessibleInterface* node, const QString& action)
{
  QVERIFY(node && node->actionInterface());
  QVERIFY2(node->actionInterface()->actionNames().contains(action), qPrintable(action));
  node->actionInterface()->doAction(action);
}

int ShownPage(const MainWindow& window)
{
  for (int page = 0; auto* frame = window.findChild<QFrame*>(QString("fraOpt%1").arg(page)); ++page)
    if (frame->isVisible())
      return page;
  return -1;
}

// Shows the window and makes it the active one, as keys need; false when it never became so.
bool ShowActive(QWidget& window)
{
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// Object names of the controls Tab visits from the focused one until it comes back.
QStringList TabCycle()
{
  QStringList names;
  const QWidget* first = QApplication::focusWidget();
  do
  {
    names << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  } while (QApplication::focusWidget() != first && names.size() < 60);
  return names;
}

} // namespace

class MainWindowAccessTest : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase() { QAccessible::setActive(true); }

  void TabStripIsAPageTabListWithPressablePages()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    auto* strip = window.findChild<TabStrip*>("TabStrip1");
    QAccessibleInterface* list = Accessible(strip);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), strip->count());
    for (int tab = 0; tab < strip->count(); ++tab)
    {
      QAccessibleInterface* page_tab = list->child(tab);
      QCOMPARE(page_tab->role(), QAccessible::PageTab);
      QCOMPARE(page_tab->text(QAccessible::Name), strip->tabText(tab));
      QCOMPARE(page_tab->text(QAccessible::Description), strip->tabToolTip(tab));
      QCOMPARE(page_tab->parent(), list);
      QCOMPARE(list->indexOfChild(page_tab), tab);
      QCOMPARE(page_tab->rect().center(), strip->mapToGlobal(strip->tabRect(tab).center()));
      QCOMPARE(list->childAt(page_tab->rect().center().x(), page_tab->rect().center().y()),
               page_tab);
      QAccessibleInterface* page =
          Accessible(window.findChild<QFrame*>(QString("fraOpt%1").arg(tab)));
      QCOMPARE(page->role(), QAccessible::PropertyPage);
      QCOMPARE(page->text(QAccessible::Name), strip->tabText(tab));
    }
    for (const int tab : {6, 2, 0})
    {
      DoAction(list->child(tab), QAccessibleActionInterface::pressAction());
      QCOMPARE(ShownPage(window), tab);
      for (int other = 0; other < strip->count(); ++other)
        QCOMPARE(bool(list->child(other)->state().selected), other == tab);
    }
  }

  void ControlsHaveNamesAListenerUnderstands_data()
  {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("options box, by its label")
        << "txtCommand"
        << "Options Passed to Zinc  Be aware that zinc doesn't function without a valid cfg file.";
    QTest::newRow("error output box") << "txtError"
                                      << "Plugin error output";
    QTest::newRow("game list") << "lstGames"
                               << "Games";
    QTest::newRow("binding button, by its caption") << "SEKick"
                                                    << "Kick / Beast";
    QTest::newRow("access key left out") << "cmdLaunch"
                                         << "Launch";
    QTest::newRow("flag box") << "chkShowcmd"
                              << "Show Command Line";
    QTest::newRow("game filter") << "txtFilter"
                                 << "Filter";
  }

  void ControlsHaveNamesAListenerUnderstands()
  {
    QFETCH(QString, control);
    QFETCH(QString, name);
    EmulatorFolder folder;
    MainWindow window(folder.session);
    QCOMPARE(Accessible(window.findChild<QWidget*>(control))->text(QAccessible::Name), name);
  }

  // Orca reads a window's title from the frame above the focus: each window is one, named by its
  // title.
  void WindowsReportAsFramesWithTheirTitles()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    GroupingWindow grouping(folder.session);
    const std::pair<QWidget*, QString> windows[] = {
        {&window, "Corvane Control Configuration Manager"},
        {&grouping, "Drag Roms Back and Forth to Change Grouping"},
    };
    for (const auto& [shown, title] : windows)
    {
      QAccessibleInterface* frame = Accessible(shown);
      QCOMPARE(frame->role(), QAccessible::Window);
      QCOMPARE(frame->text(QAccessible::Name), title);
    }
  }

  void StartsWithTheFocusOnTheFirstControl()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("UP"));
  }

  void TabVisitsTheShownPageInReadingOrderThenTheStrip_data()
  {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("cycle");
    const QStringList below = {"optP1",   "chkCfgWrapper", "chkMakeDat",
                               "cmdSave", "cmdCancel",     "TabStrip1"};
    QTest::newRow("General") << 0
                             << QStringList{"UP",         "cmdStart1",     "CmdStart2",
                                            "Left",       "Right",         "CmdCoin1",
                                            "cmdCoin2",   "Down",          "cmdTest",
                                            "cmdService", "chkWalkShared", "chkError",
                                            "txtError",   "cmdKeyChart",   "cmdBindAll0",
                                            "cmdManCont", "Command1",      "Command2"} +
                                    below;
    QTest::newRow("Soul Edge") << 5
                               << QStringList{"SEAttackHor", "SEAttackVert", "SEKick", "SEGuard",
                                              "cmdBindAll5"} +
                                      below;
    QTest::newRow("Launch") << 6
                            << QStringList{"txtFilter", "lstGames",   "chkShowcmd",
                                           "cmdLaunch", "cmdOwnKeys", "txtCommand"} +
                                   below;
  }

  void TabVisitsTheShownPageInReadingOrderThenTheStrip()
  {
    QFETCH(int, page);
    QFETCH(QStringList, cycle);
    EmulatorFolder folder;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    auto* strip = window.findChild<TabStrip*>("TabStrip1");
    strip->setCurrentIndex(page);
    window.findChild<QWidget*>(cycle.front())->setFocus(Qt::TabFocusReason);
    QCOMPARE(TabCycle(), cycle);
  }

  void PageKeys_data()
  {
    QTest::addColumn<bool>("on_strip"); // else from a button of the page
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Right") << true << int(Qt::Key_Right) << 0 << 2 << 3;
    QTest::newRow("Left") << true << int(Qt::Key_Left) << 0 << 2 << 1;
    QTest::newRow("Left stops at the first") << true << int(Qt::Key_Left) << 0 << 0 << 0;
    QTest::newRow("Right stops at the last") << true << int(Qt::Key_Right) << 0 << 6 << 6;
    QTest::newRow("Home") << true << int(Qt::Key_Home) << 0 << 4 << 0;
    QTest::newRow("End") << true << int(Qt::Key_End) << 0 << 1 << 6;
    QTest::newRow("Ctrl+PgDn") << false << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 2
                               << 3;
    QTest::newRow("Ctrl+PgUp wraps")
        << false << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 0 << 6;
    QTest::newRow("Ctrl+Tab wraps")
        << false << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 6 << 0;
  }

  void PageKeys()
  {
    QFETCH(bool, on_strip);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);
    EmulatorFolder folder;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    auto* strip = window.findChild<TabStrip*>("TabStrip1");
    strip->setCurrentIndex(from);
    QWidget* target = strip;
    if (!on_strip)
      target = window.findChild<QFrame*>(QString("fraOpt%1").arg(from))->findChild<QPushButton*>();
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ShownPage(window), to);
    // Focus left on a page that went away moves to the new page, not below it.
    if (!on_strip)
      QVERIFY(window.findChild<QFrame*>(QString("fraOpt%1").arg(to))
                  ->isAncestorOf(QApplication::focusWidget()));
  }

  void BoxesSaveWhatTheyShowHoweverChanged_data()
  {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    for (const char* box : {"chkShowcmd", "chkMakeDat", "chkCfgWrapper", "chkError"})
      for (const char* how : {"click", "space", "accessible toggle", "code"})
        QTest::addRow("%s by %s", box, how) << box << how;
  }

  // Each way ticks the box once and unticks it; the files after each must match a click's.
  void BoxesSaveWhatTheyShowHoweverChanged()
  {
    QFETCH(QString, box);
    QFETCH(QString, how);
    for (const bool tick : {true, false})
    {
      const auto saved_by = [&](const QString& way)
      {
        EmulatorFolder folder;
        MainWindow window(folder.session);
        window.show();
        auto* check = window.findChild<QCheckBox*>(box);
        for (int times = tick ? 1 : 2; times > 0; --times)
          if (way == "click")
            QTest::mouseClick(check, Qt::LeftButton);
          else if (way == "space")
            QTest::keyClick(check, Qt::Key_Space);
          else if (way == "accessible toggle")
            Accessible(check)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
          else
            check->setChecked(!check->isChecked());
        MessageLog log;
        window.SaveAllChanges();
        return folder.ReadFile("corvane.cfg") + folder.ReadFile("ctrlr/allcfg.ini");
      };
      QCOMPARE(saved_by(how), saved_by("click"));
    }
  }

  // Once out of the grey state, by whatever means, a box is two-state: two clicks bring it back.
  void GreyedBoxLeavesGreyForGoodWhateverChangedIt()
  {
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/allcfg.ini", "[General]\r\nNOERROR=2\r\n");
    folder.session.settings.ShowCmdFlag = 2;
    MainWindow window(folder.session);
    window.show();
    for (const char* name : {"chkError", "chkShowcmd"})
    {
      auto* box = window.findChild<QCheckBox*>(name);
      QCOMPARE(box->checkState(), Qt::PartiallyChecked);
      Accessible(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
      const Qt::CheckState toggled = box->checkState();
      QVERIFY(toggled != Qt::PartiallyChecked);
      QTest::mouseClick(box, Qt::LeftButton);
      QTest::mouseClick(box, Qt::LeftButton);
      QCOMPARE(box->checkState(), toggled);
    }
    QCOMPARE(folder.session.settings.ShowCmdFlag,
             int16_t(window.findChild<QCheckBox*>("chkShowcmd")->isChecked() ? 1 : 0));
  }

  void EnterOnAGameLaunchesIt()
  {
    EmulatorFolder folder;
    folder.session.settings.ShowCmdFlag = 1;
    MainWindow window(folder.session);
    QVERIFY(ShowActive(window));
    window.findChild<TabStrip*>("TabStrip1")->setCurrentIndex(6);
    auto* games = window.findChild<QListWidget*>("lstGames");
    games->setFocus();
    games->setCurrentRow(1);
    MessageLog log;
    QTest::keyClick(games, Qt::Key_Return);
    QCOMPARE(log.boxes.size(), size_t(1));
    QVERIFY(log.boxes[0].second.starts_with("zinc.exe 7 "));
  }

  void KeyDialogReadsItsKeyWhenItOpens()
  {
    EmulatorFolder folder;
    folder.session.bindings.CurrentKey = "k2A";
    KeyDialog dialog(folder.session.bindings);
    QAccessibleInterface* node = Accessible(&dialog);
    QCOMPARE(node->role(), QAccessible::Window); // a frame: where Orca's read-title looks
    QCOMPARE(node->text(QAccessible::Name), QString("Press The Key You Wish to Bind"));
    const QString hint = QString::fromStdString(std::string(Messages::KEYS_HINT));
    // Read from its lines only: a description repeating them had Orca say them twice.
    QVERIFY(node->text(QAccessible::Description).isEmpty());
    QStringList texts;
    for (int child = 0; child < node->childCount(); ++child)
      if (node->child(child)->role() == QAccessible::StaticText &&
          !static_cast<QWidget*>(node->child(child)->object())->isHidden())
        texts << node->child(child)->text(QAccessible::Name);
    QCOMPARE(texts, (QStringList{"LSHIFT", "k2A", hint}));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::MainWindowAccessTest)
#include "MainWindowAccessTest.moc"
