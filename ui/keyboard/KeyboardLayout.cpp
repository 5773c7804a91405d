#include "ui/keyboard/KeyboardLayout.h"

#include "base/WindowsKeyboard.h"
#include "controls/ScanCodes.h"

#include <QEvent>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

#ifdef CORVANE_WITH_XKB
#include <xcb/xcb.h>
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

// The server's keymap, kept while its names stay the same; null when the server has no XKB.
Keymap CurrentKeymap(xcb_connection_t* connection, int32_t device)
{
  static Keymap keymap;
  static QByteArray names;
  const QByteArray now = KeymapNames(connection);
  if (!keymap || now != names)
  {
    keymap = FetchKeymap(connection, device);
    names = now;
  }
  return keymap;
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
  static const bool has_xkb = xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                          XKB_X11_MIN_MINOR_XKB_VERSION,
                                                          XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS,
                                                          nullptr, nullptr, nullptr, nullptr) != 0;
  const int32_t device = has_xkb ? xkb_x11_get_core_keyboard_device_id(connection) : -1;
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

} // namespace

KeyCodeManager::LayoutCharacter CurrentLayoutCharacter()
{
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

bool IsKeyboardLayoutMoment(const QEvent& event, const QWidget& window)
{
  if (event.type() == QEvent::KeyboardLayoutChange)
    return true;
  return event.type() == QEvent::ActivationChange && window.isActiveWindow();
}

} // namespace corvane
