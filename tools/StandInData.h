#pragma once

// The real catalogue's listings, built into the stand-in from tools/data (CR LF text, byte for
// byte as the emulator prints them).

#include <string_view>

namespace corvane::standin
{

// "zinclist.txt": the game listing, printed by --list-games.
extern const std::string_view EMBEDDED_GAME_LISTING;
// "zinccrc.txt": the set listing, printed by --list-sets.
extern const std::string_view EMBEDDED_SET_LISTING;
// "zincoptions.txt": the option listing, printed by --help.
extern const std::string_view EMBEDDED_OPTION_LISTING;

} // namespace corvane::standin
