// Keys that share a key code with their pair are bound by the scan code of the key pressed.

#include "controls/PairedKeys.h"
#include "controls/BindingTable.h"
#include "ui/keys/KeyDialog.h"
#include "ui/keys/VirtualKeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace corvane
{

class PairedKeysTest : public QObject
{
  Q_OBJECT

private slots:
  // X11 key codes of the evdev rules, which every X server and Wayland use.
  void DialogStoresAndNamesTheKeyPressed()
  {
    const struct
    {
      uint32_t x11_keycode;
      int qt_key;
      Qt::KeyboardModifiers modifiers;
      const char* token;
      const char* name;
    } cases[] = {
        {105, Qt::Key_Control, {}, "k9D", "RCONTROL"},
        {80, Qt::Key_Up, Qt::KeypadModifier, "k48", "NUMPAD8"},     // Num Lock off
        {91, Qt::Key_Delete, Qt::KeypadModifier, "k53", "DECIMAL"}, // Num Lock off
        {111, Qt::Key_Up, {}, "kC8", "UP"},
        {0, Qt::Key_Shift, {}, "k2A", "LSHIFT"}, // a key event without a native code
    };
    for (const auto& c : cases)
    {
      BindingTable table;
      table.CurrentSlotKey = "start1";
      QPointer<KeyDialog> dialog = new KeyDialog(table);
      QString shown;
      connect(dialog, &KeyDialog::KeyTaken, this,
              [&] { shown = dialog->findChild<QLabel*>("Label1")->text(); });
      // A modifier binds on its release, every other key on its press.
      QKeyEvent press(QEvent::KeyPress, c.qt_key, c.modifiers, c.x11_keycode, 0, 0);
      QCoreApplication::sendEvent(dialog, &press);
      QKeyEvent release(QEvent::KeyRelease, c.qt_key, c.modifiers, c.x11_keycode, 0, 0);
      QCoreApplication::sendEvent(dialog, &release);
      QCOMPARE(table.Get("start1"), std::string(c.token));
      QCOMPARE(shown, QString(c.name));
      delete dialog.data(); // closed by the key, waiting for an event loop to go
    }
  }

  // A Windows key message's scan code, with 0x100 for its extended flag.
  void WindowsScanCodesTellThePairsApart()
  {
    const struct
    {
      uint32_t native;
      const char* token;
    } cases[] = {
        {0x036, "k36"}, {0x02A, ""},    {0x11D, "k9D"}, {0x01D, ""},    {0x138, "kB8"},
        {0x038, ""},    {0x11C, "k9C"}, {0x01C, ""},    {0x048, "k48"}, {0x148, ""},
        {0x053, "k53"}, {0x153, ""},    {0x037, ""},    {0x000, ""},
    };
    for (const auto& c : cases)
      QCOMPARE(KeyCodeManager::PairedKeyToken(PcScanCodeFromWindows(c.native)),
               std::string(c.token));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::PairedKeysTest)
#include "PairedKeysTest.moc"
