#include "grid/CellText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace vantaro {
namespace {

constexpr char16_t kEllipsis = u'\u2026';

// Near equivalents for characters often pasted from word processors.
QString Equivalent(char32_t code) {
    switch (code) {
        case 0x2018: case 0x2019: case 0x201A: case 0x2032: return QStringLiteral("'");
        case 0x201C: case 0x201D: case 0x201E: case 0x2033: return QStringLiteral("\"");
        case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015:
        case 0x2212: return QStringLiteral("-");
        case 0x2026: return QStringLiteral("...");
        case 0x2022: return QStringLiteral("*");
        case 0x20AC: return QStringLiteral("EUR");
        case 0x2002: case 0x2003: case 0x2009: case 0x200A: case 0x202F: return QStringLiteral(" ");
        case 0x200B: case 0xFEFF: return QString();
        default: return QStringLiteral("?");
    }
}

QString Describe(char32_t code, const QString& equivalent) {
    const QString name = QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    if (equivalent.isEmpty()) return name + QStringLiteral(" left out");
    return name + QStringLiteral(" as ") + equivalent;
}

}  // namespace

std::string ToStoredText(const QString& text, QStringList* replaced) {
    std::string stored;
    stored.reserve(static_cast<std::size_t>(text.size()) + 8);
    const QList<uint> codes = text.toUcs4();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const char32_t code = codes[i];
        if (code == u'\r' || code == u'\n' || code == 0x2028 || code == 0x2029) {
            stored += "\r\n";
            if (code == u'\r' && i + 1 < codes.size() && codes[i + 1] == u'\n') ++i;
        } else if (code <= 0xFF) {
            stored += static_cast<char>(code);
        } else {
            const QString equivalent = Equivalent(code);
            stored += equivalent.toLatin1().toStdString();
            if (replaced) {
                const QString description = Describe(code, equivalent);
                if (!replaced->contains(description)) replaced->append(description);
            }
        }
    }
    return stored;
}

QStringList Paragraphs(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

TextWrapper::TextWrapper(const QFont& font, QPaintDevice* device)
    : font_(font), device_(device), metrics_(font, device), lineHeight_(metrics_.height()),
      space_(metrics_.horizontalAdvance(QLatin1Char(' '))) {}

qreal TextWrapper::Advance(const QString& word) {
    const auto found = advances_.constFind(word);
    if (found != advances_.constEnd()) return *found;
    // A page's words repeat; a page of unusual text must not make the memory grow without end.
    if (advances_.size() > 50000) advances_.clear();
    const qreal advance = metrics_.horizontalAdvance(word);
    advances_.insert(word, advance);
    return advance;
}

// A word wider than the whole width is cut after the last character that fits (at least one).
void TextWrapper::BreakWord(const QString& word, qreal width, QStringList& lines, QString& line, qreal& used) {
    QString rest = word;
    while (!rest.isEmpty()) {
        qsizetype fits = 1;
        while (fits < rest.size() && metrics_.horizontalAdvance(rest.left(fits + 1)) <= width) ++fits;
        if (fits == rest.size()) {
            line = rest;
            used = metrics_.horizontalAdvance(rest);
            return;
        }
        lines.append(rest.left(fits));
        rest = rest.mid(fits);
    }
}

void TextWrapper::WrapParagraph(const QString& paragraph, qreal width, QStringList& lines) {
    if (Advance(paragraph) <= width) {
        lines.append(paragraph);
        return;
    }
    QString line;
    qreal used = 0;
    bool lineStarted = false;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
        const qreal advance = word.isEmpty() ? 0 : Advance(word);
        if (lineStarted && used + space_ + advance <= width) {
            line += QLatin1Char(' ');
            line += word;
            used += space_ + advance;
            continue;
        }
        if (lineStarted) lines.append(line);
        lineStarted = true;
        if (advance <= width) {
            line = word;
            used = advance;
        } else {
            BreakWord(word, width, lines, line, used);
        }
    }
    lines.append(line);
}

// Pages repeat short texts in many cells (a capability in every pupil's row), so the lines of
// each text at each width are remembered too; the memo starts afresh when it grows large.
QStringList TextWrapper::Lines(const QString& text, qreal width) {
    constexpr qsizetype kMemoLimit = 8192;
    const LinesKey key{text, qRound(width * 64)};
    if (const auto found = lines_.constFind(key); found != lines_.constEnd()) return found.value();
    if (lines_.size() >= kMemoLimit) lines_.clear();
    return lines_.insert(key, WrapText(text, width)).value();
}

QStringList TextWrapper::WrapText(const QString& text, qreal width) {
    QStringList lines;
    QString expanded = text;
    expanded.replace(QLatin1Char('\t'), QStringLiteral("    "));
    for (const QString& paragraph : Paragraphs(expanded)) WrapParagraph(paragraph, std::max<qreal>(width, 1), lines);
    return lines;
}

int TextWrapper::LineCount(const QString& text, qreal width) { return static_cast<int>(Lines(text, width).size()); }

void DrawCellText(QPainter& painter, const QRectF& area, const QString& text, bool wrap, bool elide,
                  TextWrapper& wrapper) {
    if (text.isEmpty() || area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setFont(wrapper.Font());
    const QFontMetricsF metrics(wrapper.Font(), painter.device());
    const QStringList lines = wrap ? wrapper.Lines(text, area.width()) : Paragraphs(text);
    qreal y = area.top();
    for (const QString& line : lines) {
        if (y >= area.bottom()) break;
        QString shown = line;
        if (elide && metrics.horizontalAdvance(line) > area.width()) {
            shown = metrics.elidedText(line, Qt::ElideRight, area.width());
            if (shown.isEmpty()) shown = QString(kEllipsis);
        }
        painter.drawText(QPointF(area.left(), y + metrics.ascent()), shown);
        y += wrapper.LineHeight();
    }
    painter.restore();
}

}  // namespace vantaro
