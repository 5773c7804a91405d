#include "base/Outcome.h"

namespace corvane
{

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
