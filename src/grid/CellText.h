#pragma once

// Cell text between the core's ISO-8859-1 strings and Qt, and the one way it is broken into
// lines: painting, row heights, the in-place editor and printing all wrap alike.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

#include <string>
#include <utility>

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

// Breaks cell text into lines in one font on one device: at line breaks, and where a line would
// pass the width, after the last whole word that fits (or inside a word wider than the width).
// Painting, row heights and printing all break lines here, so a row is as tall as the text drawn
// in it. Word widths and the lines of each text are remembered, so measuring a page again costs
// little.
class TextWrapper {
public:
    explicit TextWrapper(const QFont& font, QPaintDevice* device = nullptr);

    QStringList Lines(const QString& text, qreal width);
    int LineCount(const QString& text, qreal width);
    qreal LineHeight() const { return lineHeight_; }
    const QFont& Font() const { return font_; }
    QPaintDevice* Device() const { return device_; }

private:
    using LinesKey = std::pair<QString, int>;  // the text and the width in 1/64 pixels

    QStringList WrapText(const QString& text, qreal width);
    qreal Advance(const QString& word);
    void WrapParagraph(const QString& paragraph, qreal width, QStringList& lines);
    void BreakWord(const QString& word, qreal width, QStringList& lines, QString& line, qreal& used);

    QFont font_;
    QPaintDevice* device_;
    QFontMetricsF metrics_;
    qreal lineHeight_;
    qreal space_;
    QHash<QString, qreal> advances_;
    QHash<LinesKey, QStringList> lines_;
};

// Draws the text in the wrapper's font and the painter's pen from the area's top left, one line
// per line height, clipped to the area. Wrapped, or else each paragraph on one line, cut with an
// ellipsis when `elide` is set.
void DrawCellText(QPainter& painter, const QRectF& area, const QString& text, bool wrap, bool elide,
                  TextWrapper& wrapper);

}  // namespace vantaro
