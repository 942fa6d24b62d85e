#include "routines/Platform.h"

#include <chrono>
#include <ctime>
#include <iostream>

namespace vantaro {
namespace {

class SystemClock final : public Clock {
public:
    // Local wall-clock time, as the user reads it, counted from 30 December 1899.
    double Now() const override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const std::chrono::year_month_day date{std::chrono::year{local.tm_year + 1900},
                                               std::chrono::month{unsigned(local.tm_mon + 1)},
                                               std::chrono::day{unsigned(local.tm_mday)}};
        constexpr std::chrono::sys_days epoch{std::chrono::year{1899} / 12 / 30};
        const double days = (std::chrono::sys_days{date} - epoch).count();
        const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
        return days + seconds / 86400.0;
    }
};

class StandardErrorPrompts final : public UserPrompts {
public:
    bool Ask(const std::string& caption, const std::string& text, MessageButtons) override {
        std::cerr << caption << ": " << text << '\n';
        return true;
    }
};

class NoBusyCursor final : public BusyCursor {
public:
    void Begin() override {}
    void End() override {}
};

class NoProgress final : public ProgressSink {
public:
    void ShowProgress(bool) override {}
    void HideProgress() override {}
    void ReportProgress(std::uint64_t, std::uint64_t) override {}
};

PlatformServices& Installed() {
    static PlatformServices services;
    return services;
}

}  // namespace

const Locale& Platform::CurrentLocale() {
    const Locale* locale = Installed().locale;
    return locale ? *locale : Locale::BritishEnglish();
}

Clock& Platform::CurrentClock() {
    static SystemClock fallback;
    Clock* clock = Installed().clock;
    return clock ? *clock : fallback;
}

UserPrompts& Platform::Prompts() {
    static StandardErrorPrompts fallback;
    UserPrompts* prompts = Installed().prompts;
    return prompts ? *prompts : fallback;
}

BusyCursor& Platform::Busy() {
    static NoBusyCursor fallback;
    BusyCursor* cursor = Installed().busyCursor;
    return cursor ? *cursor : fallback;
}

ProgressSink& Platform::Progress() {
    static NoProgress fallback;
    ProgressSink* progress = Installed().progress;
    return progress ? *progress : fallback;
}

SettingsStore& Platform::Settings() {
    static MemorySettingsStore fallback;
    SettingsStore* settings = Installed().settings;
    return settings ? *settings : fallback;
}

PlatformServices Platform::Install(const PlatformServices& services) {
    PlatformServices previous = Installed();
    Installed() = services;
    return previous;
}

}  // namespace vantaro
