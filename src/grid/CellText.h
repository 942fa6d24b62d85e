#pragma once

// Cell text between the core's ISO-8859-1 strings and Qt, and the one way it is broken into
// lines: painting, row heights, the in-place editor and printing all wrap alike.

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

class QPainter;
class QPaintDevice;
class QRectF;

namespace vantaro {

// The space between a text area's edge and its text, on every side; the editor keeps the same.
inline constexpr int kTextPadding = 2;

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The text in ISO-8859-1 with every lone line feed (or carriage return) made a CR LF pair.
// A character ISO-8859-1 cannot hold becomes a near equivalent (typographic quotes and dashes,
// the ellipsis, odd spaces) or "?"; each one replaced is described in `replaced`
// ("U+20AC as EUR"), once.
std::string ToStoredText(const QString& text, QStringList* replaced = nullptr);

// The text's lines as typed: split at CR LF, LF or CR.
QStringList Paragraphs(const QString& text);

// The number of lines the text takes when wrapped at word boundaries (or anywhere, for a word
// wider than the width) to `width` in the font.
int WrappedLineCount(const QString& text, const QFont& font, qreal width,
                     QPaintDevice* device = nullptr);

// Draws the text in the painter's font and pen from the area's top left, one line per line
// height, clipped to the area. Wrapped, or else each paragraph on one line, cut with an ellipsis
// when `elide` is set.
void DrawCellText(QPainter& painter, const QRectF& area, const QString& text, bool wrap, bool elide);

// The line height every cell text uses: the font's height.
qreal LineHeight(const QFont& font, QPaintDevice* device = nullptr);

}  // namespace vantaro
