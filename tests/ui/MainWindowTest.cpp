// The main window's pages, option boxes, Save and Cancel.

#include "ui/main/MainWindow.h"
#include "UiTestKit.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "ui/Interactive.h"
#include "ui/desktop/Dialogs.h"
#include "ui/widgets/TabStrip.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace corvane
{

using test::EmulatorFolder;
using test::MessageLog;

class MainWindowTest : public QObject
{
  Q_OBJECT

private:
  static QList<QFrame*> Pages(const MainWindow& window)
  {
    QList<QFrame*> pages;
    for (int index = 0;; ++index)
    {
      auto* page = window.findChild<QFrame*>(QString("fraOpt%1").arg(index));
      if (!page)
        return pages;
      pages.append(page);
    }
  }

  static int VisiblePage(const MainWindow& window)
  {
    int visible = -1;
    const auto pages = Pages(window);
    for (int index = 0; index < pages.size(); ++index)
      if (pages[index]->isVisible())
      {
        if (visible >= 0)
          return -2; // more than one
        visible = index;
      }
    return visible;
  }

private slots:
  // A box with a short text ("All Changes Saved") was too narrow for a window manager to show
  // its title beside its buttons.
  void MessageBoxHoldsItsWholeTitle()
  {
    QWidget parent;
    int width = 0;
    int title = 0;
    QTimer::singleShot(0,
                       [&]
                       {
                         QWidget* box = QApplication::activeModalWidget();
                         title = box->fontMetrics().horizontalAdvance(box->windowTitle());
                         width = box->width();
                         box->close();
                       });
    ShowMessage(&parent, MessageKind::Plain, Messages::ALL_CHANGES_SAVED);
    QVERIFY2(width >= title + 150, qPrintable(QStringLiteral("%1 for %2").arg(width).arg(title)));
  }

  void LoadsOnTheGeneralPageWithPlayerOne()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Corvane Control Configuration Manager"));
    QCOMPARE(VisiblePage(window), 0);
    QVERIFY(window.findChild<QRadioButton*>("optP1")->isChecked());
    for (QFrame* page : Pages(window))
      QCOMPARE(page->geometry(), QRect(8, 67, 581, 295));
    auto* games = window.findChild<QListWidget*>("lstGames");
    QCOMPARE(games->count(), 3);
    QCOMPARE(games->item(2)->text(), QString("Tekken")); // duplicates kept, in row order
    QCOMPARE(games->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(window.findChild<QLineEdit*>("txtCommand")->text(),
             QString("--use-config-file=zinc.cfg"));
  }

  void EachTabShowsItsPage()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    const QStringList captions = {"General",
                                  "Capcom 6 Button",
                                  "3 Buttons or Less",
                                  "Quiz My Angel 3 /Paca Paca Passion",
                                  "Tekken Games",
                                  "Soul Edge / Ehrgeiz / Bloody Roar 2",
                                  "Launch"};
    QCOMPARE(tabs->count(), captions.size());
    QCOMPARE(Pages(window).size(), captions.size());
    for (const int tab : {6, 1, 5, 0, 3, 2, 4})
    {
      QCOMPARE(tabs->tabText(tab), captions[tab]);
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
      QCOMPARE(VisiblePage(window), tab);
      QVERIFY(tabs->tabRect(tab).right() < window.width()); // no caption cut off
    }
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(VisiblePage(window), 5);
    QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(VisiblePage(window), 4);
    QCOMPARE(tabs->tabToolTip(6), QString("Launch a Game To See If you Like it's Setup"));
  }

  void NothingMovesWhenTheWindowIsResized_data()
  {
    QTest::addColumn<QSize>("size");
    QTest::newRow("narrower") << QSize(300, 415);
    QTest::newRow("lower") << QSize(602, 200);
    QTest::newRow("larger") << QSize(900, 600);
  }

  void NothingMovesWhenTheWindowIsResized()
  {
    QFETCH(QSize, size);
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    QList<QRect> tab_rects;
    for (int tab = 0; tab < tabs->count(); ++tab)
      tab_rects << tabs->tabRect(tab);
    window.resize(size);
    QCOMPARE(window.size(), QSize(602, 415));
    QCOMPARE(tabs->geometry(), QRect(0, 0, 602, 415));
    for (int tab = 0; tab < tabs->count(); ++tab)
    {
      QCOMPARE(tabs->tabRect(tab), tab_rects[tab]);
      QVERIFY(tabs->tabRect(tab).bottom() < Pages(window)[0]->y()); // no page over a tab
    }
  }

  void BoxesAndButtonsAreFilledWithThePageColour()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    const QRgb page_colour = qRgb(250, 250, 255);
    for (const char* name :
         {"chkError", "chkCfgWrapper", "chkMakeDat", "chkShowcmd", "optP1", "optP2"})
    {
      // The top and bottom rows lie above and below the box or button and its caption.
      const QImage image = window.findChild<QWidget*>(name)->grab().toImage();
      for (const int y : {0, image.height() - 1})
        for (int x = 0; x < image.width(); ++x)
          QVERIFY2(image.pixel(x, y) == page_colour, name);
    }
  }

  void OptionBoxesChangeTheirFlagsOnly()
  {
    EmulatorFolder folder;
    folder.session.settings.ShowCmdFlag = 2; // a greyed box in the file
    folder.session.settings.CfgWrapperFlag = 1;
    MainWindow window(folder.session);
    window.show();
    auto* show_cmd = window.findChild<QCheckBox*>("chkShowcmd");
    QCOMPARE(show_cmd->checkState(), Qt::PartiallyChecked);
    QCOMPARE(window.findChild<QCheckBox*>("chkCfgWrapper")->checkState(), Qt::Checked);
    QCOMPARE(window.findChild<QCheckBox*>("chkMakeDat")->checkState(), Qt::Unchecked);
    show_cmd->click();
    QCOMPARE(folder.session.settings.ShowCmdFlag, int16_t(1));
    show_cmd->click();
    QCOMPARE(folder.session.settings.ShowCmdFlag, int16_t(0));
    window.findChild<QCheckBox*>("chkMakeDat")->click();
    QCOMPARE(folder.session.settings.MakeDatFlag, int16_t(1));
    QVERIFY(!folder.Exists("emu/corvane.cfg"));
  }

  void SaveWritesControllerFilesAndSettings()
  {
    EmulatorFolder folder;
    folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
    MainWindow window(folder.session);
    window.show();
    QSignalSpy reloaded(&window, &MainWindow::GroupListsReloaded);
    window.findChild<QRadioButton*>("optP2")->click();
    window.findChild<QPushButton*>("CapPunch1")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_Shift);
    window.findChild<QLineEdit*>("txtCommand")->setText("--use-config-file=mine.cfg");
    MessageLog log;
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QCOMPARE(log.boxes.size(), size_t(1));
    // Both rows of "tekken" stand in no list: news after the praise, not a failure.
    QCOMPARE(
        log.boxes[0],
        std::make_pair(MessageKind::Plain,
                       std::string("All Changes Saved\n\n2 games have no family yet and get no "
                                   "controller file")));
    QCOMPARE(reloaded.count(), 1);
    const std::string cap = folder.ReadFile("ctrlr/capcfg.ini");
    QVERIFY2(cap.find("[player2]\r\nbtn1=k2A\r\n") != std::string::npos, cap.c_str());
    QCOMPARE(folder.ReadFile("ctrlr/sfex.ini"), cap);
    QVERIFY(folder.ReadFile("ctrlr/allcfg.ini").find("NOERROR=0") != std::string::npos);
    QCOMPARE(folder.ReadFile("corvane.cfg"),
             ZincListMan::SettingsFileText("--use-config-file=mine.cfg", folder.session.settings));
    QCOMPARE(folder.session.groups[GroupId::Cap], std::vector<std::string>{"sfex"});
  }

  void SaveKeepsTheOptionsBytes_data()
  {
    QTest::addColumn<QByteArray>("options");
    QTest::newRow("longer than a box holds") << QByteArray(40000, 'x');
    QTest::newRow("bytes the locale cannot show") << QByteArray("--a=\xE9\xFF\x81 b");
  }

  void SaveKeepsTheOptionsBytes()
  {
    QFETCH(QByteArray, options);
    EmulatorFolder folder;
    folder.session.settings.CommandOptions = options.toStdString();
    MainWindow window(folder.session);
    MessageLog log;
    window.SaveAllChanges();
    QCOMPARE(folder.ReadFile("corvane.cfg"),
             ZincListMan::SettingsFileText(options.toStdString(), folder.session.settings));
  }

  void SaveWithWrapperOnButNoWrapperWarns()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    window.findChild<QCheckBox*>("chkCfgWrapper")->click();
    MessageLog log;
    window.SaveAllChanges();
    QCOMPARE(log.boxes.size(), size_t(2));
    QCOMPARE(log.boxes[0].first, MessageKind::Warning);
    QCOMPARE(log.boxes[0].second, std::string(Messages::WRAPPER_NOT_FOUND));
    QVERIFY(log.boxes[1].second.starts_with("All Changes Saved"));
    QVERIFY(!folder.Exists("emu/lconfig.ini"));
  }

  void FailedSaveIsReportedNotPraised()
  {
    EmulatorFolder folder;
    std::filesystem::create_directories(folder.File("corvane.cfg")); // cannot be replaced
    MainWindow window(folder.session);
    MessageLog log;
    window.SaveAllChanges();
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].first, MessageKind::Warning);
    QVERIFY(log.boxes[0].second.starts_with(Messages::SAVE_INCOMPLETE));
    QVERIFY(log.boxes[0].second.find("corvane.cfg") != std::string::npos);
  }

  void CancelAndCloseBoxSaveNothing_data()
  {
    QTest::addColumn<bool>("use_cancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("close box") << false;
  }

  void CancelAndCloseBoxSaveNothing()
  {
    QFETCH(bool, use_cancel);
    EmulatorFolder folder;
    folder.WriteFile("corvane.cfg", "old\r\n 0 \r\n 0 \r\n 0 \r\n");
    MainWindow window(folder.session);
    window.show();
    window.findChild<QPushButton*>("UP")->click();
    QTest::keyClick(test::OpenKeyDialog(), Qt::Key_A);
    window.findChild<QCheckBox*>("chkShowcmd")->click();
    window.findChild<QPushButton*>("Down")->click(); // a dialog left open
    MessageLog log;
    log.unsaved_answer = UnsavedAnswer::Discard; // the close box asks; Cancel never does
    if (use_cancel)
      QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    else
      window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(!test::OpenKeyDialog());
    QVERIFY(log.boxes.empty());
    QCOMPARE(log.questions.size(), size_t(use_cancel ? 0 : 1));
    QCOMPARE(folder.FilesIn("ctrlr"), std::vector<std::string>{});
    QCOMPARE(folder.ReadFile("corvane.cfg"), "old\r\n 0 \r\n 0 \r\n 0 \r\n");
  }

  void ManageGroupingsAsksForTheGroupingWindow()
  {
    EmulatorFolder folder;
    MainWindow window(folder.session);
    QSignalSpy asked(&window, &MainWindow::ManageGroupsRequested);
    window.findChild<QPushButton*>("cmdManCont")->click();
    QCOMPARE(asked.count(), 1);
  }

  void MissingEmulatorEndsWithTheCriticalMessage()
  {
    EmulatorFolder folder;
    std::filesystem::remove(folder.File("zinc.exe"));
    MessageLog log;
    QCOMPARE(RunInteractive(folder.session), 2);
    QCOMPARE(log.boxes.size(), size_t(1));
    QCOMPARE(log.boxes[0].first, MessageKind::Critical);
    QCOMPARE(log.boxes[0].second, std::string(Messages::EMULATOR_MISSING));
    QCOMPARE(folder.FilesIn(""), std::vector<std::string>{"ctrlr"});
  }
};

} // namespace corvane

QTEST_MAIN(corvane::MainWindowTest)
#include "MainWindowTest.moc"
