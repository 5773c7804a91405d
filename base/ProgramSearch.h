#pragma once

// Finding outside programs the way a shell does, with the environment passed in, so the choices
// that depend on PATH and other variables can be tested without changing the process's own.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

// One environment variable by name; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The process's own environment.
EnvironmentLookup ProcessEnvironment();

// True for a regular file this process may execute (off Windows).
bool IsExecutableFile(const std::string& path);

// The first executable file called `name` in the ':'-separated folders of `path_list`; an empty
// or relative entry is read from `relative_base`. Empty when there is none (always on Windows).
std::string FindOnPath(std::string_view name, std::string_view path_list,
                       const std::string& relative_base);

// `name` as a program to run: a name with a '/' is that file (relative to `relative_base`),
// any other name is looked up on the environment's PATH. Empty when it is not an executable file.
std::string ResolveProgram(std::string_view name, const EnvironmentLookup& env,
                           const std::string& relative_base);

} // namespace corvane
