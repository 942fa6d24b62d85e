#include "app/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vantaro {
namespace {

// The two button texts of each mode; the second is empty for a one-button box.
std::pair<QString, QString> ButtonTexts(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Close: return {QStringLiteral("Close"), {}};
        case MessageButtons::OkCancel: return {QStringLiteral("OK"), QStringLiteral("Cancel")};
        case MessageButtons::YesNo: return {QStringLiteral("Yes"), QStringLiteral("No")};
        case MessageButtons::FixCancel: return {QStringLiteral("Fix"), QStringLiteral("Cancel")};
        case MessageButtons::MaleFemale: return {QStringLiteral("Male"), QStringLiteral("Female")};
    }
    return {QStringLiteral("OK"), {}};
}

}  // namespace

bool QtUserPrompts::Ask(const std::string& caption, const std::string& text,
                        MessageButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromLatin1(caption));
    box.setText(QString::fromLatin1(text));
    const auto [first, second] = ButtonTexts(buttons);
    QPushButton* accept = box.addButton(first, QMessageBox::AcceptRole);
    if (!second.isEmpty()) box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

void QtBusyCursor::Begin() {
    if (depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursor::End() {
    if (depth_ > 0 && --depth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace vantaro
