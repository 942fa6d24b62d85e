#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vantaro::test {

// The number of pages of a PDF file: its page objects, "/Type /Page" but not "/Type /Pages";
// -1 when the file cannot be read.
inline int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0; at = bytes.indexOf("/Type /Page", at + 1))
        if (bytes.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

}  // namespace vantaro::test
