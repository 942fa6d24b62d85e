#include "routines/Locale.h"

namespace vantaro {

const Locale& Locale::BritishEnglish() {
    static const Locale british{
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        DateOrder::DayMonthYear,
        '/',
        "dd/mm/yyyy",
        "dd mmmm yyyy",
        "hh:nn",
        '.',
        ',',
    };
    return british;
}

}  // namespace vantaro
