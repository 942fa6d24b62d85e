#pragma once

#include <QElapsedTimer>
#include <QFrame>

#include "routines/Platform.h"

class QLabel;

namespace vantaro {

class FindFileAnimation;

// The start-up window, shown while the program starts; it doubles as the progress window of
// opening and saving a data store ("Loading Data From Store", "Saving Data To Store").
class TFormStartup : public QFrame, public ProgressSink {
    Q_OBJECT

public:
    explicit TFormStartup(QWidget* parent = nullptr);

    void ShowProgress(bool loading) override;
    void HideProgress() override;
    void ReportProgress(std::uint64_t done, std::uint64_t total) override;

    QLabel* LabelVantaro() const { return labelVantaro_; }
    QLabel* LabelStartUp() const { return labelStartUp_; }
    FindFileAnimation* Animate() const { return animate_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormHide();
    void CentreOnScreen();

    QLabel* labelVantaro_;
    FindFileAnimation* animate_;
    QLabel* labelStartUp_;
    QElapsedTimer sinceRepaint_;
};

}  // namespace vantaro
