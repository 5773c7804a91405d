#include "generate/ListingFile.h"

#include "base/FileIo.h"
#include "base/Messages.h"

namespace corvane::ZincListMan
{

Outcome WriteFromListingFile(const std::string& listing_path, const std::string& target_path,
                             std::string_view unreadable,
                             const std::function<std::string(std::string_view)>& convert)
{
  Outcome outcome;
  const auto listing = ReadFileBytes(listing_path);
  if (!listing)
  {
    // An earlier good file is worth more than one made from nothing.
    outcome.Add(std::string(unreadable), listing_path);
    return outcome;
  }
  if (!WriteFileAtomic(target_path, convert(*listing)))
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), target_path);
  return outcome;
}

} // namespace corvane::ZincListMan
