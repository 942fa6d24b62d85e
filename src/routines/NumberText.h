#pragma once

// Numbers as text: the stored decimal form, the display masks, and readers that never throw.
//
// Masks are number patterns: '0' a mandatory digit, '#' an optional digit, ',' digit grouping in
// threes, '.' the decimal point, anything else a literal (such as a trailing '%'). A mask rounds
// half away from zero on the value's first 15 significant decimal digits, the way a reader of the
// printed digits expects (2.675 gives 2.68 under "0.00").

#include <string>
#include <string_view>

namespace vantaro {

// Stored numbers use the full stop as decimal point whatever the locale. Group separators
// (commas) are ignored, so a value written with them by an older version still reads. Surrounding
// blanks are allowed; anything else that is not a finite decimal number gives false.
bool TryReadNumber(std::string_view text, double& value);
// The number in a stored text, or the fallback when there is none. Never throws.
double ReadStoredNumber(std::string_view text, double fallback = 0) noexcept;
// An optional sign and decimal digits, nothing else.
bool TryReadInteger(std::string_view text, long long& value);

// The digits, the first minus sign and the first full stop of the trimmed text; "0" when none.
std::string NumericChars(std::string_view text);

std::string FormatNumberMask(std::string_view mask, double value, char decimalPoint, char groupSeparator);

// Rounded to an integer, a half to the even neighbour: 2.5 gives "2", 3.5 gives "4".
std::string RoundText(double value);
// "0.000" up to 99, "#0.00" up to 999, "#,##0.0" up to 9999, "#,###,000" above; "0" for 0.
// Separators are the locale's.
std::string ValueText(double value);
// ValueText without group separators and with a full stop: the stored form of VALUE and PERCENT.
std::string StoredValueText(double value);
// "#0.00%" up to 0.001, "##0.0%" up to 0.01, "#,##0%" above, all on 100 times the fraction;
// "0%" for 0.
std::string PercentText(double fraction);
std::string IntegerOrNone(long long value);
// "None" for 0, otherwise FloatText.
std::string NumberOrNone(double value);
// The general float form: up to 15 significant digits, fixed point from 0.00001 up to 15 integer
// digits and "1.5E20" or "1E-7" outside; the locale's decimal point.
std::string FloatText(double value);

}  // namespace vantaro
