#include "ui/keyboard/KeyboardLayout.h"

#include "base/WindowsKeyboard.h"
#include "controls/ScanCodes.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QString>
#include <QTimer>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef CORVANE_WITH_XKB
#include <xcb/xcb.h>
// The extension's header names a member "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>

#include <array>
#include <memory>
#endif

namespace corvane
{
namespace
{

#ifdef CORVANE_WITH_XKB

// A dead key types nothing by itself; its cap shows the accent it puts on the next letter.
struct DeadKey
{
  xkb_keysym_t keysym;
  const char* accent;
};

constexpr auto DEAD_KEYS = std::to_array<DeadKey>({
    {XKB_KEY_dead_grave, "`"},
    {XKB_KEY_dead_acute, "\xC2\xB4"}, // ´
    {XKB_KEY_dead_circumflex, "^"},
    {XKB_KEY_dead_tilde, "~"},
    {XKB_KEY_dead_diaeresis, "\xC2\xA8"}, // ¨
    {XKB_KEY_dead_abovering, "\xC2\xB0"}, // °
    {XKB_KEY_dead_cedilla, "\xC2\xB8"},   // ¸
    {XKB_KEY_dead_caron, "\xCB\x87"},     // ˇ
});

using Keymap = std::shared_ptr<xkb_keymap>;

xcb_connection_t* XConnection()
{
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

// The rules, model and layouts the keymap was last set with, which every keymap change through
// setxkbmap and the desktops' keyboard settings rewrites: a keymap is fetched again only then.
QByteArray KeymapNames(xcb_connection_t* connection)
{
  static const xcb_atom_t names_atom = [connection]
  {
    constexpr std::string_view NAME = "_XKB_RULES_NAMES";
    const auto cookie = xcb_intern_atom(connection, 0, NAME.size(), NAME.data());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  constexpr uint32_t LONGEST = 1024; // in 32-bit units
  const auto cookie =
      xcb_get_property(connection, 0, root, names_atom, XCB_ATOM_STRING, 0, LONGEST);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &free);
  if (!reply)
    return {};
  return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    xcb_get_property_value_length(reply.get()));
}

Keymap FetchKeymap(xcb_connection_t* connection, int32_t device)
{
  std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
      xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref);
  if (!context)
    return {};
  return Keymap(xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                               XKB_KEYMAP_COMPILE_NO_FLAGS),
                &xkb_keymap_unref);
}

// The server's keymap as last fetched, with the names it was fetched under.
struct KeymapCache
{
  Keymap keymap;
  QByteArray names;
};

KeymapCache& Cache()
{
  static KeymapCache cache;
  return cache;
}

// The server's keymap, kept while its names stay the same; null when the server has no XKB.
Keymap CurrentKeymap(xcb_connection_t* connection, int32_t device)
{
  KeymapCache& cache = Cache();
  const QByteArray now = KeymapNames(connection);
  if (!cache.keymap || now != cache.names)
  {
    cache.keymap = FetchKeymap(connection, device);
    cache.names = now;
  }
  return cache.keymap;
}

// The first event number of the X keyboard extension; -1 where the server has none.
int XkbFirstEvent(xcb_connection_t* connection)
{
  static const int first_event = [connection]
  {
    uint8_t first = 0;
    const bool has_xkb = xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                     XKB_X11_MIN_MINOR_XKB_VERSION,
                                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr,
                                                     nullptr, &first, nullptr) != 0;
    return has_xkb ? int{first} : -1;
  }();
  return first_event;
}

// Whether an X event says that keys now type other characters: another keymap (setxkbmap, a
// desktop's keyboard settings) or another layout of the keymap in force (the layout switch key).
// The window system's own keyboard code asks the server for these events on this connection.
bool IsXkbLayoutSwitch(const xcb_generic_event_t& event, int first_event)
{
  if (first_event < 0 || (event.response_type & 0x7F) != first_event)
    return false;
  const auto& state = reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event);
  switch (state.xkbType)
  {
  case XCB_XKB_NEW_KEYBOARD_NOTIFY:
  case XCB_XKB_MAP_NOTIFY:
    Cache().keymap.reset(); // fetched again, whether or not the names are written yet
    return true;
  case XCB_XKB_STATE_NOTIFY:
    return (state.changed & XCB_XKB_STATE_PART_GROUP_STATE) != 0;
  default:
    return false;
  }
}

// The layout of a keymap with several (de and us, switched by a key) that is in force now.
xkb_layout_index_t CurrentGroup(xkb_keymap* keymap, xcb_connection_t* connection, int32_t device)
{
  std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(
      xkb_x11_state_new_from_device(keymap, connection, device), &xkb_state_unref);
  return state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
}

