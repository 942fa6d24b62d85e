// The grid frame's preview, printing and PDF output, all through one report renderer.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "grid/GridErrors.h"
#include "grid/GridPageReport.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

constexpr double kMarginMillimetres = 12.7;

void SetUpPage(QPrinter& printer, bool landscape) {
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                                      QPageLayout::Millimeter));
}

}  // namespace

QPrinter& TFrameGridAncestor::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QString TFrameGridAncestor::ReportTitle() const {
    QString name = QString::fromLatin1(metaObject()->className());
    name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    // "TFramePlanGrid": the words after "TFram", whose last letter ClassWords drops.
    return QString::fromLatin1(ClassWords(name.mid(5).toLatin1().toStdString()));
}

int TFrameGridAncestor::PrintTo(QPrinter& printer) {
    EndEdit();
    SetUpPage(printer, landscape_);
    printer.setDocName(ReportTitle());
    GridPageReport report(*this);
    return report.Render(printer);
}

void TFrameGridAncestor::PrintPage() {
    ReportErrors([this] {
        QPrinter& printer = Printer();
        SetUpPage(printer, landscape_);
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Print ") + ReportTitle());
        if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
    });
}

bool TFrameGridAncestor::SaveAsPdf(const QString& path) {
    bool saved = false;
    ReportErrors([&] {
        // Written beside the target first, so a failed run never leaves half a file in its place.
        const QString partial = path + QStringLiteral(".part");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(partial);
        if (PrintTo(printer) > 0 && QFileInfo::exists(partial)) {
            QFile::remove(path);
            saved = QFile::rename(partial, path);
        }
        QFile::remove(partial);
        if (!saved) {
            Platform::Prompts().Ask("Save Error",
                                    "The page could not be saved as " + QDir::toNativeSeparators(path).toLatin1().toStdString() + ".",
                                    MessageButtons::Close);
        }
    });
    return saved;
}

void TFrameGridAncestor::PreparePreview(QPrinter* printer) {
    ReportErrors([&] {
        GridPageReport report(*this);
        SetUpPage(*printer, landscape_);
        if (!tooWideWarned_ && report.IsTooWide(*printer)) {
            tooWideWarned_ = true;
            Platform::Prompts().Ask("Form Too Wide For Printer",
                                    "The page is to wide to fit on the printer, please reduce the number of "
                                    "columns to ensure they all print.",
                                    MessageButtons::Close);
        }
        report.Render(*printer);
    });
}

void TFrameGridAncestor::ShowPreview(bool on) {
    if (!on) {
        if (preview_) preview_->hide();
        grid_->show();
        return;
    }
    EndEdit();
    tooWideWarned_ = false;
    if (!preview_) {
        preview_ = new QPrintPreviewWidget(&Printer(), this);
        preview_->setObjectName(QStringLiteral("ReportPreview"));
        layout()->addWidget(preview_);
        connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { PreparePreview(printer); });
    }
    SetUpPage(Printer(), landscape_);
    grid_->hide();
    preview_->show();
    preview_->updatePreview();
}

bool TFrameGridAncestor::IsPreviewShowing() const { return preview_ && preview_->isVisible(); }

void TFrameGridAncestor::SetLandscape(bool on) {
    landscape_ = on;
    if (!IsPreviewShowing()) return;
    preview_->setOrientation(on ? QPageLayout::Landscape : QPageLayout::Portrait);
    preview_->updatePreview();
}

void TFrameGridAncestor::PreviewFirstPage() {
    if (preview_) preview_->setCurrentPage(1);
}
void TFrameGridAncestor::PreviewLastPage() {
    if (preview_) preview_->setCurrentPage(preview_->pageCount());
}
void TFrameGridAncestor::PreviewNextPage() {
    if (preview_) preview_->setCurrentPage(preview_->currentPage() + 1);
}
void TFrameGridAncestor::PreviewPriorPage() {
    if (preview_) preview_->setCurrentPage(preview_->currentPage() - 1);
}
void TFrameGridAncestor::PreviewZoomToWidth() {
    if (preview_) preview_->fitToWidth();
}
void TFrameGridAncestor::PreviewZoomToFit() {
    if (preview_) preview_->fitInView();
}
int TFrameGridAncestor::PreviewPageCount() const { return preview_ ? preview_->pageCount() : 0; }
int TFrameGridAncestor::PreviewCurrentPage() const { return preview_ ? preview_->currentPage() : 0; }

}  // namespace vantaro
