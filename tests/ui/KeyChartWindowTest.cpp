// The Key Chart window over a folder with a clash, a key not saved yet and a game's own keys:
// its tables, its PDF and its HTML file.

#include "ui/chart/KeyChartWindow.h"
#include "UiTestKit.h"
#include "ui/main/MainWindow.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace corvane
{
namespace
{

// Start 1 and Fierce Kick share "1" (a clash in the Capcom file), sfex has its own Low Punch.
void PrepareFolder(test::EmulatorFolder& folder)
{
  folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
  folder.WriteFile("ctrlr/capcfg.ini", "[player1]\r\nbtn6=k02\r\n");
  folder.WriteFile("ctrlr/cap.lst", "sfex\r\n");
  folder.WriteFile("ctrlr/tekken.lst", "tekken\r\n");
  folder.WriteFile("corvane-games.ini", "[sfex]\r\ncappunch1p1=k10\r\n");
  folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
  folder.session.game_keys = KeyCodeManager::LoadGameKeys(folder.session.dir);
}

QStringList Column(const QTableWidget& table, int column)
{
  QStringList texts;
  for (int row = 0; row < table.rowCount(); ++row)
    texts << (column < 0 ? table.verticalHeaderItem(row)->text() : table.item(row, column)->text());
  return texts;
}

// The cells of each table of an HTML document, as a rich-text reader parses them.
std::vector<std::vector<QStringList>> TablesOf(const QString& html)
{
  QTextDocument document;
  document.setHtml(html);
  std::vector<std::vector<QStringList>> tables;
  for (QTextFrame* frame : document.rootFrame()->childFrames())
  {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table)
      continue;
    std::vector<QStringList> rows(static_cast<size_t>(table->rows()));
    for (int row = 0; row < table->rows(); ++row)
      for (int column = 0; column < table->columns(); ++column)
      {
        const QTextTableCell cell = table->cellAt(row, column);
        if (cell.column() == column) // a cell spanning two columns counts once
          rows[static_cast<size_t>(row)] << QTextCursor(cell.firstCursorPosition()).block().text();
      }
    tables.push_back(std::move(rows));
  }
  return tables;
}

// What a tool prints.
QString Run(const QString& program, const QStringList& arguments)
{
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class KeyChartWindowTest : public QObject
{
  Q_OBJECT

private:
  // Opens the chart from the General page, after binding Player 2's Low Kick to "Z" unsaved.
  static KeyChartWindow* OpenChart(MainWindow& window, test::EmulatorFolder& folder)
  {
    folder.session.bindings.Set("capkick1p2", "k2C");
    window.findChild<QPushButton*>("cmdKeyChart")->click();
    return window.findChild<KeyChartWindow*>("frmKeyChart");
  }

private slots:
  void EveryFamilyIsATableWithMarks()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    PrepareFolder(folder);
    MainWindow window(folder.session);
    window.show();
    KeyChartWindow* chart = OpenChart(window, folder);
    QVERIFY(chart);
    QTRY_VERIFY(chart->isVisible());
    auto* tabs = chart->findChild<QTabWidget*>("tabFamilies");
    QCOMPARE(tabs->count(), int(GROUPS.size()));
    QCOMPARE(tabs->tabText(0), QString("Capcom 6 Button"));
    auto* cap = chart->findChild<QTableWidget*>("tblFamily0");
    QCOMPARE(cap->horizontalHeaderItem(1)->text(), QString("Player 2"));
    const QStringList inputs = Column(*cap, -1);
    QCOMPARE(inputs.size(), 17); // ten shared, six of the family, one own key of sfex
    QCOMPARE(inputs.at(4), QString("Start 1"));
    QCOMPARE(inputs.last(), QString("Street Fighter EX (sfex):\nLow Punch"));
    const QStringList player1 = Column(*cap, 0);
    const QStringList player2 = Column(*cap, 1);
    QCOMPARE(player1.at(4), QString("\u26A0 1 (also Player 1 Fierce Kick)"));
    QCOMPARE(player2.at(4), player1.at(4)); // one key for both, read in either column
    QCOMPARE(cap->columnSpan(4, 0), 2);
    QCOMPARE(player2.at(13), QString("Z (not saved yet)"));
    QCOMPARE(player1.last(), QString("Q"));
    QCOMPARE(player2.last(), QString("family key"));
    QVERIFY(cap->verticalHeader()->width() < cap->width() / 2);
    // A screen reader moving up and down hears each cell's input with its key.
    QCOMPARE(cap->item(13, 1)->data(Qt::AccessibleTextRole).toString(),
             QString("Low Kick, Player 2: Z (not saved yet)"));
    QCOMPARE(cap->item(16, 0)->data(Qt::AccessibleTextRole).toString(),
             QString("Street Fighter EX (sfex): Low Punch, Player 1: Q"));

    // A key taken meanwhile shows at once; a save clears the marks.
    folder.session.bindings.Set("capkick1p2", "k2D");
    window.findChild<QPushButton*>("cmdSave")->click();
    chart->Refresh();
    QCOMPARE(cap->item(13, 1)->text(), QString("X"));
  }

  void PdfHoldsEveryFamilyOnTheRegionsPaper_data()
  {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper"); // as pdfinfo names it
    QTest::newRow("Letter in the US") << "en_US"
                                      << "letter";
    QTest::newRow("A4 elsewhere") << "de_DE"
                                  << "A4";
  }

  void PdfHoldsEveryFamilyOnTheRegionsPaper()
  {
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    test::EmulatorFolder folder;
    test::MessageLog log;
    PrepareFolder(folder);
    MainWindow window(folder.session);
    const QString path = QString::fromStdString(folder.File("chart.pdf"));
    SetSavePathHook([&](const QString&) { return path; });
    QLocale::setDefault(QLocale(locale));
    KeyChartWindow* chart = OpenChart(window, folder);
    for (QCheckBox* family : chart->findChildren<QCheckBox*>())
      family->setChecked(true);
    chart->findChild<QPushButton*>("cmdExportPdf")->click();
    QLocale::setDefault(QLocale::c());
    SetSavePathHook({});
    QVERIFY(log.boxes.empty());
    QVERIFY(folder.ReadFile("chart.pdf").starts_with("%PDF"));
    const QString text = Run("pdftotext", {path, "-"});
    for (const GroupInfo& group : GROUPS)
      QVERIFY2(text.contains(CaptionText(BindingPageCaption(PageOf(group.id)))), qPrintable(text));
    QVERIFY(text.contains("Street Fighter EX (sfex)"));
    QVERIFY2(Run("pdfinfo", {path}).contains(QRegularExpression("Page size:.*\\(" + paper + "\\)")),
             qPrintable(Run("pdfinfo", {path})));
  }

  void HtmlTablesReadBack()
  {
    test::EmulatorFolder folder;
    test::MessageLog log;
    PrepareFolder(folder);
    MainWindow window(folder.session);
    SetSavePathHook([&](const QString&)
                    { return QString::fromStdString(folder.File("chart.html")); });
    OpenChart(window, folder)->findChild<QPushButton*>("cmdExportHtml")->click();
    SetSavePathHook({});
    const auto tables = TablesOf(QString::fromStdString(folder.ReadFile("chart.html")));
    QCOMPARE(tables.size(), 2U); // the one family in use, and sfex's own keys
    const auto& cap = tables.front();
    QCOMPARE(cap.front(), QStringList({"Input", "Player 1", "Player 2"}));
    QCOMPARE(cap.at(5), QStringList({"Start 1", "\u26A0 1 (also Player 1 Fierce Kick)"}));
    QCOMPARE(cap.at(14), QStringList({"Low Kick", "not bound", "Z (not saved yet)"}));
    // sfex's own keys follow its family's table, and hold only the input it has its own key for.
    QCOMPARE(tables.at(1).size(), 2U);
    QCOMPARE(tables.at(1).at(1), QStringList({"Low Punch", "Q", "family key"}));
  }

  // The chart starts with the families a player uses; the player's choice decides the tabs and
  // the document alike, and the tabs fit the window as it opens.
  void ChosenFamiliesAreShownPrintedAndExported()
  {
    struct Case
    {
      const char* name;
      const char* bound; // a slot given a key; nullptr: none
      std::vector<std::pair<std::string, std::string>> files;
      QString ticked; // one digit per family: 1 ticked
    };
    const Case cases[] = {
        {"nothing bound: every family", nullptr, {}, "11111"},
        {"a family key bound", "tekkenleftpunchp2", {}, "00010"},
        {"a shared key and a listed game choose none",
         "start1",
         {{"ctrlr/cap.lst", "sfa\r\n"}},
         "11111"},
        {"a game's own keys",
         nullptr,
         {{"ctrlr/souledge.lst", "sfex\r\n"}, {"corvane-games.ini", "[sfex]\r\nsekickp1=k10\r\n"}},
         "00001"},
    };
    for (const Case& c : cases)
    {
      test::EmulatorFolder folder;
      for (const auto& [file, text] : c.files)
        folder.WriteFile(file, text);
      if (c.bound)
        folder.session.bindings.Set(c.bound, "k10");
      folder.session.groups = ZincListMan::LoadGroupLists(folder.session.dir);
      folder.session.game_keys = KeyCodeManager::LoadGameKeys(folder.session.dir);
      KeyChartWindow chart(folder.session);
      chart.show();
      auto* tabs = chart.findChild<QTabWidget*>("tabFamilies");
      QString ticked;
      for (int i = 0; i < int(GROUPS.size()); ++i)
      {
        const bool on =
            chart.findChild<QCheckBox*>(QStringLiteral("chkFamily%1").arg(i))->isChecked();
        ticked += on ? '1' : '0';
        QCOMPARE(tabs->isTabVisible(i), on);
        QCOMPARE(chart.Html().contains(tabs->tabText(i).toHtmlEscaped()), on);
      }
      QCOMPARE(ticked, c.ticked);
      QVERIFY2(!tabs->usesScrollButtons(), c.name);
      QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->width(), c.name);
    }
    // Unticking hides the tab and drops the family from the document; none left: nothing to print.
    test::EmulatorFolder folder;
    KeyChartWindow chart(folder.session);
    for (QCheckBox* family : chart.findChildren<QCheckBox*>())
    {
      family->setChecked(false);
      QVERIFY(!chart.Html().contains(family->text().toHtmlEscaped()));
    }
    QVERIFY(!chart.findChild<QPushButton*>("cmdPrint")->isEnabled());
  }
};

} // namespace corvane

QTEST_MAIN(corvane::KeyChartWindowTest)
#include "KeyChartWindowTest.moc"
