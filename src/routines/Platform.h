#pragma once

#include <cstdint>
#include <string>

#include "routines/Locale.h"
#include "routines/SettingsStore.h"

namespace vantaro {

// The buttons of a message box; the answer is true for the first button.
enum class MessageButtons { Close = 0, OkCancel = 1, YesNo = 2, FixCancel = 3, MaleFemale = 4 };

// The answer to a question that may also be cancelled.
enum class Answer { First, Second, Cancel };

// Message boxes the core shows ("DATA ERROR", "Save Error", "Test Read Error").
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual bool Ask(const std::string& caption, const std::string& text, MessageButtons buttons) = 0;
    // The question with a Cancel button beside its two; a box that has none answers as Ask.
    virtual Answer AskOrCancel(const std::string& caption, const std::string& text, MessageButtons buttons) {
        return Ask(caption, text, buttons) ? Answer::First : Answer::Second;
    }
};

// "Now" as a date-time value: days since 30 December 1899 with the fraction of the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() const = 0;
};

// The hourglass around long operations.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// The progress window of opening and saving a data store.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ShowProgress(bool loading) = 0;
    virtual void HideProgress() = 0;
    // Called now and then during long work so the window stays painted.
    virtual void ReportProgress(std::uint64_t done, std::uint64_t total) = 0;
};

// The platform services the core reaches. Each pointer may be null, meaning the built-in
// default: British English, the system clock, prompts written to standard error, no cursor,
// no progress window, and settings kept in memory only (so tools and tests never touch the
// user's settings).
struct PlatformServices {
    const Locale* locale = nullptr;
    Clock* clock = nullptr;
    UserPrompts* prompts = nullptr;
    BusyCursor* busyCursor = nullptr;
    ProgressSink* progress = nullptr;
    SettingsStore* settings = nullptr;
};

// The one place the core finds its platform. The app installs its Qt services once at start;
// tests install fakes with ScopedPlatform.
class Platform {
public:
    static const Locale& CurrentLocale();
    static Clock& CurrentClock();
    static UserPrompts& Prompts();
    static BusyCursor& Busy();
    static ProgressSink& Progress();
    static SettingsStore& Settings();

    // Installs services and returns the ones installed before.
    static PlatformServices Install(const PlatformServices& services);
};

// Installs services for the lifetime of a scope and puts the previous ones back.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const PlatformServices& services)
        : previous_(Platform::Install(services)) {}
    ~ScopedPlatform() { Platform::Install(previous_); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    PlatformServices previous_;
};

// Shows the hourglass for the lifetime of a scope.
class BusyScope {
public:
    BusyScope() { Platform::Busy().Begin(); }
    ~BusyScope() { Platform::Busy().End(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace vantaro
