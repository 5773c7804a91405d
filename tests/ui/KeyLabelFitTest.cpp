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
};

} // namespace corvane

QTEST_MAIN(corvane::KeyLabelFitTest)
#include "KeyLabelFitTest.moc"
