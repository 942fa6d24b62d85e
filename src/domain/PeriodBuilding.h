#pragma once

namespace vantaro {

class CTerm;
class CWeek;
class CYear;

// Divides the term into one live week per Monday, from the week of its start date to the week
// of its end date. Weeks already there for a Monday are kept (with their days); the others are
// deleted. A start after the end is swapped first. Does nothing unless both dates are set.
void BuildWeeks(CTerm& term);

// Gives the week one live day per weekday on which the year plans lessons, each with a lesson
// plan for every subject taught on that weekday, and deletes the lesson plans of the year whose
// day has gone. Missing teaching days are made. Does nothing unless the week's start is set.
void BuildDays(CWeek& week, CYear& year);

}  // namespace vantaro
