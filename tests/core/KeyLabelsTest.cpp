#include "controls/KeyLabels.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane
{
namespace
{

using namespace KeyCodeManager;

struct LabelCase
{
  const char* token;
  const char* short_label;
  const char* full_name;
};

void ExpectLabels(const std::vector<LabelCase>& cases, const LayoutCharacter& layout)
{
  for (const LabelCase& c : cases)
  {
    const KeyLabel label = KeyLabelsFromKeyToken(c.token, layout);
    EXPECT_EQ(label.short_label, c.short_label) << c.token;
    EXPECT_EQ(label.full_name, c.full_name) << c.token;
    EXPECT_EQ(KeyLabelFromKeyToken(c.token, layout), c.full_name) << c.token;
  }
}

TEST(KeyLabels, ShortOnTheButtonFullInWords)
{
  ExpectLabels(
      {
          {"", "", ""},
          {"k1E", "A", "A"},
          {"k0E", "Bksp", "Backspace"},
          {"kB7", "PrtSc", "Print Screen"},
          {"k36", "R Shift", "Right Shift"},
          {"k9C", "Num Ent", "Num Enter"},
          {"kD1", "PgDn", "Page Down"},
          {"k33", "Comma", "Comma"},
          {"k29", "Grave", "Grave accent"},
          {"kAE", "Vol -", "Volume Down"},
          {"k56", "ISO", "ISO key"},
          {"k", "\"k\"", "\"k\""},
          {"kZZ", "\"kZZ\"", "\"kZZ\""},
      },
      {});
}

// A German layout as the platform would tell it, with keys it knows nothing of.
std::string GermanCharacter(uint8_t scan_code)
{
  static const std::map<uint8_t, std::string> characters = {
      {0x27, "\xC3\x96"},
      {0x56, "<"},
      {0x15, "Z"},
      {0x33, ","},
      {0x0D, "\xC2\xB4"},
      {0x1C, "x"},
      {0x1E, ""},
      {0x2C, "\t"},
      {0x2D, "\x7F"},
      {0x10, "Q"},
      {0x0B, "longer than a key"},
  };
  const auto found = characters.find(scan_code);
  return found == characters.end() ? std::string() : found->second;
}

TEST(KeyLabels, CharacterKeysFollowTheLayout)
{
  ExpectLabels(
      {
          {"k27", "\xC3\x96", "\xC3\x96"}, // Ö
          {"k56", "<", "<"},
          {"k15", "Z", "Z"},
          {"k33", "Comma", "Comma"},
          {"k0D", "Acute", "Acute accent"},
          // Not a character key: the layout is not asked.
          {"k1C", "Enter", "Enter"},
          // Nothing showable from the platform: the table's name.
          {"k1E", "A", "A"},
          {"k2C", "Z", "Z"},
          {"k2D", "X", "X"},
          {"k0B", "0", "0"},
          {"k", "\"k\"", "\"k\""},
      },
      GermanCharacter);
}

} // namespace
} // namespace corvane
