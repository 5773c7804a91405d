// Every key the tables name fits its binding button whole, in the button's own type; ctest also
// runs this at twice the scale (QT_SCALE_FACTOR=2).

#include "UiTestKit.h"
#include "controls/KeyLabels.h"
#include "controls/ScanCodes.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/BindingButton.h"

#include <QFontMetrics>

namespace corvane
{

class KeyLabelFitTest : public QObject
{
  Q_OBJECT

private slots:
  void EveryKeyLabelFitsItsButton()
  {
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    const auto* button = window.findChild<BindingButton*>("CapPunch1");
    QVERIFY(button);
    const QFontMetrics metrics(button->KeyFont());
    int named = 0;
    for (int code = 0; code <= 0xFF; ++code)
    {
      const std::string token = KeyCodeManager::KeyTokenFromScanCode(static_cast<uint8_t>(code));
      if (token.empty())
        continue;
      ++named;
      const auto label =
          QString::fromStdString(KeyCodeManager::KeyLabelsFromKeyToken(token).short_label);
      // In brackets too, as a key that a game takes from its family shows.
      const QString inherited = QStringLiteral("(%1)").arg(label);
      QVERIFY2(metrics.horizontalAdvance(inherited) <= button->KeyLineWidth(),
               qPrintable(inherited + QStringLiteral(", ") + QString::fromStdString(token)));
    }
    QCOMPARE(named, 144); // every name and scan-code pair of the tables
  }

  // A letter's accent is drawn on the button, not cut off: each pair must look different.
  void AccentsAreDrawnWhole_data()
  {
    QTest::addColumn<QString>("accented");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("inherited");
    QTest::newRow("O umlaut") << QStringLiteral("\u00D6") << QStringLiteral("O") << false;
    QTest::newRow("A umlaut inherited") << QStringLiteral("\u00C4") << QStringLiteral("A") << true;
    QTest::newRow("U umlaut") << QStringLiteral("\u00DC") << QStringLiteral("U") << false;
    QTest::newRow("E acute") << QStringLiteral("\u00C9") << QStringLiteral("E") << false;
  }

  void AccentsAreDrawnWhole()
  {
    QFETCH(QString, accented);
    QFETCH(QString, plain);
    QFETCH(bool, inherited);
    test::EmulatorFolder folder;
    MainWindow window(folder.session);
    window.show();
    auto* button = window.findChild<BindingButton*>("CapPunch1");
    QVERIFY(button);
    // The topmost row with ink, in the button's own pixels, of the key line drawn alone.
    const auto ink_top = [&](const QString& label)
    {
      button->setText(QString());
      button->ShowBinding({label, false, inherited});
      const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
      const QImage bare = [&]
      {
        button->ShowBinding({QStringLiteral(" "), false, false});
        return button->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
      }();
      for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
          if (qAbs(shown.pixelColor(x, y).value() - bare.pixelColor(x, y).value()) > 64)
            return y;
      return shown.height();
    };
    // The accent stands clear above the letter, as the type itself draws it.
    const QFontMetrics metrics(button->KeyFont());
    const int accent =
        metrics.tightBoundingRect(plain).top() - metrics.tightBoundingRect(accented).top();
    const int dpr = static_cast<int>(button->devicePixelRatioF());
    QVERIFY2(ink_top(plain) - ink_top(accented) >= (accent - 1) * dpr,
             qPrintable(QStringLiteral("%1 vs %2").arg(ink_top(plain)).arg(ink_top(accented))));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::KeyLabelFitTest)
#include "KeyLabelFitTest.moc"
