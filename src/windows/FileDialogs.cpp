#include "windows/FileDialogs.h"

#include <QFileDialog>

namespace vantaro {
namespace {

const QString kDefaultSuffix = QStringLiteral("xml");

QString Run(QFileDialog& dialog) {
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QString QtFileDialogs::ChooseFileToOpen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

QString QtFileDialogs::ChooseFileToSave(QWidget* owner, const QString& filter,
                                        const QString& initialName) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(initialName);
    return Run(dialog);
}

}  // namespace vantaro
