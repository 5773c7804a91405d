// The emulator's set listing ("zinc.exe --list-sets"), turned into the DAT: any bytes give a DAT
// without a fault, and the same bytes the same DAT.

#include "FuzzCheck.h"
#include "generate/DatExport.h"

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string listing(reinterpret_cast<const char*>(data), size);
  const std::string dat = ZincListMan::DatFromSetListing(listing);
  fuzz::Require(dat == ZincListMan::DatFromSetListing(listing));
  return 0;
}
