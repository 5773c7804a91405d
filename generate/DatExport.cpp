#include "generate/DatExport.h"

// Placeholder until the DAT export lands.
namespace corvane::ZincListMan
{
std::string DatFromSetListing(std::string_view) { return {}; }
Outcome ExportDat(const AppDir&, std::string&) { return {}; }
} // namespace corvane::ZincListMan
