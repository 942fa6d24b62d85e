#include "grid/CellPainter.h"

#include <QPainter>

#include "grid/CellText.h"
#include "grid/ImageList.h"
#include "grid/markup/CellMarkup.h"

namespace vantaro {
namespace {

constexpr qreal kCornerRadius = 4;  // a corner ellipse of 8 by 8
constexpr int kRunJoin = 8;

// A rectangle as an outline and fill covering exactly [left, right) x [top, bottom).
void FillShape(QPainter& painter, const PixelRect& rect, const QColor& pen, const QColor& fill, bool round) {
    if (rect.IsEmpty()) return;
    const QRectF area(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1.0, rect.Height() - 1.0);
    painter.setPen(QPen(pen, 1));
    painter.setBrush(fill);
    if (round) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawRoundedRect(area, kCornerRadius, kCornerRadius);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(area);
    }
}

}  // namespace

QRect ToQRect(const PixelRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void CellPainter::DrawShape(const PixelRect& rect, const PixelRect& cell, const CellEffect& effect,
                            QColor pen, QColor fill) {
    if (effect.lighten) {
        pen = Lighten(pen);
        fill = Lighten(pen);
    } else if (effect.darken) {
        pen = Darken(pen);
        fill = Darken(pen);
    }
    FillShape(painter_, rect, pen, fill, effect.round);
    if (effect.left) FillShape(painter_, {rect.right - kRunJoin, rect.top, cell.right, rect.bottom}, pen, fill, false);
    if (effect.right) FillShape(painter_, {cell.left, rect.top, rect.left + kRunJoin, rect.bottom}, pen, fill, false);
}

QColor CellPainter::TextColor(const CellFacts& facts, bool highlighted) const {
    return highlighted ? palette_.SelectionText() : palette_.ForStyle(facts.style).text;
}

void CellPainter::Draw(const CellToPaint& cell) {
    const CellFacts& facts = *cell.facts;
    const CellLayout& layout = cell.layout;
    const StyleColors colors = palette_.ForStyle(facts.style);
    QColor textBackground = colors.fill;
    if (cell.highlighted) {
        textBackground = palette_.Background();
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setPen(QPen(palette_.SelectionBackground(), 2));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRoundedRect(QRectF(ToQRect(layout.cell)).adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    } else if (colors.hasShape) {
        if (facts.style == cell::kTitle && facts.effect.shadow) {
            CellEffect shadow = facts.effect;
            shadow.darken = true;
            DrawShape(layout.shadow, layout.cell, shadow, colors.pen, colors.fill);
        }
        DrawShape(colors.shapeInLinkBand ? layout.linkBand : layout.box, layout.cell, facts.effect,
                  colors.pen, colors.fill);
    }

    if (facts.style == cell::kImage) {
        if (images_.pictures) images_.pictures->Draw(painter_, ToQRect(layout.picture), cell.picture);
    } else {
        const QRect area = ToQRect(layout.text);
        // Shaped styles show their shape behind the text; the others fill the text area.
        if (!colors.hasShape || cell.highlighted) painter_.fillRect(area, textBackground);
        if (facts.IsEditableStyle() && !cell.readOnly) {
            painter_.setPen(palette_.DataBorder());
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(area.adjusted(-1, -1, 0, 0));
        }
        if (cell.drawsOwnText) {
            painter_.setPen(TextColor(facts, cell.highlighted));
            DrawCellText(painter_, area.adjusted(kTextPadding, kTextPadding, -kTextPadding, -kTextPadding),
                         cell.text, facts.style == cell::kData, facts.style != cell::kData, wrapper_);
        }
    }

    if (images_.types) images_.types->Draw(painter_, ToQRect(layout.type), facts.type);
    if (images_.checks) images_.checks->Draw(painter_, ToQRect(layout.check), facts.check);
    if (images_.actions) images_.actions->Draw(painter_, ToQRect(layout.action), cell.actionImage);
}

void CellPainter::DrawRunText(const CellFacts& endFacts, const QRect& area, const QString& text) {
    painter_.setPen(TextColor(endFacts, false));
    DrawCellText(painter_, area.adjusted(kTextPadding, kTextPadding, -kTextPadding, -kTextPadding), text,
                 false, true, wrapper_);
}

}  // namespace vantaro
