#pragma once

// The step every generated emulator-side file shares: read what a listing run left behind,
// convert it, and replace the target with the result.

#include "base/Outcome.h"

#include <functional>
#include <string>
#include <string_view>

namespace corvane::ZincListMan
{

// Converts the listing file's bytes and replaces `target_path` atomically. Problems: the
// listing could not be read (`unreadable`, naming the listing; the target is left untouched)
// or the target could not be written.
Outcome WriteFromListingFile(const std::string& listing_path, const std::string& target_path,
                             std::string_view unreadable,
                             const std::function<std::string(std::string_view)>& convert);

} // namespace corvane::ZincListMan
