#include "app/TFormStartup.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "app/FindFileAnimation.h"
#include "routines/AppInfo.h"

namespace vantaro {
namespace {

constexpr QSize kClientSize(374, 142);
constexpr int kBevelWidth = 4;
constexpr int kLabelFontPixels = 27;
constexpr int kRepaintMilliseconds = 40;
const QColor kBackground(233, 235, 243);
const QColor kTitleColour(70, 83, 132);
const QColor kCaptionColour(150, 160, 199);

const char* const kLoadingCaption = "Loading Data From Store";
const char* const kSavingCaption = "Saving Data To Store";

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setStyleHint(QFont::Cursive);  // the platform's fallback when the face is missing
    font.setPixelSize(kLabelFontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

TFormStartup::TFormStartup(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      labelVantaro_(MakeLabel(this, QRect(72, 16, 219, 38), kTitleColour)),
      animate_(new FindFileAnimation(this)),
      labelStartUp_(MakeLabel(this, QRect(16, 88, 345, 38), kCaptionColour)) {
    setObjectName(QStringLiteral("FormStartup"));
    setFixedSize(kClientSize);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBevelWidth);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);

    labelVantaro_->setObjectName(QStringLiteral("LabelVantaro"));
    labelVantaro_->setText(QString::fromLatin1(ApplicationTitle()));
    animate_->setObjectName(QStringLiteral("Animate"));
    animate_->move(176, 64);
    labelStartUp_->setObjectName(QStringLiteral("LabelStartUp"));
    labelStartUp_->setAlignment(Qt::AlignCenter);
    labelStartUp_->setText(QString::fromLatin1(kLoadingCaption));

    CentreOnScreen();
    show();
}

void TFormStartup::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

void TFormStartup::ShowProgress(bool loading) {
    if (isVisible()) return;
    labelStartUp_->setText(QString::fromLatin1(loading ? kLoadingCaption : kSavingCaption));
    show();
    QApplication::processEvents();
    sinceRepaint_.start();
}

void TFormStartup::HideProgress() { hide(); }

void TFormStartup::ReportProgress(std::uint64_t, std::uint64_t) {
    if (!isVisible()) return;
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintMilliseconds) return;
    animate_->Advance();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}

void TFormStartup::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    FormShow();
}

void TFormStartup::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    FormHide();
}

void TFormStartup::FormShow() { animate_->Start(); }

void TFormStartup::FormHide() { animate_->Stop(); }

}  // namespace vantaro
