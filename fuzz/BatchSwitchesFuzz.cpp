// The program's command line in batch mode: a DAT path comes only with "listinfo".

#include "FuzzCheck.h"
#include "app/BatchSwitches.h"

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string line(reinterpret_cast<const char*>(data), size);
  const BatchSwitches switches = ParseBatchSwitches(line);
  fuzz::Require(switches.dat_path.empty() || switches.make_dat);
  return 0;
}
