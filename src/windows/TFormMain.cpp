#include "windows/TFormMain.h"

#include <QLabel>
#include <QStatusBar>

#include "routines/AppInfo.h"
#include "routines/VersionText.h"

namespace vantaro {
namespace {
constexpr int kVersionPanelWidth = 200;
constexpr QSize kDefaultSize(800, 600);
}  // namespace

TFormMain::TFormMain(QWidget* parent)
    : TFormAncestor("TFormMain", kDefaultSize, parent),
      versionPanel_(new QLabel(this)),
      fileNamePanel_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle()));
    versionPanel_->setFixedWidth(kVersionPanelWidth);
    versionPanel_->setText(QString::fromLatin1(VersionText()));
    statusBar()->addWidget(versionPanel_);
    statusBar()->addWidget(fileNamePanel_, 1);
}

void TFormMain::ShowFileName(const QString& fileName) { fileNamePanel_->setText(fileName); }

QString TFormMain::VersionPanelText() const { return versionPanel_->text(); }

QString TFormMain::FileNamePanelText() const { return fileNamePanel_->text(); }

}  // namespace vantaro
