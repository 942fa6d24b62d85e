#include "domain/Timetable.h"

#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "routines/NumberText.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

// The day number in a text, when it is a whole number from 0 to 7.
std::optional<int> DayNumberIn(std::string_view text) {
    long long number = 0;
    if (!TryReadInteger(NumericChars(text), number) || number < 0 || number > kDaysInWeek)
        return std::nullopt;
    return static_cast<int>(number);
}

}  // namespace

CTeachingDay::CTeachingDay(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DAY_OF_WEEK", "NUMBER");
    DeclareAttribute(*this, "INCLUDE_IN_LESSON_PLANING", "BOOLEAN");
    DeclareAssociation(*this, "SUBJECTS", false);
}

std::string CTeachingDay::DisplayText() const {
    const std::optional<int> number = DayNumberIn(GetAttributeText("DAY_OF_WEEK"));
    if (!number) return {};
    const int monday = 1;
    const int day = *number == 0 ? monday : *number;
    // The locale's day names start with Sunday.
    return Platform::CurrentLocale().longDayNames[static_cast<std::size_t>(day % kDaysInWeek)];
}

std::string CTeachingDay::SortKey() const { return GetAttributeValue("DAY_OF_WEEK"); }

std::optional<int> CTeachingDay::DayNumber() const {
    return DayNumberIn(GetAttributeValue("DAY_OF_WEEK"));
}

}  // namespace vantaro
