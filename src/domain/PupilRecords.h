#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

// A note on a pupil or on an assessment, optionally written in a lesson.
class CNote : public CStored {
public:
    CNote(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CNote"; }
    std::string DisplayText() const override;   // DATE shown
    std::string SortKey() const override;       // DATE stored text
    // DESCRIPTION stored text followed directly by the path a stored object has.
    std::string PathText() const override;
};

class CNoteCategory : public CStored {
public:
    CNoteCategory(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CNoteCategory"; }
    std::string DisplayText() const override;
};

// An absence of a pupil, lasting one of the year's durations.
class CAbsence : public CStored {
public:
    CAbsence(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CAbsence"; }
    std::string DisplayText() const override;   // DATE shown
    std::string SortKey() const override;       // DATE stored text
};

// A length of absence; LENGTH is in days.
class CDuration : public CStored {
public:
    CDuration(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CDuration"; }
    std::string DisplayText() const override;
    // LENGTH as "000.00", so that lengths sort by value.
    std::string SortKey() const override;
};

// A report comment on a pupil.
class CComment : public CStored {
public:
    CComment(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CComment"; }
    std::string DisplayText() const override;
};

}  // namespace vantaro
