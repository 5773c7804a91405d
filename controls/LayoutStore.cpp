#include "controls/LayoutStore.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/NameCase.h"
#include "base/Text.h"
#include "controls/SavePipeline.h"

#include <algorithm>
#include <filesystem>

namespace corvane::LayoutStore
{
namespace
{

constexpr std::string_view EXTENSION = ".ini";
// Holds the name of the layout in use; no layout's file, which all end in ".ini".
constexpr std::string_view IN_USE_FILE = "in-use.txt";

std::string Folder(const AppDir& dir)
{
  return dir.File(LAYOUTS_FOLDER);
}

std::string PathOf(const AppDir& dir, std::string_view name)
{
  return Folder(dir) + PATH_SEPARATOR + std::string(name) + std::string(EXTENSION);
}

Outcome Problem(std::string_view what, std::string file = {})
{
  Outcome outcome;
  outcome.Add(std::string(what), std::move(file));
  return outcome;
}

// Reads a file that should hold a layout; the outcome says why it holds none.
LayoutLoad ReadLayoutFile(const std::string& path)
{
  LayoutLoad load;
  // A folder or a device at the name is no layout, and reading a device could never end.
  const std::optional<std::string> bytes = IsRegularFile(path) ? ReadFileBytes(path) : std::nullopt;
  if (!bytes)
  {
    load.outcome.Add(std::string(Messages::LAYOUT_NOT_READ), path);
    return load;
  }
  LayoutRead read = ReadLayoutText(*bytes);
  if (!read.layout)
    load.outcome.Add(std::move(read.error), path);
  load.layout = std::move(read.layout);
  load.skipped = std::move(read.skipped);
  return load;
}

Outcome WriteInFolder(const AppDir& dir, const std::string& path, const std::string& bytes)
{
  if (!CreateDirectoryIfMissing(Folder(dir)))
    return Problem(Messages::FOLDER_NOT_CREATED, Folder(dir));
  if (!WriteFileAtomic(path, bytes))
    return Problem(Messages::FILE_NOT_WRITTEN, path);
  return {};
}

// Two names of one file: the same bytes, or the same letters where the folder folds case.
bool SameFile(const AppDir& dir, std::string_view a, std::string_view b)
{
  if (a == b)
    return true;
  return ToLowerAscii(a) == ToLowerAscii(b) && NameCaseOf(Folder(dir)) == NameCase::Folded;
}

} // namespace

bool IsLayoutName(std::string_view name)
{
  const bool control_free =
      std::none_of(name.begin(), name.end(),
                   [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  return !name.empty() && name.size() <= LAYOUT_NAME_MAX && control_free && name.front() != '.' &&
         name.front() != ' ' && name.back() != '.' && name.back() != ' ' &&
         KeyCodeManager::IsPlainSetName(name);
}

std::vector<std::string> List(const AppDir& dir)
{
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Folder(dir), error))
  {
    const std::string file = entry.path().filename().string();
    if (file.size() <= EXTENSION.size() ||
        ToLowerAscii(file.substr(file.size() - EXTENSION.size())) != EXTENSION)
      continue;
    const std::string name = file.substr(0, file.size() - EXTENSION.size());
    if (IsLayoutName(name) && entry.is_regular_file(error))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

Outcome Save(const AppDir& dir, std::string_view name, const Layout& layout)
{
  if (!IsLayoutName(name))
    return Problem(Messages::LAYOUT_BAD_NAME, std::string(name));
  return WriteInFolder(dir, PathOf(dir, name), LayoutText(layout));
}

LayoutLoad Load(const AppDir& dir, std::string_view name)
{
  if (!IsLayoutName(name))
  {
    LayoutLoad load;
    load.outcome.Add(std::string(Messages::LAYOUT_BAD_NAME), std::string(name));
    return load;
  }
  return ReadLayoutFile(PathOf(dir, name));
}

Outcome Rename(const AppDir& dir, std::string_view from, std::string_view to)
{
  if (!IsLayoutName(from) || !IsLayoutName(to))
    return Problem(Messages::LAYOUT_BAD_NAME, std::string(IsLayoutName(from) ? to : from));
  const std::string old_path = PathOf(dir, from);
  const std::string new_path = PathOf(dir, to);
  if (!IsRegularFile(old_path))
    return Problem(Messages::LAYOUT_MISSING, old_path);
  const bool same_file = SameFile(dir, from, to);
  if (!same_file && MayExist(new_path))
    return Problem(Messages::LAYOUT_EXISTS, new_path);
  const std::optional<std::string> bytes = ReadFileBytes(old_path);
  if (!bytes)
    return Problem(Messages::LAYOUT_NOT_READ, old_path);
  const bool in_use = InUse(dir) == from;
  // A case-only change on a case-folding folder must not remove the one file both names mean.
  Outcome outcome = WriteInFolder(dir, new_path, *bytes);
  if (outcome.Ok() && !same_file && !RemoveFileIfPresent(old_path))
    outcome.Add(std::string(Messages::LAYOUT_NOT_REMOVED), old_path);
  if (outcome.Ok() && in_use)
    outcome.Append(SetInUse(dir, to));
  return outcome;
}

Outcome Remove(const AppDir& dir, std::string_view name)
{
  if (!IsLayoutName(name))
    return Problem(Messages::LAYOUT_BAD_NAME, std::string(name));
  const std::string path = PathOf(dir, name);
  if (!RemoveFileIfPresent(path))
    return Problem(Messages::LAYOUT_NOT_REMOVED, path);
  return InUse(dir) == name ? SetInUse(dir, "") : Outcome();
}

Outcome Export(const AppDir& dir, std::string_view name, const std::string& path)
{
  LayoutLoad load = Load(dir, name);
  if (!load.layout)
    return load.outcome;
  if (!WriteFileAtomic(path, LayoutText(*load.layout)))
    return Problem(Messages::FILE_NOT_WRITTEN, path);
  return {};
}

LayoutLoad Import(const AppDir& dir, const std::string& path, std::string_view name, bool replace)
{
  LayoutLoad load;
  if (!IsLayoutName(name))
  {
    load.outcome.Add(std::string(Messages::LAYOUT_BAD_NAME), std::string(name));
    return load;
  }
  if (!replace && MayExist(PathOf(dir, name)))
  {
    load.outcome.Add(std::string(Messages::LAYOUT_EXISTS), PathOf(dir, name));
    return load;
  }
  load = ReadLayoutFile(path);
  if (load.layout)
    load.outcome = Save(dir, name, *load.layout);
  if (!load.outcome.Ok())
    load.layout.reset();
  return load;
}

std::string InUse(const AppDir& dir)
{
  const std::string path = Folder(dir) + PATH_SEPARATOR + std::string(IN_USE_FILE);
  const std::optional<std::string> bytes = IsRegularFile(path) ? ReadFileBytes(path) : std::nullopt;
  if (!bytes)
    return {};
  // One line: the name, as SetInUse wrote it or a player typed it.
  const std::string name(bytes->substr(0, bytes->find_first_of("\r\n")));
  return IsLayoutName(name) && IsRegularFile(PathOf(dir, name)) ? name : std::string();
}

Outcome SetInUse(const AppDir& dir, std::string_view name)
{
  const std::string path = Folder(dir) + PATH_SEPARATOR + std::string(IN_USE_FILE);
  if (name.empty())
    return RemoveFileIfPresent(path) ? Outcome() : Problem(Messages::FILE_NOT_WRITTEN, path);
  if (!IsLayoutName(name))
    return Problem(Messages::LAYOUT_BAD_NAME, std::string(name));
  return WriteInFolder(dir, path, std::string(name) + "\r\n");
}

} // namespace corvane::LayoutStore
