// The Windows key codes that Qt's keys stand for on platforms without native codes.

#include "ui/keys/VirtualKeys.h"

#include <QTest>

namespace corvane
{

class VirtualKeysTest : public QObject
{
  Q_OBJECT

private slots:
  void MapsKeyToWindowsCode_data()
  {
    QTest::addColumn<int>("qt_key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");
    const struct
    {
      const char* name;
      int qt_key;
      bool keypad;
      int code;
    } cases[] = {
        {"letter A", Qt::Key_A, false, 65},
        {"letter Z", Qt::Key_Z, false, 90},
        {"digit 0", Qt::Key_0, false, 48},
        {"digit 9", Qt::Key_9, false, 57},
        {"shifted 1", Qt::Key_Exclam, false, 49},
        {"shifted 0", Qt::Key_ParenRight, false, 48},
        {"shifted 8", Qt::Key_Asterisk, false, 56},
        {"F1", Qt::Key_F1, false, 112},
        {"F13", Qt::Key_F13, false, 124},
        {"F16", Qt::Key_F16, false, 127},
        {"keypad 0", Qt::Key_0, true, 96},
        {"keypad 9", Qt::Key_9, true, 105},
        {"keypad *", Qt::Key_Asterisk, true, 106},
        {"keypad +", Qt::Key_Plus, true, 107},
        {"keypad -", Qt::Key_Minus, true, 109},
        {"keypad .", Qt::Key_Period, true, 110},
        {"keypad /", Qt::Key_Slash, true, 111},
        {"keypad Enter", Qt::Key_Enter, true, 13},
        {"keypad Home, Num Lock off", Qt::Key_Home, true, 36},
        {"semicolon", Qt::Key_Semicolon, false, 186},
        {"colon", Qt::Key_Colon, false, 186},
        {"equals", Qt::Key_Equal, false, 187},
        {"plus", Qt::Key_Plus, false, 187},
        {"comma", Qt::Key_Comma, false, 188},
        {"minus", Qt::Key_Minus, false, 189},
        {"underscore", Qt::Key_Underscore, false, 189},
        {"period", Qt::Key_Period, false, 190},
        {"slash", Qt::Key_Slash, false, 191},
        {"question", Qt::Key_Question, false, 191},
        {"back quote", Qt::Key_QuoteLeft, false, 192},
        {"tilde", Qt::Key_AsciiTilde, false, 192},
        {"bracket left", Qt::Key_BracketLeft, false, 219},
        {"brace left", Qt::Key_BraceLeft, false, 219},
        {"backslash", Qt::Key_Backslash, false, 220},
        {"bar", Qt::Key_Bar, false, 220},
        {"bracket right", Qt::Key_BracketRight, false, 221},
        {"apostrophe", Qt::Key_Apostrophe, false, 222},
        {"double quote", Qt::Key_QuoteDbl, false, 222},
        {"Page Up", Qt::Key_PageUp, false, 33},
        {"Page Down", Qt::Key_PageDown, false, 34},
        {"End", Qt::Key_End, false, 35},
        {"Home", Qt::Key_Home, false, 36},
        {"Left", Qt::Key_Left, false, 37},
        {"Up", Qt::Key_Up, false, 38},
        {"Right", Qt::Key_Right, false, 39},
        {"Down", Qt::Key_Down, false, 40},
        {"Print", Qt::Key_Print, false, 44},
        {"Insert", Qt::Key_Insert, false, 45},
        {"Delete", Qt::Key_Delete, false, 46},
        {"Shift", Qt::Key_Shift, false, 16},
        {"Control", Qt::Key_Control, false, 17},
        {"Alt", Qt::Key_Alt, false, 18},
        {"Backspace", Qt::Key_Backspace, false, 8},
        {"Tab", Qt::Key_Tab, false, 9},
        {"Backtab", Qt::Key_Backtab, false, 9},
        {"Return", Qt::Key_Return, false, 13},
        {"Pause", Qt::Key_Pause, false, 19},
        {"Caps Lock", Qt::Key_CapsLock, false, 20},
        {"Escape", Qt::Key_Escape, false, 27},
        {"Space", Qt::Key_Space, false, 32},
        {"Num Lock", Qt::Key_NumLock, false, 144},
        {"Scroll Lock", Qt::Key_ScrollLock, false, 145},
        // Keys Windows has codes for outside the US layout.
        {"Volume Up", Qt::Key_VolumeUp, false, 175},
        {"Mute", Qt::Key_VolumeMute, false, 173},
        {"browser Back", Qt::Key_Back, false, 166},
        {"Play/Pause", Qt::Key_MediaTogglePlayPause, false, 179},
        // A key the US layout lacks: the code of no key (code 0 would be the digit 0).
        {"o umlaut", Qt::Key_Odiaeresis, false, 255},
        {"unknown key", Qt::Key_unknown, false, 255},
    };
    for (const auto& c : cases)
      QTest::newRow(c.name) << c.qt_key << c.keypad << c.code;
  }

  void MapsKeyToWindowsCode()
  {
    QFETCH(int, qt_key);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(int(VirtualKeyFromQtKey(qt_key, keypad)), code);
  }
};

} // namespace corvane

QTEST_APPLESS_MAIN(corvane::VirtualKeysTest)
#include "VirtualKeysTest.moc"
