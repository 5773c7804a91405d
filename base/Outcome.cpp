#include "base/Outcome.h"

#include "base/Messages.h"

namespace corvane
{

void Outcome::AddProtected(std::string file)
{
  problems.push_back({std::string(Messages::FILE_PROTECTED), std::move(file), true});
}

std::string Outcome::Describe() const
{
  std::string text;
  for (const Problem& problem : problems)
  {
    if (!text.empty())
      text += '\n';
    text += problem.what;
    if (!problem.file.empty())
      text += ": " + problem.file;
  }
  return text;
}

} // namespace corvane
