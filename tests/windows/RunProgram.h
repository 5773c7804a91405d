#pragma once

// Starts a Windows program as a user at a prompt would and waits for it: the program's path
// and the arguments are wide text, so tests can name folders outside the ANSI code page.

#include "e2e/EmulatorDir.h"

#include <filesystem>
#include <map>
#include <string>
#include <windows.h>

namespace corvane::test
{

// Runs `program` with the command-line text `arguments` (after one blank) from the system
// drive's root, its stderr written to `error_file`, with extra environment variables; inside
// `job` when one is given.
RunOutput RunProgram(const std::filesystem::path& program, const std::wstring& arguments,
                     const std::map<std::string, std::string>& environment,
                     const std::filesystem::path& error_file, HANDLE job = nullptr);

// Text in the ANSI code page as wide text, the way Windows reads a typed command line.
std::wstring WideFromAnsi(const std::string& text);

} // namespace corvane::test
