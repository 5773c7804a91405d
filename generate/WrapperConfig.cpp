#include "generate/WrapperConfig.h"

// Placeholder until the wrapper configuration lands.
namespace corvane::ZincListMan
{
std::string WrapperConfigText(const GameTable&, std::string_view, const AppDir&) { return {}; }
WrapperResult WriteWrapperConfig(const AppDir&, const GameTable&, std::string_view) { return {}; }
} // namespace corvane::ZincListMan
