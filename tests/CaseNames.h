#pragma once

// Names for the cases of a parameterised test, so that the test output and ctest name each case
// by what it tries rather than by its index or its bytes.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

namespace corvane::test
{

// The words for the bytes that a case name cannot hold.
struct ByteWordRow
{
  char byte;
  const char* word;
};
constexpr ByteWordRow BYTE_WORDS[] = {
    {' ', "blank"},       {'\t', "tab"},     {'\r', "cr"},        {'\n', "lf"},
    {'\0', "nul"},        {':', "colon"},    {';', "semicolon"},  {'.', "dot"},
    {',', "comma"},       {'/', "slash"},    {'\\', "backslash"}, {'"', "quote"},
    {'\'', "apostrophe"}, {'`', "backtick"}, {'<', "lt"},         {'>', "gt"},
    {'|', "bar"},         {'?', "question"}, {'*', "star"},       {'$', "dollar"},
    {'&', "amp"},         {'%', "percent"},  {'+', "plus"},       {'-', "minus"},
    {'=', "equals"},      {'[', "lbracket"}, {']', "rbracket"},   {'(', "lparen"},
    {')', "rparen"},      {'^', "caret"},
};

// The word a byte is spelled as in a case name; empty for letters, digits and '_'.
inline std::string ByteWord(unsigned char byte)
{
  if (std::isalnum(byte) || byte == '_')
    return {};
  for (const ByteWordRow& row : BYTE_WORDS)
    if (static_cast<unsigned char>(row.byte) == byte)
      return row.word;
  char hex[4];
  std::snprintf(hex, sizeof hex, "x%02X", byte);
  return hex;
}

// `text` as a case name: letters, digits and '_' stay, every other byte becomes a word between
// underscores ("a:b" gives "a_colon_b", " x" gives "blank_x"), and no text gives "empty".
inline std::string CaseNameOf(std::string_view text)
{
  if (text.empty())
    return "empty";
  std::string name;
  bool after_word = false;
  for (const char c : text)
  {
    const std::string word = ByteWord(static_cast<unsigned char>(c));
    if (word.empty())
    {
      if (after_word)
        name += '_';
      name += c;
      after_word = false;
      continue;
    }
    if (!name.empty())
      name += '_';
    name += word;
    after_word = true;
  }
  return name;
}

// Names each case by its own `name` member, spelled by CaseNameOf.
struct ByName
{
  template <typename Case> std::string operator()(const testing::TestParamInfo<Case>& info) const
  {
    return CaseNameOf(info.param.name);
  }
};

// Names each case by one of its members, spelled by CaseNameOf:
// INSTANTIATE_TEST_SUITE_P(Cases, Suite, testing::Values(...), test::NamedBy<&Case::name>());
template <auto Member> struct NamedBy
{
  template <typename Case> std::string operator()(const testing::TestParamInfo<Case>& info) const
  {
    return CaseNameOf(info.param.*Member);
  }
};

// Names each case, a text, by the text itself.
struct NamedByText
{
  template <typename Text> std::string operator()(const testing::TestParamInfo<Text>& info) const
  {
    return CaseNameOf(info.param);
  }
};

} // namespace corvane::test
