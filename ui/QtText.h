#pragma once

// Conversions between the program's byte texts (the system's ANSI code page) and Qt's strings.

#include <QString>

#include <string>
#include <string_view>

namespace corvane
{

// Shows bytes as text; on Windows through the ANSI code page, elsewhere through the locale.
inline QString ToQString(std::string_view bytes)
{
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The bytes of a text the user typed, in the same encoding.
inline std::string ToBytes(const QString& text)
{
  const QByteArray bytes = text.toLocal8Bit();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The bytes for a box's text: the bytes it was loaded from while the user has not changed the
// text, so bytes the locale cannot show survive a save unchanged.
inline std::string BytesOfEdited(const QString& shown, const std::string& loaded_bytes)
{
  return shown == ToQString(loaded_bytes) ? loaded_bytes : ToBytes(shown);
}

} // namespace corvane
