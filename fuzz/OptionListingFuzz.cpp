// The emulator's option listing ("zinc.exe --help"), turned into the default zinc.cfg.

#include "FuzzCheck.h"
#include "generate/EmulatorConfig.h"

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string listing(reinterpret_cast<const char*>(data), size);
  const AppDir dir("/emulator dir");
  fuzz::Require(ZincListMan::EmulatorConfigFromOptions(listing, dir) ==
                ZincListMan::EmulatorConfigFromOptions(listing, dir));
  return 0;
}
