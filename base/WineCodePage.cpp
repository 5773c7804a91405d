#include "base/WineCodePage.h"

#include <array>
#include <cstdlib>
#include <utility>

#ifndef _WIN32
#include <cerrno>
#include <iconv.h>
#endif

namespace corvane
{
namespace
{

// Languages (and, where the territory decides, language_TERRITORY) whose Windows code page is
// not 1252. The longer name is looked up first.
constexpr std::array<std::pair<std::string_view, unsigned>, 37> CODE_PAGES{{
    {"zh_TW", 950}, {"zh_HK", 950}, {"zh_MO", 950}, {"zh", 936},  {"ja", 932},  {"ko", 949},
    {"th", 874},    {"ru", 1251},   {"uk", 1251},   {"be", 1251}, {"bg", 1251}, {"mk", 1251},
    {"sr", 1251},   {"kk", 1251},   {"ky", 1251},   {"tt", 1251}, {"mn", 1251}, {"pl", 1250},
    {"cs", 1250},   {"sk", 1250},   {"hu", 1250},   {"hr", 1250}, {"sl", 1250}, {"ro", 1250},
    {"sq", 1250},   {"bs", 1250},   {"el", 1253},   {"tr", 1254}, {"az", 1254}, {"he", 1255},
    {"ar", 1256},   {"fa", 1256},   {"ur", 1256},   {"et", 1257}, {"lt", 1257}, {"lv", 1257},
    {"vi", 1258},
}};

} // namespace

unsigned WineCodePageOf(std::string_view locale)
{
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  for (const std::string_view key : {name, language})
  {
    for (const auto& [prefix, code_page] : CODE_PAGES)
    {
      if (key == prefix)
        return code_page;
    }
  }
  return 1252;
}

unsigned WineCodePage()
{
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
  {
    if (const char* value = std::getenv(variable); value && *value)
      return WineCodePageOf(value);
  }
  return 1252;
}

bool FitsCodePage([[maybe_unused]] const std::string& utf8, [[maybe_unused]] unsigned code_page)
{
#ifdef _WIN32
  return true;
#else
  const std::string target = "CP" + std::to_string(code_page);
  iconv_t converter = iconv_open(target.c_str(), "UTF-8");
  // iconv says it has no such code page with the address -1.
  if (converter == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
    return true;
  std::string input = utf8;
  std::string output(input.size() * 4 + 4, '\0');
  char* in = input.data();
  char* out = output.data();
  size_t in_left = input.size();
  size_t out_left = output.size();
  // Without //TRANSLIT a character the code page lacks stops the conversion (EILSEQ); glibc's
  // code page tables convert every character they hold exactly.
  const size_t converted = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  return converted == 0 && in_left == 0; // no failure, and no inexact (irreversible) one
#endif
}

} // namespace corvane
