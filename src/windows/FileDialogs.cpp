#include "windows/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vantaro {
namespace {

// The extension of the filter's first pattern, "ods" in "Data Store (*.ods)".
QString DefaultSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("ods");
}

QStringList RunForFiles(QFileDialog& dialog, const QString& filter) {
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString Run(QFileDialog& dialog, const QString& filter) {
    const QStringList files = RunForFiles(dialog, filter);
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtFileDialogs::ChooseFileToOpen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog, filter);
}

QStringList QtFileDialogs::ChooseFilesToOpen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return RunForFiles(dialog, filter);
}

QString QtFileDialogs::ChooseFileToSave(QWidget* owner, const QString& filter,
                                        const QString& initialName) {
    QFileDialog dialog(owner, {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(initialName);
    return Run(dialog, filter);
}

}  // namespace vantaro
