#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CAttainment;
class CCurriculumLevel;
class CCurriculumStatement;
class CFactory;
class CGrade;
class CSubjectStatement;

// A curriculum: its attainments (each with its levels and statements) and its grades.
class CCurriculum : public CStored {
public:
    CCurriculum(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CCurriculum"; }
    std::string DisplayText() const override;

    CAttainment* NewAttainment(CFactory* factory = nullptr);
    CGrade* NewGrade(CFactory* factory = nullptr);
};

// An attainment area of a curriculum.
class CAttainment : public CStored {
public:
    CAttainment(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CAttainment"; }
    std::string DisplayText() const override;
    // The sort key of the CURRICULUM relation's object and the display text; empty without it.
    std::string SortKey() const override;

    CCurriculumLevel* NewCurriculumLevel(CFactory* factory = nullptr);
};

class CGrade : public CStored {
public:
    CGrade(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CGrade"; }
    std::string DisplayText() const override;
    // As an attainment's. A grade declares no CURRICULUM relation, so a new one sorts by empty text.
    std::string SortKey() const override;
};

// A level of attainment.
class CLevel : public CStored {
public:
    std::string DisplayText() const override;

protected:
    using CStored::CStored;
};

// A level of one attainment of a curriculum.
class CCurriculumLevel : public CLevel {
public:
    CCurriculumLevel(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CCurriculumLevel"; }

    CCurriculumStatement* NewCurriculumStatement(CFactory* factory = nullptr);
};

// A level that belongs to a subject.
class CSubjectLevel : public CLevel {
public:
    CSubjectLevel(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CSubjectLevel"; }

    CSubjectStatement* NewSubjectStatement(CFactory* factory = nullptr);
};

// A statement text.
class CStatement : public CStored {
public:
    std::string DisplayText() const override;

protected:
    CStatement(CStored* parent, std::int32_t id);
};

class CCurriculumStatement : public CStatement {
public:
    CCurriculumStatement(CStored* parent, std::int32_t id) : CStatement(parent, id) {}
    std::string ClassName() const override { return "CCurriculumStatement"; }
};

class CSubjectStatement : public CStatement {
public:
    CSubjectStatement(CStored* parent, std::int32_t id) : CStatement(parent, id) {}
    std::string ClassName() const override { return "CSubjectStatement"; }
};

// A statement of the year, used in reports.
class CTutorStatement : public CStatement {
public:
    CTutorStatement(CStored* parent, std::int32_t id) : CStatement(parent, id) {}
    std::string ClassName() const override { return "CTutorStatement"; }
};

}  // namespace vantaro
