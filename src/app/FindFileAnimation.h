#pragma once

#include <QTimer>
#include <QWidget>

namespace vantaro {

// A 16 x 16 animation of a magnifying glass searching over a sheet of paper. When stopped it
// shows its stop frame.
class FindFileAnimation : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFrameCount = 16;
    static constexpr int kStopFrame = 8;

    explicit FindFileAnimation(QWidget* parent = nullptr);

    void Start();
    void Stop();
    bool IsActive() const { return timer_.isActive(); }
    int Frame() const { return frame_; }
    void Advance();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int frame_ = kStopFrame;
};

}  // namespace vantaro
