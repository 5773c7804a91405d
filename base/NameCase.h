#pragma once

// How a folder's file system compares the names in it: two names with the same key name one
// file there.

#include <string>
#include <string_view>

namespace corvane
{

enum class NameCase
{
  Exact,  // names are compared byte for byte
  Folded, // names that differ only in the case of their letters name one file
};

// Finds out how the folder compares names. Windows folds case; elsewhere a file created for the
// purpose is looked up under its upper-cased name (ext4 with casefold, vfat and network shares
// fold case folder by folder). Exact when the folder cannot be tried.
NameCase NameCaseOf(const std::string& folder);

// The key under which the file system compares the name: the name itself when the case is
// exact, upper-cased as the system does it when it is folded.
std::string FileNameKey(std::string_view name, NameCase name_case);

} // namespace corvane
