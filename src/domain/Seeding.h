#pragma once

namespace vantaro {

class CYear;

// Fills a new year with the standard vocabulary: teaching days, genders, durations, forms,
// objective, activity and note categories, assessment scales, curricula with their subjects
// and sets, and the presets of the three core subjects.
void SeedDataStore(CYear& year);

}  // namespace vantaro
