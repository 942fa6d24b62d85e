#include "grid/CellText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

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

QTextOption WrapOption() {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
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

qreal LineHeight(const QFont& font, QPaintDevice* device) { return QFontMetricsF(font, device).height(); }

int WrappedLineCount(const QString& text, const QFont& font, qreal width, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    int lines = 0;
    for (const QString& paragraph : Paragraphs(text)) {
        if (metrics.horizontalAdvance(paragraph) <= width) {
            ++lines;
            continue;
        }
        QTextLayout layout(paragraph, font, device);
        layout.setTextOption(WrapOption());
        layout.beginLayout();
        int count = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max<qreal>(width, 1));
            ++count;
        }
        layout.endLayout();
        lines += std::max(count, 1);
    }
    return lines;
}

void DrawCellText(QPainter& painter, const QRectF& area, const QString& text, bool wrap, bool elide) {
    if (text.isEmpty() || area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const QFont font = painter.font();
    const QFontMetricsF metrics(font, painter.device());
    const qreal lineHeight = metrics.height();
    qreal y = area.top();
    for (const QString& paragraph : Paragraphs(text)) {
        if (y >= area.bottom()) break;
        const qreal advance = metrics.horizontalAdvance(paragraph);
        if (advance <= area.width() || !wrap) {
            QString shown = paragraph;
            if (elide && advance > area.width()) {
                shown = metrics.elidedText(paragraph, Qt::ElideRight, area.width());
                if (shown.isEmpty()) shown = QString(kEllipsis);
            }
            painter.drawText(QPointF(area.left(), y + metrics.ascent()), shown);
            y += lineHeight;
            continue;
        }
        QTextLayout layout(paragraph, font, painter.device());
        layout.setTextOption(WrapOption());
        layout.beginLayout();
        qreal lineTop = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, lineTop));
            lineTop += lineHeight;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(area.left(), y));
        y += lineTop;
    }
    painter.restore();
}

}  // namespace vantaro
