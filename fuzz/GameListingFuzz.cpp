// The emulator's game listing, as "zinc.exe --list-games" may print it: every row the listing
// gives is a line's own, holds a set name and a parent, and no field keeps a bracket.

#include "FuzzCheck.h"
#include "catalogue/GameTable.h"

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string listing(reinterpret_cast<const char*>(data), size);
  const GameTable table = ZincListMan::ParseGameListing(listing);
  for (const GameRow& row : table.rows)
  {
    fuzz::Require(!row.set_name.empty() && !row.parent.empty() && row.number.size() <= 3);
    for (const std::string* field : {&row.set_name, &row.title, &row.number, &row.parent})
      fuzz::Require(field->find_first_of("[]\n") == std::string::npos);
    fuzz::Require(ZincListMan::ParseGameLine(row.set_name) == std::nullopt);
  }
  (void)ZincListMan::GameTableFileText(table);
  return 0;
}
