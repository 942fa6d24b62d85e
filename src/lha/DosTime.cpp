#include "lha/DosTime.h"

#include <algorithm>
#include <ctime>

namespace vantaro::lha {
namespace {

constexpr int kEpochYear = 1980;
constexpr int kLastYear = kEpochYear + 127;
constexpr int kYearShift = 25, kMonthShift = 21, kDayShift = 16, kHourShift = 11, kMinuteShift = 5;
constexpr std::uint32_t kYearMask = 0x7F, kMonthMask = 0x0F, kDayMask = 0x1F, kHourMask = 0x1F,
                        kMinuteMask = 0x3F, kHalfSecondMask = 0x1F;
constexpr std::uint32_t kFirstDosTime = 1u << kMonthShift | 1u << kDayShift;  // 1 January 1980

}  // namespace

std::uint32_t ToDosTime(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    const std::tm* local = std::localtime(&seconds);
    if (!local) return kFirstDosTime;
    const int year = local->tm_year + 1900;
    if (year < kEpochYear) return kFirstDosTime;
    if (year > kLastYear)
        return kYearMask << kYearShift | 12u << kMonthShift | 31u << kDayShift | 23u << kHourShift |
               59u << kMinuteShift | 29u;
    return static_cast<std::uint32_t>(year - kEpochYear) << kYearShift |
           static_cast<std::uint32_t>(local->tm_mon + 1) << kMonthShift |
           static_cast<std::uint32_t>(local->tm_mday) << kDayShift |
           static_cast<std::uint32_t>(local->tm_hour) << kHourShift |
           static_cast<std::uint32_t>(local->tm_min) << kMinuteShift |
           static_cast<std::uint32_t>(std::min(local->tm_sec, 59) / 2);
}

std::chrono::system_clock::time_point FromDosTime(std::uint32_t dosTime) {
    std::tm local{};
    local.tm_year = static_cast<int>(dosTime >> kYearShift & kYearMask) + kEpochYear - 1900;
    local.tm_mon = static_cast<int>(dosTime >> kMonthShift & kMonthMask) - 1;
    local.tm_mday = static_cast<int>(dosTime >> kDayShift & kDayMask);
    local.tm_hour = static_cast<int>(dosTime >> kHourShift & kHourMask);
    local.tm_min = static_cast<int>(dosTime >> kMinuteShift & kMinuteMask);
    local.tm_sec = static_cast<int>(dosTime & kHalfSecondMask) * 2;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1)) return std::chrono::system_clock::time_point{};
    return std::chrono::system_clock::from_time_t(seconds);
}

}  // namespace vantaro::lha
