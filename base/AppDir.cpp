#include "base/AppDir.h"

namespace corvane
{

AppDir::AppDir(std::string root) : m_root(std::move(root))
{
  // A root such as "/" or "C:\" keeps its separator; anything longer drops a trailing one.
  while (m_root.size() > 1 && m_root.back() == PATH_SEPARATOR && m_root[m_root.size() - 2] != ':')
    m_root.pop_back();
}

std::string AppDir::File(std::string_view name) const
{
  std::string path = m_root;
  if (path.empty() || path.back() != PATH_SEPARATOR)
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
