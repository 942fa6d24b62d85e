#include "windows/FileDialogs.h"

#include <QFileDialog>

namespace vantaro {
namespace {

const QString kDefaultSuffix = QStringLiteral("ods");

QStringList RunForFiles(QFileDialog& dialog) {
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString Run(QFileDialog& dialog) {
    const QStringList files = RunForFiles(dialog);
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtFileDialogs::ChooseFileToOpen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

QStringList QtFileDialogs::ChooseFilesToOpen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return RunForFiles(dialog);
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
