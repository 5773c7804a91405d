// Keys that share a key code with their pair are bound by the scan code of the key pressed:
// right Shift, Ctrl and Alt, keypad Enter, and the keypad whatever Num Lock says.

#include "controls/PairedKeys.h"
#include "controls/BindingTable.h"
#include "ui/VirtualKeys.h"
#include "ui/frmKeys.h"

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
  // The X11 key codes are those of the evdev rules every X server and Wayland use.
  void DialogStoresAndNamesTheKeyPressed_data()
  {
    QTest::addColumn<int>("x11_keycode");
    QTest::addColumn<int>("qt_key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("name");
    const struct
    {
      const char* row;
      int x11_keycode;
      int qt_key;
      bool keypad;
      const char* token;
      const char* name;
    } rows[] = {
        {"right Shift", 62, Qt::Key_Shift, false, "k36", "RSHIFT"},
        {"right Ctrl", 105, Qt::Key_Control, false, "k9D", "RCONTROL"},
        {"right Alt", 108, Qt::Key_AltGr, false, "kB8", "RMENU"},
        {"keypad Enter", 104, Qt::Key_Enter, true, "k9C", "NUMPADENTER"},
        {"keypad 8, Num Lock on", 80, Qt::Key_8, true, "k48", "NUMPAD8"},
        {"keypad 8, Num Lock off", 80, Qt::Key_Up, true, "k48", "NUMPAD8"},
        {"keypad 5, Num Lock off", 84, Qt::Key_Clear, true, "k4C", "NUMPAD5"},
        {"keypad ., Num Lock off", 91, Qt::Key_Delete, true, "k53", "DECIMAL"},
        // Their pairs and the navigation keys keep their key codes' names and tokens.
        {"left Shift", 50, Qt::Key_Shift, false, "k2A", "LSHIFT"},
        {"left Alt", 64, Qt::Key_Alt, false, "k38", "LMENU"},
        {"Return", 36, Qt::Key_Return, false, "k1C", "RETURN"},
        {"arrow Up", 111, Qt::Key_Up, false, "kC8", "UP"},
        {"Delete", 119, Qt::Key_Delete, false, "kD3", "DEL"},
        {"keypad *", 63, Qt::Key_Asterisk, true, "k37", "MULTIPLY"},
        {"no native code", 0, Qt::Key_Shift, false, "k2A", "LSHIFT"},
    };
    for (const auto& r : rows)
      QTest::newRow(r.row) << r.x11_keycode << r.qt_key << r.keypad << QString(r.token)
                           << QString(r.name);
  }

  void DialogStoresAndNamesTheKeyPressed()
  {
    QFETCH(int, x11_keycode);
    QFETCH(int, qt_key);
    QFETCH(bool, keypad);
    QFETCH(QString, token);
    QFETCH(QString, name);
    BindingTable table;
    table.CurrentSlotKey = "start1";
    QPointer<frmKeys> dialog = new frmKeys(table);
    QString shown;
    connect(dialog, &frmKeys::KeyTaken, this,
            [&] { shown = dialog->findChild<QLabel*>("Label1")->text(); });
    QKeyEvent press(QEvent::KeyPress, qt_key, keypad ? Qt::KeypadModifier : Qt::NoModifier,
                    static_cast<quint32>(x11_keycode), 0, 0);
    QCoreApplication::sendEvent(dialog, &press);
    QCOMPARE(QString::fromStdString(table.Get("start1")), token);
    QCOMPARE(shown, name);
    delete dialog.data(); // closed by the key, waiting for an event loop to go
  }

  // What the key message of each key carries on Windows: scan code, and 0x100 for the flag.
  void WindowsScanCodesTellThePairsApart()
  {
    const struct
    {
      uint32_t native;
      const char* token;
    } rows[] = {
        {0x036, "k36"}, {0x02A, ""},    {0x11D, "k9D"}, {0x01D, ""},    {0x138, "kB8"},
        {0x038, ""},    {0x11C, "k9C"}, {0x01C, ""},    {0x048, "k48"}, {0x148, ""},
        {0x053, "k53"}, {0x153, ""},    {0x037, ""},    {0x000, ""},
    };
    for (const auto& r : rows)
      QCOMPARE(KeyCodeManager::PairedKeyToken(PcScanCodeFromWindows(r.native)),
               std::string(r.token));
  }
};

} // namespace corvane

QTEST_MAIN(corvane::PairedKeysTest)
#include "PairedKeysTest.moc"
