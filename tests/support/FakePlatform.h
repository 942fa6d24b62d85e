#pragma once

#include <deque>
#include <string>
#include <vector>

#include "routines/Platform.h"

namespace vantaro::test {

// Records every message box and answers each with the next of the queued replies, then with a
// fixed one.
class RecordingPrompts final : public UserPrompts {
public:
    struct Prompt {
        std::string caption;
        std::string text;
        MessageButtons buttons;
    };

    bool Ask(const std::string& caption, const std::string& text, MessageButtons buttons) override {
        prompts.push_back({caption, text, buttons});
        return NextAnswer();
    }
    Answer AskOrCancel(const std::string& caption, const std::string& text, MessageButtons buttons) override {
        prompts.push_back({caption, text, buttons});
        if (cancel) return Answer::Cancel;
        return NextAnswer() ? Answer::First : Answer::Second;
    }
    bool NextAnswer() {
        if (answers.empty()) return answer;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }

    std::vector<Prompt> prompts;
    std::deque<bool> answers;  // given first, in turn
    bool answer = true;
    bool cancel = false;  // questions that may be cancelled are
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(double now) : now_(now) {}
    double Now() const override { return now_; }
    void Set(double now) { now_ = now; }

private:
    double now_;
};

// Counts hourglass use and checks that every Begin is matched by an End.
class CountingBusyCursor final : public BusyCursor {
public:
    void Begin() override { ++depth, ++begins; }
    void End() override { --depth; }
    int depth = 0;
    int begins = 0;
};

// Records the progress window's show and hide calls as text ("show-loading", "show-saving",
// "hide") and counts progress reports.
class RecordingProgress final : public ProgressSink {
public:
    void ShowProgress(bool loading) override {
        events.push_back(loading ? "show-loading" : "show-saving");
        visible = true;
    }
    void HideProgress() override {
        events.push_back("hide");
        visible = false;
    }
    void ReportProgress(std::uint64_t, std::uint64_t) override { ++reports; }

    std::vector<std::string> events;
    bool visible = false;
    int reports = 0;
};

// All fakes installed for the lifetime of the object; 15 March 2007 at noon by default.
class FakePlatform {
public:
    FakePlatform()
        : clock(39156.5),
          installed_({nullptr, &clock, &prompts, &busy, &progress, &settings}) {}

    RecordingPrompts prompts;
    FixedClock clock;
    CountingBusyCursor busy;
    RecordingProgress progress;
    MemorySettingsStore settings;

private:
    ScopedPlatform installed_;
};

}  // namespace vantaro::test
