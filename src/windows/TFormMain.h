#pragma once

#include "grid/TFormAncestor.h"

class QLabel;

namespace vantaro {

// The main window: one organiser or listing at a time, the file commands, and a status bar
// with the program's version in its first panel and the data store's file name in its last.
class TFormMain : public TFormAncestor {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);

    void ShowFileName(const QString& fileName);
    QString VersionPanelText() const;
    QString FileNamePanelText() const;

private:
    QLabel* versionPanel_;
    QLabel* fileNamePanel_;
};

}  // namespace vantaro
