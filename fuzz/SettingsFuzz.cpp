// corvane.cfg as a user may have edited it: the settings it gives, written and read again, are
// the same settings, and writing them again gives the same bytes.

#include "FuzzCheck.h"
#include "base/Settings.h"

#include <cstdint>
#include <string>

using namespace corvane;

namespace
{

// A flag is on only at 1 (any other number is off, and is written as 0).
bool SameSettings(const FrontendSettings& a, const FrontendSettings& b)
{
  const auto on = [](int16_t flag) { return flag == 1; };
  return a.CommandOptions == b.CommandOptions && on(a.CfgWrapperFlag) == on(b.CfgWrapperFlag) &&
         on(a.MakeDatFlag) == on(b.MakeDatFlag) && on(a.ShowCmdFlag) == on(b.ShowCmdFlag);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string text(reinterpret_cast<const char*>(data), size);
  FrontendSettings read;
  ZincListMan::ApplySettingsText(&text, read);
  const std::string written = ZincListMan::SettingsFileText(read.CommandOptions, read);
  FrontendSettings read_again;
  ZincListMan::ApplySettingsText(&written, read_again);
  fuzz::Require(SameSettings(read, read_again));
  fuzz::Require(ZincListMan::SettingsFileText(read_again.CommandOptions, read_again) == written);
  return 0;
}
