#pragma once

// Conversions between the program's byte texts (the system's ANSI code page) and Qt's strings.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include "base/CodePage.h"
#endif

namespace corvane
{

// Shows bytes as text; on Windows through the ANSI code page, elsewhere through the locale.
inline QString ToQString(std::string_view bytes)
{
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The bytes of a text the user typed, in the same encoding; nullopt on Windows when a character
// has no exact equivalent in the ANSI code page (Qt's own conversion would write a look-alike
// letter there, and a path would name another file).
inline std::optional<std::string> ExactBytes(const QString& text)
{
#ifdef _WIN32
  bool lossy = false;
  std::string bytes = AnsiFromWide(text.toStdWString(), &lossy);
  if (lossy)
    return std::nullopt;
  return bytes;
#else
  const QByteArray bytes = text.toLocal8Bit();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
#endif
}

// The bytes of a text the user typed; a character ExactBytes refuses becomes '?'.
inline std::string ToBytes(const QString& text)
{
#ifdef _WIN32
  return AnsiFromWide(text.toStdWString());
#else
  return *ExactBytes(text);
#endif
}

// The bytes for a box's text: the bytes it was loaded from while the user has not changed the
// text, so bytes the locale cannot show survive a save unchanged.
inline std::string BytesOfEdited(const QString& shown, const std::string& loaded_bytes)
{
  return shown == ToQString(loaded_bytes) ? loaded_bytes : ToBytes(shown);
}

} // namespace corvane
