#include "catalogue/RunListing.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "base/Redirection.h"

namespace corvane::ZincListMan
{

Outcome RunListing(const AppDir& dir, std::string_view command, ListingEnd* end)
{
  Outcome outcome;
  if (end)
    *end = ListingEnd::NotRun;
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
  if (end)
    *end = !run.started                   ? ListingEnd::NotRun
           : run.timed_out || run.crashed ? ListingEnd::Unfinished
                                          : ListingEnd::Finished;
  if (!run.started)
    outcome.Add(std::string(Messages::LISTING_NOT_STARTED), batch_path);
  else if (run.timed_out)
    outcome.Add(std::string(Messages::LISTING_TIMED_OUT), std::string(command));
  else if (run.crashed)
    outcome.Add(std::string(Messages::LISTING_CRASHED), std::string(command));
  return outcome;
}

} // namespace corvane::ZincListMan
