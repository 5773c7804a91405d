#pragma once

// The temporary files an atomic write keeps beside its target until it renames them over it,
// and the removal of those that a killed program left behind.

#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

// A fresh name beside the target: "<target>.tmp<process id>-<counter>".
std::string TemporaryNameFor(const std::string& path);

// The process id in a file name of that shape; nullopt for any other name.
std::optional<unsigned long> WriterOfTemporary(std::string_view file_name);

// Removes from one folder every file of that shape whose writer is gone. A file that a running
// writer may still rename over its target is left alone.
void RemoveAbandonedTemporaries(const std::string& folder);

#ifndef _WIN32
// Creates a temporary file beside the target, open for writing and locked for as long as it
// stays open: the lock tells RemoveAbandonedTemporaries that its writer is alive. Returns the
// descriptor and sets `temporary` to its name; -1 on failure.
int CreateOwnedTemporary(const std::string& target, std::string& temporary);
#endif

} // namespace corvane