// The character on the key cap: the unshifted character in upper case where that is one
// character ("ß" stays), the accent of a dead key.
std::string CapCharacter(xkb_keysym_t keysym)
{
  for (const DeadKey& dead : DEAD_KEYS)
  {
    if (dead.keysym == keysym)
      return dead.accent;
  }
  const uint32_t character = xkb_keysym_to_utf32(keysym);
  if (character == 0)
    return {};
  const char32_t upper = QChar::toUpper(character);
  return QString::fromUcs4(&upper, 1).toStdString();
}

KeyCodeManager::LayoutCharacter XkbLayoutCharacter()
{
  xcb_connection_t* connection = XConnection();
  if (!connection)
    return {};
  const int32_t device =
      XkbFirstEvent(connection) >= 0 ? xkb_x11_get_core_keyboard_device_id(connection) : -1;
  const Keymap keymap = device >= 0 ? CurrentKeymap(connection, device) : nullptr;
  if (!keymap)
    return {};
  const xkb_layout_index_t group = CurrentGroup(keymap.get(), connection, device);
  return [keymap, group](uint8_t scan_code) -> std::string
  {
    const auto keycode = KeyCodeManager::X11KeycodeFromScanCode(scan_code);
    const xkb_keysym_t* keysyms = nullptr;
    if (!keycode ||
        xkb_keymap_key_get_syms_by_level(keymap.get(), *keycode, group, 0, &keysyms) < 1)
      return {};
    return CapCharacter(keysyms[0]);
  };
}

#endif

// Tells every window when the keyboard layout changes, as the platform reports it, so that key
// names follow a switch made while a window has the focus.
class LayoutSwitchWatch : public QAbstractNativeEventFilter
{
public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
  {
    if (IsLayoutSwitch(type, message))
      TellWindowsOnce();
    return false; // the window system reads the event too
  }

private:
  static bool IsLayoutSwitch([[maybe_unused]] const QByteArray& type,
                             [[maybe_unused]] void* message)
  {
#if defined(_WIN32)
    return type == "windows_generic_MSG" &&
           static_cast<const MSG*>(message)->message == WM_INPUTLANGCHANGE;
#elif defined(CORVANE_WITH_XKB)
    xcb_connection_t* connection = XConnection();
    return type == "xcb_generic_event_t" && connection &&
           IsXkbLayoutSwitch(*static_cast<const xcb_generic_event_t*>(message),
                             XkbFirstEvent(connection));
#else
    return false;
#endif
  }

  // One switch comes as several events (a new keymap, its map, its state): the windows hear of
  // it once, after the event queue has taken them all.
  void TellWindowsOnce()
  {
    if (m_telling)
      return;
    m_telling = true;
    QTimer::singleShot(0, qApp,
                       [this]
                       {
                         m_telling = false;
                         for (QWidget* window : QApplication::topLevelWidgets())
                         {
                           QEvent change(QEvent::KeyboardLayoutChange);
                           QCoreApplication::sendEvent(window, &change);
                         }
                       });
  }

  bool m_telling = false;
};

// Starts the watch once, when the first window names keys.
void WatchLayoutSwitches()
{
  static const bool watching = []
  {
    if (!qApp)
      return false;
    // Lives as long as the program; it leaves the event dispatcher as it goes.
    static LayoutSwitchWatch watch;
    qApp->installNativeEventFilter(&watch);
    return true;
  }();
  (void)watching;
}

} // namespace

KeyCodeManager::LayoutCharacter CurrentLayoutCharacter()
{
  WatchLayoutSwitches();
#if defined(_WIN32)
  return [](uint8_t scan_code)
  { return WindowsKeyCharacter(KeyCodeManager::WindowsScanCodeFromScanCode(scan_code)); };
#elif defined(CORVANE_WITH_XKB)
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return {};
  return XkbLayoutCharacter();
#else
  return {};
#endif
}

std::string KeyNameInLayout(const std::string& token, const std::string& usual_name)
{
  const std::string in_layout =
      KeyCodeManager::KeyLabelFromKeyToken(token, CurrentLayoutCharacter());
  return in_layout != KeyCodeManager::KeyLabelFromKeyToken(token) ? in_layout : usual_name;
}

bool IsKeyboardLayoutMoment(const QEvent& event, const QWidget& window)
{
  if (event.type() == QEvent::KeyboardLayoutChange)
    return true;
  return event.type() == QEvent::ActivationChange && window.isActiveWindow();
}

} // namespace corvane
