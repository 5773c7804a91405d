#pragma once

// The temporary files an atomic write keeps beside its target until it renames them over it,
// and the removal of those that a killed program left behind.

#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

// A fresh name beside the target: "<target>~corvane-<process id>-<counter>", the counter below
// 100000. The program's mark and the numbers written without leading zeros make a name no
// player gives a file.
std::string TemporaryNameFor(const std::string& path);

// The process id in a file name of exactly that shape; nullopt for any other name.
std::optional<unsigned long> WriterOfTemporary(std::string_view file_name);

// Removes from one folder every regular file of that shape whose writer is gone; links,
// folders and every other name are left alone. A file that a running writer may still rename
// over its target is left alone too.
void RemoveAbandonedTemporaries(const std::string& folder);

#ifndef _WIN32
// Creates a temporary file beside the target, open for writing and locked for as long as it
// stays open: the lock tells RemoveAbandonedTemporaries that its writer is alive. Returns the
// descriptor and sets `temporary` to its name; -1 on failure.
int CreateOwnedTemporary(const std::string& target, std::string& temporary);
#endif

} // namespace corvane
