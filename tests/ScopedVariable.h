#pragma once

// An environment variable set for one test's scope, then restored as it was (or unset).

#include <cstdlib>
#include <optional>
#include <string>

namespace corvane::test
{

#ifdef _WIN32
// The C run-time's own environment, which getenv reads; an empty value removes the variable.
inline void setenv(const char* name, const char* value, int /*overwrite*/)
{
  _putenv_s(name, value);
}
inline void unsetenv(const char* name)
{
  _putenv_s(name, "");
}
#endif

class ScopedVariable
{
public:
  ScopedVariable(const char* name, const std::string& value) : m_name(name)
  {
    if (const char* old = std::getenv(name))
      m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable()
  {
    if (m_old)
      setenv(m_name, m_old->c_str(), 1);
    else
      unsetenv(m_name);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
  const char* m_name;
  std::optional<std::string> m_old;
};

} // namespace corvane::test
