#pragma once

#include "base/text.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace yardmark {

// The core keeps its texts in Windows-1252 and its paths in the file system's
// encoding; Qt wants UTF-16. These are the only crossings.

inline QString toQString(std::string_view cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

inline std::string fromQString(const QString &text)
{
    return utf8ToCp1252(text.toStdString());
}

inline QString pathToQString(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

/// A path as the system spells it: in wide characters on Windows, in bytes
/// elsewhere.
inline QString pathToQString(const std::filesystem::path &path)
{
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return pathToQString(path.native());
#endif
}

/// A path from Qt, which writes `/` on every system, with the system's own
/// separators: on Windows the scorer reads `C:\Games\week1.gam` wherever the
/// path is shown again, and two spellings of one file do not differ.
inline std::string pathFromQString(const QString &path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

} // namespace yardmark
