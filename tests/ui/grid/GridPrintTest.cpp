// The banded page report: bands, pages, the header, PDF output, the preview and its warning.

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "grid/GridPageReport.h"
#include "grid/markup/CellMarkup.h"
#include "routines/TextBasics.h"
#include "ui/PdfPages.h"
#include "ui/grid/GridTestSupport.h"

namespace vantaro::test {
namespace {

class GridPrintTest : public GridTest {
protected:
    std::unique_ptr<QPrinter> PdfPrinter() {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
        return printer;
    }

    // Renders the frame as PrintTo does and keeps the report to look at.
    GridPageReport Render(int* pages = nullptr) {
        auto printer = PdfPrinter();
        frame->PrintTo(*printer);
        GridPageReport report(*frame);
        const int count = report.Render(*printer);
        if (pages) *pages = count;
        return report;
    }

    QTemporaryDir folder;
};

TEST_F(GridPrintTest, EveryRowPrintsOneBandEvenWhenEmpty) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 10; ++r) rows.push_back({r % 3 == 0 ? std::string() : TextCell("row")});
    ShowRows(rows);
    int pages = 0;
    const GridPageReport report = Render(&pages);
    EXPECT_EQ(report.BandCount(), 10);
    EXPECT_EQ(pages, 1);
}

TEST_F(GridPrintTest, PagePerTitleStartsEachTitleButTheFirstOnANewPage) {
    std::vector<std::vector<std::string>> rows;
    for (int pupil = 0; pupil < 3; ++pupil) {
        rows.push_back({TitleCell("Pupil " + std::to_string(pupil))});
        rows.push_back({TextCell("Report text")});
    }
    ShowRows(rows);
    frame->SetPagePerTitle(true);
    int pages = 0;
    const GridPageReport report = Render(&pages);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(report.PageOfRow(0), 1);
    EXPECT_EQ(report.PageOfRow(1), 1);
    EXPECT_EQ(report.PageOfRow(2), 2);
    EXPECT_EQ(report.PageOfRow(4), 3);
}

TEST_F(GridPrintTest, TheHeaderNamesTutorSchoolAndYear) {
    ShowRows({{TextCell("x")}});
    year->SetAttributeValue("SCHOOL_NAME", "Hill School");
    const std::string yearText = year->DisplayText();
    EXPECT_EQ(GridPageReport(*frame).HeaderText().toStdString(), Trim("Hill School " + yearText));
    year->SetAttributeValue("TUTOR_NAME", "Mrs Hale");
    EXPECT_EQ(GridPageReport(*frame).HeaderText().toStdString(), Trim("Mrs Hale, Hill School " + yearText));
}

TEST_F(GridPrintTest, APageIsSavedAsAPdfFileWithItsPages) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 70; ++r) rows.push_back({TextCell("Row " + std::to_string(r))});
    ShowRows(rows);
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(frame->SaveAsPdf(path));
    int pages = 0;
    Render(&pages);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(PdfPageCount(path), pages);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part")));
    EXPECT_FALSE(frame->SaveAsPdf(folder.filePath(QStringLiteral("missing/folder/page.pdf"))));
    ASSERT_FALSE(platform.prompts.prompts.empty());
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Save Error");
}

TEST_F(GridPrintTest, ABandTallerThanAPageContinuesOnTheNextPages) {
    std::string tall;
    for (int line = 0; line < 400; ++line) tall += "Line " + std::to_string(line) + "\r\n";
    ShowRows({{TextCell("before")}, {TextCell(tall)}, {TextCell("after")}});
    int pages = 0;
    const GridPageReport report = Render(&pages);
    EXPECT_GT(pages, 3);
    EXPECT_LT(pages, 20);
    EXPECT_EQ(report.PageOfRow(2), pages);
}

TEST_F(GridPrintTest, ThePreviewWarnsOnceWhenThePageIsTooWide) {
    frame->widths = {0.7, 0.7};
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 80; ++r) rows.push_back({TextCell("left"), TextCell("right")});
    ShowRows(rows);
    const auto warnings = [this] {
        return std::count_if(platform.prompts.prompts.begin(), platform.prompts.prompts.end(),
                             [](const auto& p) { return p.caption == "Form Too Wide For Printer"; });
    };
    frame->ShowPreview(true);
    EXPECT_TRUE(frame->IsPreviewShowing());
    EXPECT_FALSE(frame->Grid().isVisible());
    EXPECT_EQ(warnings(), 1);
    const int portraitPages = frame->PreviewPageCount();
    frame->SetLandscape(true);
    EXPECT_EQ(warnings(), 1) << "once per preview";
    EXPECT_GT(frame->PreviewPageCount(), portraitPages) << "landscape pages hold fewer rows";
    frame->PreviewLastPage();
    EXPECT_EQ(frame->PreviewCurrentPage(), frame->PreviewPageCount());
    frame->PreviewPriorPage();
    EXPECT_EQ(frame->PreviewCurrentPage(), frame->PreviewPageCount() - 1);
    frame->PreviewFirstPage();
    EXPECT_EQ(frame->PreviewCurrentPage(), 1);
    frame->SetLandscape(false);
    EXPECT_EQ(frame->PreviewPageCount(), portraitPages);
    EXPECT_EQ(frame->Cell(1, 79), TextCell("right")) << "the page itself is unchanged";
    frame->ShowPreview(false);
    EXPECT_TRUE(frame->Grid().isVisible());
    frame->ShowPreview(true);
    EXPECT_EQ(warnings(), 2) << "again at the next preview";
}

TEST_F(GridPrintTest, TheReportTitleIsTheFramesClassWords) {
    EXPECT_EQ(frame->ReportTitle().toStdString(), "Grid Ancestor");
}

}  // namespace
}  // namespace vantaro::test
