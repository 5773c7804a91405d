#include "base/AppDir.h"

#include "base/CodePage.h"

namespace corvane
{

AppDir::AppDir(std::string root) : m_root(std::move(root))
{
  // A root such as "/" or "C:\" keeps its separator; anything longer drops a trailing one. The
  // last byte may be the second half of a double-byte character, which is no separator.
  while (m_root.size() > 1 && EndsWithPathSeparator(m_root) && m_root[m_root.size() - 2] != ':')
    m_root.pop_back();
}

std::string AppDir::File(std::string_view name) const
{
  std::string path = m_root;
  if (path.empty() || !EndsWithPathSeparator(path))
    path += PATH_SEPARATOR;
  path += name;
  return path;
}

std::string AppDir::CtrlrDir() const
{
  return File("ctrlr");
}

std::string AppDir::CtrlrFile(std::string_view name) const
{
  std::string path = CtrlrDir();
  path += PATH_SEPARATOR;
  path += name;
  return path;
}

} // namespace corvane
