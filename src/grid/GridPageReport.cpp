#include "grid/GridPageReport.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>

#include "factory/CFactory.h"
#include "factory/CStored.h"
#include "grid/CellText.h"
#include "grid/GridColors.h"
#include "grid/ImageList.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/NumberText.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr double kMinimumBand = 89;     // 8.9 mm
constexpr double kGuideTop = 1;         // 0.1 mm
constexpr double kTextLeft = 8;         // 0.8 mm
constexpr double kTextTop = 2;          // 0.2 mm
constexpr double kTextNarrower = 12;    // 1.2 mm
constexpr double kTextShorter = 4;      // 0.4 mm
constexpr double kPrintLevelIndent = 40;     // 4 mm
constexpr double kPageMargin = 127;     // 12.7 mm
constexpr double kTypeImage = 45;       // a type image 4.5 mm square, with 0.5 mm after it
constexpr double kCheckImage = 35;
constexpr double kImageGap = 5;
constexpr double kPicture = 32 * 254.0 / 96;  // a 32-pixel picture at the screen's 96 dots per inch
constexpr double kHeaderGap = 30;
constexpr double kLeastLinesBeforeBreak = 3;  // of a band taller than a page, to start it on the current page

QFont HeaderFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

// The header from the root year: "TUTOR_NAME, SCHOOL_NAME year", leaving out what is empty.
std::string YearHeader(const CFactory* factory) {
    const CStored* year = factory ? factory->Root() : nullptr;
    if (!year) return {};
    std::string text;
    const std::string tutor = year->GetAttributeText("TUTOR_NAME");
    if (!tutor.empty()) text = tutor + ",";
    const std::string school = year->GetAttributeText("SCHOOL_NAME");
    if (!school.empty()) text = Trim(text + " " + school);
    const std::string name = year->DisplayText();
    if (!name.empty()) text = Trim(text + " " + name);
    return text;
}

}  // namespace

// Device pixels per tenth of a millimetre, and the page's bands in tenths.
struct GridPageReport::Units {
    explicit Units(QPrinter& printer, const QFont& font)
        : device(&printer), wrapper(std::make_shared<TextWrapper>(font, &printer)) {
        scale = printer.resolution() / 254.0;
        const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
        bandWidth = paint.width() * 10;
        pageWidth = paper.width() * 10;
        pageHeight = paint.height() * 10;
    }
    double Px(double tenths) const { return tenths * scale; }
    double Tenths(double pixels) const { return pixels / scale; }

    double scale = 1;
    double bandWidth = 0;
    double pageWidth = 0;
    double pageHeight = 0;
    double detailTop = 0;
    double detailBottom = 0;
    double lineHeight = 0;  // tenths
    QPaintDevice* device;
    std::shared_ptr<TextWrapper> wrapper;
};

GridPageReport::GridPageReport(TFrameGridAncestor& frame)
    : frame_(frame), header_(FromLatin1(YearHeader(frame.Factory()))), font_(frame.GridFont()) {
    for (int column = 0; column < frame_.grid_->ColumnCount(); ++column)
        fractions_.push_back(frame_.ColumnWidth(column));
}

std::vector<GridPageReport::Guide> GridPageReport::Guides(double bandWidth) const {
    std::vector<Guide> guides;
    double left = 0;
    for (double fraction : fractions_) {
        const double width = std::isfinite(fraction) ? std::max(std::round(bandWidth * fraction), 0.0) : 0;
        guides.push_back({left, width});
        left += width;
    }
    return guides;
}

bool GridPageReport::IsTooWide(QPrinter& printer) const {
    const Units units(printer, font_);
    for (const Guide& guide : Guides(units.bandWidth))
        if (guide.left + guide.width > units.pageWidth - kPageMargin) return true;
    return false;
}

bool GridPageReport::StartsTitlePage(int row) const {
    if (!frame_.pagePerTitle_ || row == 0) return false;
    for (int column = 0; column < frame_.grid_->ColumnCount(); ++column)
        if (CellValue(frame_.Cell(column, row), cell::kStyle) == cell::kTitle) return true;
    return false;
}

