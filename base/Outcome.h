#pragma once

// What an operation reports instead of showing anything: the problems it met, each with the
// file it concerns. Only the windows turn these into message boxes; batch mode prints one line.

#include <string>
#include <vector>

namespace corvane
{

struct Problem
{
  std::string what; // a sentence for the user, without the file name
  std::string file; // the full path concerned, or empty
  // A file the player made read-only, left as it is: told, yet no failure of the operation.
  bool protected_file = false;
};

struct Outcome
{
  std::vector<Problem> problems;

  bool Ok() const { return problems.empty(); }
  void Add(std::string what, std::string file = {})
  {
    problems.push_back({std::move(what), std::move(file)});
  }
  // Reports a file left as it is because the player made it read-only.
  void AddProtected(std::string file);
  void Append(const Outcome& other)
  {
    problems.insert(problems.end(), other.problems.begin(), other.problems.end());
  }
  // One problem per line, "what: file"; empty when all went well.
  std::string Describe() const;
};

} // namespace corvane
