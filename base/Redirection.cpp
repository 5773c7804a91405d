#include "base/Redirection.h"

#include "base/Text.h"

namespace corvane
{

std::optional<RedirectedCommand> SplitOutputRedirection(std::string_view line)
{
  const auto arrow = line.find_last_of('>');
  if (arrow == std::string_view::npos)
    return std::nullopt;
  RedirectedCommand split{std::string(Trim(line.substr(0, arrow))),
                          std::string(Trim(line.substr(arrow + 1)))};
  const std::string_view special = "\"|&<>^%\r\n";
  if (split.command.empty() || split.output_file.empty() ||
      split.command.find_first_of(special) != std::string::npos ||
      split.output_file.find_first_of(special) != std::string::npos)
    return std::nullopt;
  return split;
}

} // namespace corvane
