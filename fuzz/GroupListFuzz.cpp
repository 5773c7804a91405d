// A list file of a family (ctrlr/cap.lst and the others) as a user may have edited it: its
// entries, written and read again, are the same entries but the empty ones; writing is then
// stable.

#include "FuzzCheck.h"
#include "catalogue/GroupLists.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> entries = ZincListMan::ParseGroupList(text);
  const std::string written = ZincListMan::GroupListText(entries);
  std::erase_if(entries, [](const std::string& entry) { return entry.empty(); });
  const std::vector<std::string> read_again = ZincListMan::ParseGroupList(written);
  fuzz::Require(read_again == entries);
  fuzz::Require(ZincListMan::GroupListText(read_again) == ZincListMan::GroupListText(entries));
  return 0;
}