int GridPageReport::Render(QPrinter& printer) {
    Units units(printer, font_);
    guides_ = Guides(units.bandWidth);
    bandPages_.clear();
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    const QFontMetricsF headerMetrics(HeaderFont(), &printer);
    units.detailTop = units.Tenths(headerMetrics.height()) + kHeaderGap;
    units.detailBottom = units.pageHeight - units.Tenths(headerMetrics.height()) - kHeaderGap;
    units.lineHeight = units.Tenths(units.wrapper->LineHeight());
    const double detailHeight = units.detailBottom - units.detailTop;

    int page = 1;
    double y = units.detailTop;
    DrawPageFrame(painter, page, units);
    const auto newPage = [&] {
        printer.newPage();
        DrawPageFrame(painter, ++page, units);
        y = units.detailTop;
    };
    // Whole text lines that fit in the room, below the text box's top offset.
    const double textTop = kGuideTop + kTextTop;
    const auto linesIn = [&](double room) { return std::max(std::floor((room - textTop) / units.lineHeight), 0.0); };
    const double linesPerPage = std::max(linesIn(detailHeight), 1.0);
    for (int row = 0; row < frame_.grid_->RowCount(); ++row) {
        const double height = BandHeight(row, units);
        // A band taller than a page starts on this page when a few of its lines fit, so a long
        // text does not leave its heading alone on an almost empty page.
        const bool tall = height > detailHeight;
        const bool noRoom = tall ? linesIn(units.detailBottom - y) < kLeastLinesBeforeBreak : y + height > units.detailBottom;
        if (y > units.detailTop && (StartsTitlePage(row) || noRoom)) newPage();
        bandPages_.push_back(page);
        if (!tall) {
            DrawBand(painter, row, y, height, units);
            y += height;
            continue;
        }
        // Slices of whole text lines: the first fills what is left of this page, then a page each.
        for (double shown = 0; shown < height;) {
            const double lines = shown == 0 ? std::max(linesIn(units.detailBottom - y), 1.0) : linesPerPage;
            const double part = std::min(lines * units.lineHeight + (shown == 0 ? textTop : 0), height - shown);
            painter.save();
            painter.setClipRect(QRectF(0, units.Px(y), units.Px(units.bandWidth), units.Px(part)));
            DrawBand(painter, row, y - shown, height, units);
            painter.restore();
            shown += part;
            y += part;
            if (shown < height) newPage();
        }
    }
    painter.end();
    return page;
}

void GridPageReport::DrawPageFrame(QPainter& painter, int page, const Units& units) const {
    painter.save();
    painter.setFont(HeaderFont());
    painter.setPen(Qt::gray);
    const QRectF header(0, 0, units.Px(units.bandWidth), units.Px(units.detailTop - kHeaderGap));
    painter.drawText(header, Qt::AlignRight | Qt::AlignTop, header_);
    if (!frame_.pagePerTitle_) {
        const QRectF footer(0, units.Px(units.detailBottom + kHeaderGap), units.Px(units.bandWidth),
                            units.Px(units.pageHeight - units.detailBottom - kHeaderGap));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::number(page));
    }
    painter.restore();
}

// The cell box across its guide: indented by level, and for the pieces of a run squared out to
// overlap their neighbours by 0.2 mm.
GridPageReport::Span GridPageReport::BoxSpan(const CellFacts& facts, const Guide& guide) {
    const double indent = kPrintLevelIndent * std::max(facts.level, 0);
    if (facts.effect.InRun()) return {guide.left - 2, guide.width + 4};
    if (facts.effect.StartsRun()) return {guide.left + 2 + indent, guide.width + 2 - indent};
    if (facts.effect.EndsRun()) return {guide.left - 2, guide.width - 2};
    return {guide.left + 2 + indent, guide.width - 4 - indent};
}

// The text inside the box, or across the whole run up to runRight (when not negative), as on
// screen; images placed at its left take their room from it.
GridPageReport::Span GridPageReport::TextSpan(const CellFacts& facts, const Guide& guide, double runRight) {
    const Span box = BoxSpan(facts, guide);
    const double left = box.left + kTextLeft;
    const double right = (runRight >= 0 ? runRight : box.left + box.width) - (kTextNarrower - kTextLeft);
    return {left, right - left};
}

