#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace vantaro {

// File paths cross into the core in the file system's own encoding (UTF-8 on Linux), not as
// stored text: a name such as "Année.ods" must reach the same file it was chosen as.
inline std::string ToLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString FromLocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace vantaro
