// The key dialog binds the physical key pressed, by the scan code its key event carries, and
// refuses a key the emulator cannot read.

#include "base/Messages.h"
#include "controls/BindingTable.h"
#include "ui/keys/KeyDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace corvane
{

class ScanCodeCaptureTest : public QObject
{
  Q_OBJECT

private slots:
  // X11 key codes of the evdev rules, which every X server and Wayland use. The Qt key is what a
  // layout makes of the key; only its place counts.
  void DialogStoresAndNamesTheKeyPressed()
  {
    const struct
    {
      uint32_t x11_keycode;
      int qt_key;
      Qt::KeyboardModifiers modifiers;
      const char* token; // empty: refused
      const char* name;
    } cases[] = {
        {105, Qt::Key_Control, {}, "k9D", "RCONTROL"},
        {80, Qt::Key_Up, Qt::KeypadModifier, "k48", "NUMPAD8"},     // Num Lock off
        {91, Qt::Key_Delete, Qt::KeypadModifier, "k53", "DECIMAL"}, // Num Lock off
        {111, Qt::Key_Up, {}, "kC8", "UP"},
        {112, Qt::Key_PageUp, {}, "kC9", "PAGE UP"},      // the name its key code has always shown
        {47, Qt::Key_Odiaeresis, {}, "k27", "SEMICOLON"}, // German Ö
        {94, Qt::Key_Less, {}, "k56", "OEM_102"},         // the ISO key: never "," (k33)
        {12, Qt::Key_NumberSign, {}, "k04", "3"},
        {123, Qt::Key_VolumeUp, {}, "kB0", "VOLUMEUP"},
        {78, Qt::Key_ScrollLock, {}, "k46", "SCROLL"},
        {194, Qt::Key_F16, {}, "", ""},          // no scan code the emulator reads
        {255, Qt::Key_A, {}, "", ""},            // a key code of no key
        {0, Qt::Key_Shift, {}, "k2A", "LSHIFT"}, // an event without a native code: its key code
        {0, Qt::Key_F16, {}, "", ""},            // ... which names no scan code
    };
    for (const auto& c : cases)
    {
      BindingTable table;
      table.CurrentSlotKey = "start1";
      table.Set("start1", "k1E");
      QPointer<KeyDialog> dialog = new KeyDialog(table);
      QString shown;
      connect(dialog, &KeyDialog::KeyTaken, this,
              [&] { shown = dialog->findChild<QLabel*>("Label1")->text(); });
      // A modifier binds on its release, every other key on its press.
      QKeyEvent press(QEvent::KeyPress, c.qt_key, c.modifiers, c.x11_keycode, 0, 0);
      QCoreApplication::sendEvent(dialog, &press);
      QKeyEvent release(QEvent::KeyRelease, c.qt_key, c.modifiers, c.x11_keycode, 0, 0);
      QCoreApplication::sendEvent(dialog, &release);
      const bool refused = *c.token == '\0';
      QCOMPARE(table.Get("start1"), std::string(refused ? "k1E" : c.token));
      QCOMPARE(shown, QString(c.name));
      const auto* note = dialog->findChild<QLabel*>("lblClash");
      QCOMPARE(!note->isHidden() && note->text().toStdString() == Messages::KEY_CANNOT_BE_BOUND,
               refused);
      delete dialog.data(); // closed by the key, waiting for an event loop to go
    }
  }
};

} // namespace corvane

QTEST_MAIN(corvane::ScanCodeCaptureTest)
#include "ScanCodeCaptureTest.moc"
