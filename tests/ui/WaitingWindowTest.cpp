// The waiting window: absent for a short wait, naming what it waits for in a long one, and
// ending the work when its Cancel is pressed.

#include "ui/widgets/WaitingWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <thread>

namespace corvane
{

class WaitingWindowTest : public QObject
{
  Q_OBJECT

  // The text of the visible waiting window, if any; empty when there is none.
  static QString ShownWaitingText()
  {
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
      if (widget->objectName() == "frmWait" && widget->isVisible())
        return widget->findChild<QLabel*>("lblWait")->text();
    }
    return {};
  }

private slots:
  void ShownOnlyWhileALongWaitLasts_data()
  {
    QTest::addColumn<int>("work_ms");
    QTest::addColumn<bool>("shown");
    QTest::newRow("short wait") << 20 << false;
    QTest::newRow("long wait") << 600 << true;
  }

  void ShownOnlyWhileALongWaitLasts()
  {
    QFETCH(int, work_ms);
    QFETCH(bool, shown);
    QString seen;
    QTimer probe; // ends with the test, so it never fires into a later one
    probe.setSingleShot(true);
    connect(&probe, &QTimer::timeout, [&seen] { seen = ShownWaitingText(); });
    probe.start(300);
    RunWithWaitingWindow([work_ms]
                         { std::this_thread::sleep_for(std::chrono::milliseconds(work_ms)); },
                         "Waiting for the list", std::chrono::milliseconds(100));
    QCOMPARE(seen, shown ? QString("Waiting for the list") : QString());
    QTest::qWait(50);
    QCOMPARE(ShownWaitingText(), QString());
  }

  // Cancel asks the work to stop; the wait ends with it and says it was cancelled.
  void CancelEndsTheWork()
  {
    std::atomic<bool> stop = false;
    QTimer press;
    press.setSingleShot(true);
    connect(&press, &QTimer::timeout,
            []
            {
              for (QWidget* widget : QApplication::topLevelWidgets())
              {
                if (auto* button = widget->findChild<QPushButton*>("cmdCancelWait"))
                  button->click();
              }
            });
    press.start(300);
    const bool cancelled = RunWithWaitingWindow(
        [&stop]
        {
          for (int i = 0; i < 500 && !stop; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        },
        "Waiting for the list", std::chrono::milliseconds(100), [&stop] { stop = true; });
    QVERIFY(cancelled);
    QVERIFY(stop);
  }
};

} // namespace corvane

QTEST_MAIN(corvane::WaitingWindowTest)
#include "WaitingWindowTest.moc"