double GridPageReport::BandHeight(int row, const Units& units) const {
    double height = kMinimumBand;
    for (int column = 0; column < static_cast<int>(guides_.size()); ++column) {
        const std::string& markup = frame_.Cell(column, row);
        if (markup.empty()) continue;
        const CellFacts facts = ReadCellFacts(markup);
        if (facts.style == cell::kImage) continue;
        const QString text = FromLatin1(CellDisplayText(markup, frame_.Factory()));
        if (text.isEmpty()) continue;
        const double runRight = facts.effect.StartsRun() ? RunRight(column, row) : -1;
        double width = TextSpan(facts, guides_[column], runRight).width;
        if (facts.type != -1) width -= kTypeImage + kImageGap;
        if (facts.check != -1) width -= kCheckImage + kImageGap;
        const int lines = units.wrapper->LineCount(text, std::max(units.Px(width), 1.0));
        height = std::max(height, 2 * kGuideTop + 2 * kTextTop + kTextShorter / 2 + lines * units.lineHeight);
    }
    return height;
}

// The right edge of the box of the last cell of the run a cell starts; -1 when the run has no end.
double GridPageReport::RunRight(int column, int row) const {
    const int end = frame_.cells_.RunEnd(column, row, static_cast<int>(guides_.size()));
    return end < 0 ? -1 : guides_[end].left + guides_[end].width - 4;
}

void GridPageReport::DrawBand(QPainter& painter, int row, double top, double height, const Units& units) const {
    for (int column = 0; column < static_cast<int>(guides_.size()); ++column) {
        const std::string& markup = frame_.Cell(column, row);
        if (markup.empty() || guides_[column].width <= 0) continue;
        const CellFacts facts = ReadCellFacts(markup);
        DrawCell(painter, facts, markup, guides_[column], top, height, -1, Pass::Boxes, units);
    }
    // Texts after every box, so a run's text is not covered by the run's later boxes.
    for (int column = 0; column < static_cast<int>(guides_.size()); ++column) {
        const std::string& markup = frame_.Cell(column, row);
        if (markup.empty() || guides_[column].width <= 0) continue;
        const CellFacts facts = ReadCellFacts(markup);
        const double textRight = facts.effect.StartsRun() ? RunRight(column, row) : -1;
        DrawCell(painter, facts, markup, guides_[column], top, height, textRight, Pass::Contents, units);
    }
}

void GridPageReport::DrawCell(QPainter& painter, const CellFacts& facts, const std::string& markup,
                              const Guide& guide, double top, double height, double textRight, Pass pass,
                              const Units& units) const {
    const Span span = BoxSpan(facts, guide);
    const QRectF box(units.Px(span.left), units.Px(top + kGuideTop), units.Px(span.width),
                     units.Px(height - 2 * kGuideTop));

    if (facts.style == cell::kImage) {
        long long index = -1;
        if (pass == Pass::Boxes) return;
        if (!TryReadInteger(TagContent(markup), index) || !frame_.images_.pictures) return;
        const QRectF slot(units.Px(guide.left), units.Px(top + 2 * kGuideTop), units.Px(guide.width),
                          units.Px(height - 4 * kGuideTop));
        const double size = units.Px(kPicture);
        frame_.images_.pictures->DrawScaled(
            painter, QRectF(slot.center().x() - size / 2, slot.center().y() - size / 2, size, size),
            static_cast<int>(index));
        return;
    }

    const CFactorySettings& settings = frame_.Settings();
    const QPalette& palette = QApplication::palette();
    TColor fill = 0;
    bool boxed = true;
    if (facts.style == cell::kTitle) fill = settings.TitleBackgroundColor;
    else if (facts.style == cell::kHeading || facts.style == cell::kLink) fill = settings.HeadingBackgroundColor;
    else if (facts.style == cell::kInfo) fill = settings.InfoBackgroundColor;
    else boxed = false;
    if (pass == Pass::Boxes) {
        if (boxed) painter.fillRect(box, ResolveColor(fill, palette));
        return;
    }

    const Span textSpan = TextSpan(facts, guide, textRight);
    QRectF text(units.Px(textSpan.left), box.top() + units.Px(kTextTop), units.Px(textSpan.width),
                box.height() - units.Px(kTextShorter));
    const auto drawImage = [&](const ImageList* images, int index, double size) {
        if (!images || index == -1) return;
        images->DrawScaled(painter, QRectF(text.left(), text.top(), units.Px(size), units.Px(size)), index);
        text.setLeft(text.left() + units.Px(size + kImageGap));
    };
    drawImage(frame_.images_.types, facts.type, kTypeImage);
    drawImage(frame_.images_.checks, facts.check, kCheckImage);
    if (!boxed) painter.fillRect(text, Qt::white);
    painter.setPen(Qt::black);
    DrawCellText(painter, text, FromLatin1(CellDisplayText(markup, frame_.Factory())), true, false, *units.wrapper);
}

}  // namespace vantaro
