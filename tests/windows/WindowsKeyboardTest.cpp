// What a physical key types in the Windows keyboard layout in force, for the key names on the
// binding buttons.

#include "base/WindowsKeyboard.h"
#include "controls/ScanCodes.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane
{
namespace
{

// The keyboard layout `id` made the calling thread's for the life of the object; false
// when the system has no such layout.
class ActiveLayout
{
public:
  explicit ActiveLayout(const wchar_t* id) : m_before(GetKeyboardLayout(0))
  {
    const HKL layout = LoadKeyboardLayoutW(id, KLF_ACTIVATE);
    m_active = layout && GetKeyboardLayout(0) == layout;
  }
  ~ActiveLayout() { ActivateKeyboardLayout(m_before, 0); }
  ActiveLayout(const ActiveLayout&) = delete;
  ActiveLayout& operator=(const ActiveLayout&) = delete;

  bool Active() const { return m_active; }

private:
  HKL m_before;
  bool m_active = false;
};

// Other layouts need a machine that has them: Wine without an X server maps every key as the
// US layout does.
TEST(WindowsKeyboard, CharacterKeysTypeTheirCapAndOtherKeysNothing)
{
  const ActiveLayout us(L"00000409");
  if (!us.Active())
    GTEST_SKIP() << "no US keyboard layout";
  const struct
  {
    uint8_t scan_code; // DirectInput's
    const char* typed;
  } cases[] = {
      {0x1E, "A"}, {0x27, ";"}, {0x33, ","}, {0x1C, ""}, // Enter types a control character
      {0xC8, ""},                                        // Up, an extended key
      {0x3B, ""},                                        // F1
  };
  for (const auto& c : cases)
    EXPECT_EQ(WindowsKeyCharacter(KeyCodeManager::WindowsScanCodeFromScanCode(c.scan_code)),
              c.typed)
        << int(c.scan_code);
}

} // namespace
} // namespace corvane
