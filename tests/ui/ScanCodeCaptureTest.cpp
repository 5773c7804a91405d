// The key dialog binds the physical key pressed, by the scan code its key event carries, and
// refuses a key the emulator cannot read.

#include "base/Messages.h"
#include "controls/BindingTable.h"
#include "ui/desktop/QtText.h"
#include "ui/keyboard/KeyboardLayout.h"
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
  // The native codes of a key event: X11 key codes of the evdev rules, which every X server
  // and Wayland use, or on Windows the scan code with the extended flag (0x100) and the virtual
  // key. The Qt key is what a layout makes of the key; only its place counts.
  void DialogStoresAndNamesTheKeyPressed()
  {
    const struct
    {
      uint32_t x11_keycode;
      uint32_t windows_scan_code;
      uint32_t windows_virtual_key;
      int qt_key;
      Qt::KeyboardModifiers modifiers;
      const char* token; // empty: refused
      const char* name;
    } cases[] = {
        {105, 0x11D, 0x11, Qt::Key_Control, {}, "k9D", "RCONTROL"},
        {80, 0x048, 0x26, Qt::Key_Up, Qt::KeypadModifier, "k48", "NUMPAD8"},     // Num Lock off
        {91, 0x053, 0x2E, Qt::Key_Delete, Qt::KeypadModifier, "k53", "DECIMAL"}, // Num Lock off
        {111, 0x148, 0x26, Qt::Key_Up, {}, "kC8", "UP"},
        {112, 0x149, 0x21, Qt::Key_PageUp, {}, "kC9", "PAGE UP"}, // the name it has always shown
        {47, 0x027, 0xC0, Qt::Key_Odiaeresis, {}, "k27", "SEMICOLON"}, // German Ö
        {94, 0x056, 0xE2, Qt::Key_Less, {}, "k56", "OEM_102"}, // the ISO key: never "," (k33)
        {12, 0x004, 0x33, Qt::Key_NumberSign, {}, "k04", "3"},
        {123, 0x130, 0xAF, Qt::Key_VolumeUp, {}, "kB0", "VOLUMEUP"},
        {78, 0x046, 0x91, Qt::Key_ScrollLock, {}, "k46", "SCROLL"},
        // Windows: Pause comes with Num Lock's scan code without the flag, Num Lock with it.
        {127, 0x045, 0x13, Qt::Key_Pause, {}, "kC5", "PAUSE"},
        {77, 0x145, 0x90, Qt::Key_NumLock, {}, "k45", "NUMLOCK"},
        {194, 0x067, 0x7F, Qt::Key_F16, {}, "", ""},   // no scan code the emulator reads
        {255, 0x07F, 0x41, Qt::Key_A, {}, "", ""},     // a code of no key
        {0, 0, 0, Qt::Key_Shift, {}, "k2A", "LSHIFT"}, // an event without a native code: its
        {0, 0, 0, Qt::Key_F16, {}, "", ""},            // key code, which may name no scan code
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
#ifdef _WIN32
      const uint32_t scan_code = c.windows_scan_code, virtual_key = c.windows_virtual_key;
#else
      const uint32_t scan_code = c.x11_keycode, virtual_key = 0;
#endif
      QKeyEvent press(QEvent::KeyPress, c.qt_key, c.modifiers, scan_code, virtual_key, 0);
      QCoreApplication::sendEvent(dialog, &press);
      QKeyEvent release(QEvent::KeyRelease, c.qt_key, c.modifiers, scan_code, virtual_key, 0);
      QCoreApplication::sendEvent(dialog, &release);
      const bool refused = *c.token == '\0';
      QCOMPARE(table.Get("start1"), std::string(refused ? "k1E" : c.token));
      // The layout in force may name a key otherwise (Windows always tells it, even offscreen, and
      // a Wine prefix takes it from the X server's keymap: the ISO key may be "<").
      QCOMPARE(shown, ToQString(KeyNameInLayout(c.token, c.name)));
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
