#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CStored.h"
#include "factory/StoredRef.h"

namespace vantaro {

class CAbsence;
class CComment;
class CFactory;
class CNote;

// How a pupil's name shows: the first name and initials, each trimmed, then the last name, with
// single blanks between and nothing around.
std::string PupilNameText(std::string_view firstName, std::string_view initials, std::string_view lastName);

// A year group or class of pupils.
class CForm : public CStored {
public:
    CForm(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CForm"; }
    std::string DisplayText() const override;
};

class CPupil : public CStored {
public:
    CPupil(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CPupil"; }
    // First name, middle initials and last name, single blanks between the parts present.
    std::string DisplayText() const override;
    // LAST_NAME, FIRST_NAME and MIDDLE_INITIALS stored texts joined with nothing between.
    std::string SortKey() const override;
    // Deletes the pupil, then every live assessment of the pupil in the year's subjects.
    void Delete() override;
    // Brings the pupil back with the assessments its deletion deleted, so that its gradings,
    // subject reports and lesson notes are not lost at the next save.
    void Restore() override;

    // The DATE of a new note or absence is now.
    CNote* NewNote(CFactory* factory = nullptr);
    CAbsence* NewAbsence(CFactory* factory = nullptr);
    CComment* NewComment(CFactory* factory = nullptr);

private:
    std::vector<StoredRef> assessmentsDeletedWithPupil_;
};

// A gender with the pronouns that replace the pupil's name in reports.
class CGender : public CStored {
public:
    CGender(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CGender"; }
    std::string DisplayText() const override;
};

class CStaff : public CStored {
public:
    CStaff(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CStaff"; }
    // First name, a blank and last name, trimmed.
    std::string DisplayText() const override;
    // LAST_NAME stored text followed directly by FIRST_NAME stored text.
    std::string SortKey() const override;
};

// "(" + the first letter of the staff member's display text and of every word after it, upper
// case + ")": "(JS)" for John Smith.
std::string StaffInitials(const CStaff& staff);

}  // namespace vantaro
