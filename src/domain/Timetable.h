#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

// One weekday of the timetable: DAY_OF_WEEK 1 (Monday) to 7 (Sunday), whether lessons are
// planned on it, and the subjects taught on it.
class CTeachingDay : public CStored {
public:
    CTeachingDay(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CTeachingDay"; }
    // The full weekday name in the user's locale; 0 shows as Monday, and a number outside 0 to
    // 7 shows empty text.
    std::string DisplayText() const override;
    std::string SortKey() const override;  // DAY_OF_WEEK stored text

    // DAY_OF_WEEK stored text reduced to its number; none when that is not a whole number
    // from 0 to 7, so that such a day matches no weekday.
    std::optional<int> DayNumber() const;
};

}  // namespace vantaro
