#include "app/TerminationRequests.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vantaro {
namespace {

// The signal handler may only write a byte; the notifier reads it on the GUI thread.
int signalPipe[2] = {-1, -1};

void WriteSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

TerminationRequests::TerminationRequests(std::function<void()> onRequest, QObject* parent)
    : QObject(parent), onRequest_(std::move(onRequest)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalPipe[1], &byte, 1);
        if (onRequest_) onRequest_();
    });
    struct sigaction action = {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    delete notifier_;
    for (int& end : signalPipe) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

}  // namespace vantaro
