#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vantaro {

// Turns SIGTERM and SIGINT (a session ending, Ctrl+C in a terminal) into a call on the GUI thread,
// so the program ends as closing its main window does, with the save question, instead of dying
// with the teacher's work unsaved. One may exist at a time.
class TerminationRequests : public QObject {
    Q_OBJECT

public:
    explicit TerminationRequests(std::function<void()> onRequest, QObject* parent = nullptr);
    ~TerminationRequests() override;

private:
    std::function<void()> onRequest_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vantaro
