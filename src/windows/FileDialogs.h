#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vantaro {

// The file dialogs of the file commands; empty text when the user cancels. Tests answer them
// without showing anything.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString ChooseFileToOpen(QWidget* owner, const QString& filter) = 0;
    // Several files at once; none when the user cancels.
    virtual QStringList ChooseFilesToOpen(QWidget* owner, const QString& filter) = 0;
    virtual QString ChooseFileToSave(QWidget* owner, const QString& filter,
                                     const QString& initialName) = 0;
};

// The platform's file dialogs. A name typed without an extension gets the filter's (".ods" for a
// data store); saving over an existing file is confirmed first; the read-only box is
// hidden.
class QtFileDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget* owner, const QString& filter) override;
    QStringList ChooseFilesToOpen(QWidget* owner, const QString& filter) override;
    QString ChooseFileToSave(QWidget* owner, const QString& filter,
                             const QString& initialName) override;
};

}  // namespace vantaro
