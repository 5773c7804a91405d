// Named layouts from the main window (the layout in use named, a switch in one step that the
// buttons show, Save writing what the layout brought) and Ctrl+Z / Ctrl+Y over the bindings.

#include "UiTestKit.h"
#include "controls/BindingInputs.h"
#include "controls/LayoutStore.h"
#include "ui/main/LayoutsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/TabStrip.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace corvane
{
namespace
{

QString ButtonText(MainWindow& window, const char* name)
{
  return window.findChild<QPushButton*>(name)->text();
}

// Opens the Layouts window from the main window and runs `act` in it once it is up.
void InLayoutsWindow(MainWindow& window, const std::function<void(LayoutsDialog&)>& act)
{
  QTimer::singleShot(0, &window,
                     [&]
                     {
                       auto* dialog = window.findChild<LayoutsDialog*>("frmLayouts");
                       QVERIFY(dialog);
                       act(*dialog);
                       dialog->accept();
                     });
  window.findChild<QPushButton*>("cmdLayouts")->click();
}

void PressKeys(const QKeySequence& keys, QWidget& window)
{
  QTest::keySequence(&window, keys);
}

} // namespace

class LayoutsAndUndoTest : public QObject
{
  Q_OBJECT

private slots:
  void SwitchingLayoutsChangesTheKeysShownAndSaveWritesThem()
  {
    test::MessageLog log;
    test::EmulatorFolder folder;
    folder.session.game_keys = GameKeys();
    folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
    MainWindow window(folder.session);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(ButtonText(window, "cmdLayouts"), QString("La&youts..."));
    InLayoutsWindow(window, [](LayoutsDialog& dialog) { QVERIFY(dialog.SaveCurrentAs("Stick")); });
    QCOMPARE(ButtonText(window, "cmdLayouts"), QString("La&yout: Stick..."));

    Layout laptop;
    laptop.bindings.Set("start1", "k1C");
    laptop.games.push_back({"sfex", {{"cappunch1p1", "k10"}}});
    QVERIFY(LayoutStore::Save(folder.session.dir, "Laptop", laptop).Ok());
    folder.WriteFile("bad.ini", "[Corvane Layout]\r\n[general]\r\nstart1=k05\r\n");
    InLayoutsWindow(
        window,
        [&](LayoutsDialog& dialog)
        {
          QVERIFY(!dialog.ImportFrom(QString::fromStdString(folder.File("bad.ini")), "Broken"));
          QVERIFY(dialog.SwitchTo("Laptop"));
        });
    QCOMPARE(log.boxes.size(), size_t(1)); // the cut-short import, and nothing else
    QCOMPARE(ButtonText(window, "cmdLayouts"), QString("La&yout: Laptop..."));
    QVERIFY(window.findChild<QPushButton*>("cmdStart1")->toolTip().contains("Enter"));
    QVERIFY(window.HasUnsavedChanges());
    window.findChild<QPushButton*>("cmdSave")->click();
    QCOMPARE(folder.ReadFile("corvane-games.ini"), std::string("[sfex]\r\ncappunch1p1=k10\r\n"));
    QVERIFY(folder.ReadFile("ctrlr/allcfg.ini").find("start=k1C") != std::string::npos);

    // Undo reaches no further back than the layout loaded.
    PressKeys(QKeySequence::Undo, window);
    QVERIFY(window.findChild<QPushButton*>("cmdStart1")->toolTip().contains("Enter"));
  }

  void UndoAndRedoTakeBackClearsAndWholeWalks()
  {
    test::MessageLog log;
    test::EmulatorFolder folder;
    folder.WriteFile("ctrlr/allcfg.ini", "[player1]\r\nstart=k02\r\n");
    MainWindow window(folder.session);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* start = window.findChild<QPushButton*>("cmdStart1");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Delete);
    QCOMPARE(folder.session.bindings.Get("start1"), std::string());
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z), window);
    QCOMPARE(folder.session.bindings.Get("start1"), std::string("k02"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y), window);
    QCOMPARE(folder.session.bindings.Get("start1"), std::string());
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z), window);

    // A Bind All walk of two keys is one step.
    const std::vector<WalkStep> walk = FamilyWalk(GroupId::Cap, Player::One);
    const std::string first(walk.at(0).slot);
    const std::string second(walk.at(1).slot);
    const std::string first_before = folder.session.bindings.Get(first);
    const std::string second_before = folder.session.bindings.Get(second);
    auto* tabs = window.findChild<TabStrip*>("TabStrip1");
    const int capcom = PageOf(GroupId::Cap);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(capcom).center());
    window.findChild<QPushButton*>(QStringLiteral("cmdBindAll%1").arg(capcom))->click();
    QPointer<KeyDialog> dialog = test::OpenKeyDialog();
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_A);
    QTest::keyClick(dialog, Qt::Key_B);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(folder.session.bindings.Get(second), std::string("k30"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z), window);
    QCOMPARE(folder.session.bindings.Get(first), first_before);
    QCOMPARE(folder.session.bindings.Get(second), second_before);
    QCOMPARE(folder.session.bindings.Get("start1"), std::string("k02"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y), window);
    QCOMPARE(folder.session.bindings.Get(first), std::string("k1E"));
    QCOMPARE(folder.session.bindings.Get(second), std::string("k30"));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::LayoutsAndUndoTest)
#include "LayoutsAndUndoTest.moc"
