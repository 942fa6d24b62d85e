#pragma once

// A grid page printed as a banded report: a page header with the tutor, school and year; one
// detail band per grid row, repeating the row's cells with their style colours, indentation and
// pictures; a page-number footer. Measurements are in tenths of a millimetre, on A4 with
// 12.7 mm margins.
//
// Each column has a guide (its left edge and width on paper, from the page's column fractions)
// and, per band, a cell box over the guide and a text box inside the box:
//
//   guide:    |<------------------ W ------------------>|
//   box:        |<-- W - 4 - 40 x level -->|   (runs overlap their neighbours by 0.2 mm)
//   text box:     0.8 mm in, 1.2 mm narrower, 0.2 mm down, 0.4 mm lower
//
// A band stretches to fit its text; one taller than a page continues on the next pages, cut
// between lines, so pagination always ends.

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace vantaro {

class TFrameGridAncestor;
struct CellFacts;

class GridPageReport {
public:
    explicit GridPageReport(TFrameGridAncestor& frame);

    // Whether some column's right edge passes the page width less 12.7 mm.
    bool IsTooWide(QPrinter& printer) const;
    // Renders every row; the number of pages.
    int Render(QPrinter& printer);

    QString HeaderText() const { return header_; }
    int BandCount() const { return static_cast<int>(bandPages_.size()); }
    // The page (from 1) on which a row's band begins.
    int PageOfRow(int row) const { return bandPages_.at(row); }

private:
    struct Guide {
        double left = 0;   // tenths of a millimetre
        double width = 0;
    };
    struct Units;
    struct Span {
        double left = 0;  // tenths of a millimetre
        double width = 0;
    };

    static Span BoxSpan(const CellFacts& facts, const Guide& guide);
    static Span TextSpan(const CellFacts& facts, const Guide& guide, double runRight);

    std::vector<Guide> Guides(double bandWidth) const;
    double BandHeight(int row, const Units& units) const;
    void DrawBand(QPainter& painter, int row, double top, double height, const Units& units) const;
    enum class Pass { Boxes, Contents };
    // textRight: where a run's text ends (tenths), or -1 for the cell's own text box.
    void DrawCell(QPainter& painter, const CellFacts& facts, const std::string& markup, const Guide& guide,
                  double top, double height, double textRight, Pass pass, const Units& units) const;
    double RunRight(int column, int row) const;
    void DrawPageFrame(QPainter& painter, int page, const Units& units) const;
    bool StartsTitlePage(int row) const;

    TFrameGridAncestor& frame_;
    QString header_;
    QFont font_;
    std::vector<double> fractions_;
    std::vector<Guide> guides_;
    std::vector<int> bandPages_;
};

}  // namespace vantaro
