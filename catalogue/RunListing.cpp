#include "catalogue/RunListing.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "base/Redirection.h"

namespace corvane::ZincListMan
{

Outcome RunListing(const AppDir& dir, std::string_view command)
{
  Outcome outcome;
  const std::string batch_path = dir.File(LISTING_BATCH_FILE);
  std::string batch_line(command);
  batch_line += "\r\n";
  if (!WriteFileAtomic(batch_path, batch_line))
  {
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), batch_path);
    return outcome;
  }
  // A listing left by an earlier run must not pass for this run's: with none, a run that wrote
  // nothing leaves nothing to read, and the reader reports it.
  if (const auto split = SplitOutputRedirection(command);
      split && !RemoveFileIfPresent(dir.File(split->output_file)))
  {
    outcome.Add(std::string(Messages::LISTING_NOT_STARTED), dir.File(split->output_file));
    return outcome;
  }
  SetCurrentDir(dir.Root());
  const RunResult run = RunAndWait(std::string(LISTING_BATCH_FILE), dir.Root(), ListingTimeout());
  if (!run.started)
    outcome.Add(std::string(Messages::LISTING_NOT_STARTED), batch_path);
  else if (run.timed_out)
    outcome.Add(std::string(Messages::LISTING_TIMED_OUT), std::string(command));
  return outcome;
}

} // namespace corvane::ZincListMan
