#include "domain/PupilRecords.h"

#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "routines/NumberText.h"

namespace vantaro {

CNote::CNote(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DATE", "DATE", "-2");
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareRelation(*this, "LESSON_PLAN", false);
    DeclareRelation(*this, "NOTE_CATEGORY", false);
}

std::string CNote::DisplayText() const { return Shown(*this, "DATE"); }
std::string CNote::SortKey() const { return GetAttributeValue("DATE"); }
std::string CNote::PathText() const { return GetAttributeValue("DESCRIPTION") + CStored::PathText(); }

CNoteCategory::CNoteCategory(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CNoteCategory::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CAbsence::CAbsence(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DATE", "DATE", "-2");
    DeclareAttribute(*this, "AUTHORIZED", "BOOLEAN");
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareRelation(*this, "DURATION", false);
}

std::string CAbsence::DisplayText() const { return Shown(*this, "DATE"); }
std::string CAbsence::SortKey() const { return GetAttributeValue("DATE"); }

CDuration::CDuration(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "LENGTH", "VALUE", "1");
}

std::string CDuration::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

std::string CDuration::SortKey() const {
    const double length = ReadStoredNumber(NumericChars(Shown(*this, "LENGTH")));
    return FormatNumberMask("000.00", length, '.', ',');
}

CComment::CComment(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "TITLE", "STRING");
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CComment::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

}  // namespace vantaro
