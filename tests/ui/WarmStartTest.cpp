// A start from the record of the last complete listing: the window shows that list at once, and
// what the listings run behind it find is taken in place.

#include "ScopedVariable.h"
#include "UiTestKit.h"
#include "app/ListingRefresh.h"
#include "base/Messages.h"
#include "ui/BackgroundListing.h"
#include "ui/main/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace corvane
{

using test::EmulatorFolder;
using test::ScopedVariable;

class WarmStartTest : public QObject
{
  Q_OBJECT

private slots:
  void ListShowsAtOnceAndTakesTheRefresh_data()
  {
    QTest::addColumn<QString>("games_now");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("shown_after");
    QTest::addColumn<QString>("status_after");
    QTest::newRow("same list") << "5"
                               << "" << 5 << "";
    QTest::newRow("other list") << "8"
                                << "" << 8
                                << QString::fromLatin1(Messages::GAME_LIST_UPDATED.data()) +
                                       " (8 games)";
    QTest::newRow("listing fails")
        << "5"
        << "hang" << 5 << QString::fromLatin1(Messages::GAME_LIST_NOT_UPDATED.data());
  }

  void ListShowsAtOnceAndTakesTheRefresh()
  {
    QFETCH(QString, games_now);
    QFETCH(QString, fault);
    QFETCH(int, shown_after);
    QFETCH(QString, status_after);
    EmulatorFolder folder;
    test::MessageLog log;
    {
      const ScopedVariable games("ZINC_STANDIN_GAMES", "5");
      QVERIFY(XpStyles::RefreshListings(folder.session.dir, false, {}).outcome.Ok());
    }
    const std::string table_before = folder.ReadFile("zincmasterlist.lst");
    Session session;
    session.dir = folder.session.dir;
    QVERIFY(XpStyles::PrepareSessionFromRecord(session));

    // The refresh hangs until its time-out in the failing case: the list is there long before.
    const ScopedVariable games("ZINC_STANDIN_GAMES", games_now.toStdString());
    const ScopedVariable knob("ZINC_STANDIN_FAULT", fault.toStdString());
    const ScopedVariable timeout("CORVANE_LISTING_TIMEOUT_MS", "1500");
    MainWindow window(session);
    window.show();
    auto* list = window.findChild<QListWidget*>("lstGames");
    auto* options = window.findChild<QLineEdit*>("txtCommand");
    auto* status = window.findChild<QLabel*>("lblStatus");
    QCOMPARE(list->count(), 5);
    list->setCurrentRow(2); // syn3
    options->setText("--typed-not-saved");
    BackgroundListing refresh(session, window);
    bool finished = false;
    connect(&refresh, &BackgroundListing::Finished, &window,
            [&](const XpStyles::ListingRefresh& found)
            {
              window.TakeRefreshedListing(found);
              finished = true;
            });
    QCOMPARE(list->count(), 5);
    QVERIFY(!finished);
    QTRY_VERIFY_WITH_TIMEOUT(finished, 20000);

    QCOMPARE(list->count(), shown_after);
    QVERIFY(status_after.isEmpty() || status->text().startsWith(status_after));
    QCOMPARE(status->text().isEmpty(), status_after.isEmpty());
    QCOMPARE(list->currentItem()->toolTip(), QString("syn3"));
    QCOMPARE(options->text(), QString("--typed-not-saved"));
    QVERIFY(log.boxes.empty());
    // A failed listing leaves the table file and its record as they were.
    if (!fault.isEmpty())
      QCOMPARE(folder.ReadFile("zincmasterlist.lst"), table_before);
    const auto record = ZincListMan::CheckListingRecord(session.dir);
    QCOMPARE(record.state, ZincListMan::RecordState::Fresh);
    QCOMPARE(static_cast<int>(record.table.rows.size()), shown_after);
  }
};

} // namespace corvane

QTEST_MAIN(corvane::WarmStartTest)
#include "WarmStartTest.moc"
