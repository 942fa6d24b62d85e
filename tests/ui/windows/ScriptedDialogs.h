#pragma once

#include "windows/FileDialogs.h"

namespace vantaro::test {

// Answers the file dialogs with prepared names.
class ScriptedDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const QString&) override { return ++opens, open; }
    QStringList ChooseFilesToOpen(QWidget*, const QString&) override { return ++opens, QStringList{open}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString& initial) override {
        ++saves;
        initialName = initial;
        return save;
    }
    QString open;
    QString save;
    QString initialName;
    int opens = 0;
    int saves = 0;
};

}  // namespace vantaro::test
