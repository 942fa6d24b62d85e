#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

class CFactory;
class CPupil;
class CStored;
class CYear;

// One pupil line of a comma-separated pupil list. Five fields are First Name, Initial, Last
// Name, DOB, Form (the layout the wizard asks for); any other count is First Name, Initial, Last
// Name, Gender, DOB, Form, a missing field empty.
struct PupilListLine {
    std::string firstName;
    std::string initials;
    std::string lastName;
    std::string gender;
    std::string dateOfBirth;
    std::string form;
};
PupilListLine ReadPupilListLine(std::string_view line);

// A line of the file with its number in it (from 1).
struct NumberedLine {
    int number = 0;
    std::string text;
};

// Builds the lines' pupils, with the forms and genders they name, in the scratch year: a repeated
// pupil, a blank line or a line without a name adds no pupil. What could not be read, one text
// per line ("Line 4: no name"), in line order.
std::vector<std::string> BuildScratchPupils(CYear& scratch, const std::vector<NumberedLine>& lines);

// Moves to the scratch factory's trash every scratch form and pupil that the loaded year already
// has (by display text, deleted objects of the loaded year not counting), so only new ones are
// offered.
void DropExistingFromScratch(CYear& scratch, const CYear& loaded);

// Copies the chosen scratch forms, then the chosen scratch pupils, into the loaded year. A pupil
// takes the loaded year's live form and gender of its own form's and gender's names, when there
// are such. Objects no longer new in the scratch store are left out.
void CopyChosenIntoYear(const std::vector<CStored*>& chosen, CYear& loaded);

}  // namespace vantaro
