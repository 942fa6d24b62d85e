// bench_grid: the grid page on Qt's offscreen platform. A synthetic page of 300 rows by 20
// columns of mixed styles is built and laid out (markup, column widths, row heights), a full
// 1920 by 1080 view of it is painted, the view is scrolled by one row and painted again, and a
// 20-page preview of a page is rendered. Each figure is the best of several runs, in
// milliseconds, printed beside its budget.
//
// Usage: bench_grid

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/People.h"
#include "grid/TFrameGridAncestor.h"
#include "grid/markup/CellMarkup.h"
#include "grid/OffscreenPlatform.h"
#include "store/BenchSupport.h"

namespace vantaro::bench {
namespace {

constexpr int kRows = 300;
constexpr int kColumns = 20;
constexpr int kPreviewPages = 20;
constexpr int kPreviewRowsAtMost = 2000;
constexpr double kBuildBudget = 20;
constexpr double kPaintBudget = 8;
constexpr double kScrollBudget = 8;
constexpr double kPreviewBudget = 1000;
constexpr double kMilliseconds = 1000;

const char* const kWords[] = {"reads", "fluently", "and", "with", "expression", "works", "well", "in",
                              "groups", "asks", "questions", "about", "the", "text"};

std::string Sentence(int seed, int words) {
    std::string text;
    for (int i = 0; i < words; ++i) {
        if (i) text += ' ';
        text += kWords[(seed * 7 + i * 3) % std::size(kWords)];
    }
    return text;
}

// A page of every kind of cell: links, attribute cells, typed and checked texts, headings, runs.
class SyntheticPage : public TFrameGridAncestor {
public:
    SyntheticPage(std::vector<CPupil*> pupils, int columns, QWidget* parent)
        : TFrameGridAncestor(parent), pupils_(std::move(pupils)), columns_(columns) {}

    double ColumnWidth(int) override { return 1.0 / columns_; }

    void BuildPage() override {
        BeginPage(columns_, 1);
        TitleRow(columns_, "Synthetic page", {.action = "ActionOpen"});
        for (std::size_t r = 0; r < pupils_.size(); ++r) {
            NextRow();
            CPupil* pupil = pupils_[r];
            const int row = static_cast<int>(r);
            if (row % 25 == 0) {
                HeadingRow(columns_, "Group " + std::to_string(row / 25), {.action = "ActionNew"});
                NextRow();
            }
            SetRowCell(0, LinkCell(pupil, {.action = "ActionOpen", .target = pupil}));
            for (int c = 1; c < columns_; ++c) SetRowCell(c, MixedCell(pupil, row, c));
        }
        EndPage(1, 1);
    }

private:
    std::string MixedCell(CPupil* pupil, int row, int column) const {
        switch ((row + column) % 9) {
            case 0: return DataCell(pupil, "FIRST_NAME");
            case 1: return TypedTextCell(1 + (row + column) % 5, "Score");
            case 2: return SetCellValue(TextCell("Choice"), "CHECK", (row % 2) ? "1" : "0");
            case 3: return InfoCell("Info " + std::to_string(column));
            case 4: return TextCell(Sentence(row + column, 3 + (row * column) % 12));
            case 5: return LabelCell("Label");
            case 6: return EditTextCell(Sentence(row, 4));
            case 7: return HeadingCell("Heading", {.action = "ActionDelete", .target = pupil});
            default: return DataLineCell(pupil, "LAST_NAME");
        }
    }

    std::vector<CPupil*> pupils_;
    int columns_;
};

std::vector<CPupil*> Pupils(CYear& year, int count) {
    std::vector<CPupil*> pupils;
    for (int i = 0; i < count; ++i) {
        CPupil* pupil = year.NewPupil();
        pupil->SetAttributeValue("FIRST_NAME", kWords[i % std::size(kWords)]);
        pupil->SetAttributeValue("LAST_NAME", "Surname" + std::to_string(i));
        pupils.push_back(pupil);
    }
    return pupils;
}

double PaintMilliseconds(QWidget& viewport) {
    QImage image(viewport.size(), QImage::Format_ARGB32_Premultiplied);
    return BestTime(20, [&] { viewport.render(&image); }) * kMilliseconds;
}

int Run(int argc, char** argv) {
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    CRovanFactory factory;
    factory.ReadSettings();
    CFactory::SetMainFactory(&factory);
    CYear* year = factory.NewDataStore(false);
    const std::vector<CPupil*> pupils = Pupils(*year, kPreviewRowsAtMost);
    const std::vector<CPupil*> pagePupils(pupils.begin(), pupils.begin() + kRows);

    QWidget window;
    window.resize(1920, 1080);
    auto* page = new SyntheticPage(pagePupils, kColumns, &window);
    page->setGeometry(window.rect());
    window.show();
    page->Refresh(0);
    // A frame's first build, before its wrapper knows any word's width.
    const double cold = BestOf(5, [&] {
        SyntheticPage fresh(pagePupils, kColumns, &window);
        fresh.setGeometry(window.rect());
        fresh.show();
        const Stopwatch watch;
        fresh.Refresh(0);
        return watch.Seconds();
    }) * kMilliseconds;
    PrintAgainstBudget("first build, no word widths known", cold, kBuildBudget);

    const double build = BestTime(10, [&] { page->Refresh(1); }) * kMilliseconds;
    PrintAgainstBudget("build and lay out 300 x 20 page", build, kBuildBudget);
    QWidget& viewport = *page->Grid().viewport();
    PrintAgainstBudget("paint 1920 x 1080 view", PaintMilliseconds(viewport), kPaintBudget);
    QImage image(viewport.size(), QImage::Format_ARGB32_Premultiplied);
    int top = page->Grid().FixedRows();
    const double scroll = BestTime(20, [&] {
        page->Grid().SetTopRow(++top);
        viewport.render(&image);
    }) * kMilliseconds;
    PrintAgainstBudget("scroll one row and repaint", scroll, kScrollBudget);

    // The preview of a page of four columns, with the rows that fill 20 pages.
    const auto previewOf = [&](int rows) {
        auto* preview = new SyntheticPage(std::vector<CPupil*>(pupils.begin(), pupils.begin() + rows), 4, &window);
        preview->setGeometry(window.rect());
        preview->show();
        preview->Refresh(0);
        preview->ShowPreview(true);
        return preview;
    };
    int rows = kRows;
    SyntheticPage* preview = previewOf(rows);
    for (int attempt = 0; attempt < 6 && preview->PreviewPageCount() != kPreviewPages; ++attempt) {
        rows = std::min(kPreviewRowsAtMost, std::max(1, rows * kPreviewPages / std::max(preview->PreviewPageCount(), 1) +
                                                            (preview->PreviewPageCount() < kPreviewPages ? 5 : -5)));
        delete preview;
        preview = previewOf(rows);
    }
    // The report is rendered, and the preview drawn as the screen would show it.
    const double rendered = BestTime(3, [&] {
        preview->ShowPreview(true);
        (void)preview->grab();
        preview->ShowPreview(false);
    }) * kMilliseconds;
    preview->ShowPreview(true);
    PrintAgainstBudget("preview of " + std::to_string(preview->PreviewPageCount()) + " pages", rendered,
                       kPreviewBudget);
    CFactory::SetMainFactory(nullptr);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_grid", vantaro::bench::Run, argc, argv); }
