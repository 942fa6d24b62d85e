#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

#include "controllers/TFormControlerAncestor.h"
#include "domain/CRovanFactory.h"
#include "domain/People.h"
#include "domain/PeriodBuilding.h"
#include "domain/Periods.h"
#include "domain/Subjects.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "routines/XMLRoutines.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// A window with the shared actions showing one organiser page on the year.
template <class Page>
class OrganiserWindow : public TFormControlerAncestor {
public:
    explicit OrganiserWindow(CYear* year, QSize size = QSize(900, 600))
        : TFormControlerAncestor("TFormOrganiserTest", size) {
        page = new Page(this);
        setCentralWidget(page);
        SetCurrentView(page);
        page->SetObject(year);
    }
    Page* page;
};

// How a cell looks: "STYLE EFFECT text" with the parts it has ("HEADING ROUND Maths",
// "INFO ROUNDRIGHT"), a picture cell as "IMAGE" and its picture ("IMAGE -1"); empty for an
// empty cell.
inline std::string Look(const std::string& markup) {
    if (markup.empty()) return {};
    const std::string style = CellValue(markup, cell::kStyle);
    if (style == cell::kImage) return style + " " + TagContent(markup);
    std::string look = style;
    for (const std::string& part : {CellValue(markup, cell::kEffect), CellDisplayText(markup)})
        if (!part.empty()) look += " " + part;
    return look;
}

inline std::vector<std::string> RowLooks(const TFrameGridAncestor& page, int row) {
    std::vector<std::string> looks;
    for (int column = 0; column < page.Grid().ColumnCount(); ++column)
        looks.push_back(Look(page.Cell(column, row)));
    return looks;
}

inline std::vector<std::string> ColumnLooks(const TFrameGridAncestor& page, int column) {
    std::vector<std::string> looks;
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        looks.push_back(Look(page.Cell(column, row)));
    return looks;
}

// The row whose cell 0 targets the object; -1 when none does.
inline int RowTargeting(const TFrameGridAncestor& page, const CStored* object) {
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        if (CellTarget(page.Cell(0, row)) == object) return row;
    return -1;
}

// The column whose row-2 heading targets the object; -1 when none does.
inline int ColumnTargeting(const TFrameGridAncestor& page, const CStored* object) {
    for (int column = 0; column < page.Grid().ColumnCount(); ++column)
        if (CellTarget(page.Cell(column, 2)) == object) return column;
    return -1;
}

// A year in the main factory, seeded unless asked otherwise, deleted objects hidden as in the
// program, on the fake platform (15 March 2007), whose prompts answer Yes.
class OrganiserTest : public ::testing::Test {
protected:
    explicit OrganiserTest(bool seed = true)
        : year(factory.NewDataStore(seed)), previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        factory.SetDeletedCountsAsHidden(true);
        CFactory::SetMainFactory(&factory);
    }
    ~OrganiserTest() override { CFactory::SetMainFactory(previous_); }

    CForm* Form(const char* description) {
        CForm* form = year->NewForm();
        form->SetAttributeValue("DESCRIPTION", description);
        return form;
    }
    CSubject* Subject(const char* description, CForm* form = nullptr) {
        CSubject* subject = year->NewSubject();
        subject->SetAttributeValue("DESCRIPTION", description);
        subject->SetRelation("FORM", form);
        return subject;
    }
    CPupil* Pupil(const char* first, const char* last, CForm* form = nullptr) {
        CPupil* pupil = year->NewPupil();
        pupil->SetAttributeValue("FIRST_NAME", first);
        pupil->SetAttributeValue("LAST_NAME", last);
        pupil->SetRelation("FORM", form);
        return pupil;
    }
    // A term from start to end (stored dates) with its weeks and their teaching days built.
    CTerm* BuiltTerm(const char* description, const char* start, const char* end) {
        CTerm* term = year->NewTerm();
        term->SetAttributeValue("DESCRIPTION", description);
        term->SetAttributeValue("START_DATE", start);
        term->SetAttributeValue("END_DATE", end);
        BuildWeeks(*term);
        for (CStored* week : term->AssociationItems("WEEKS"))
            BuildDays(static_cast<CWeek&>(*week), *year);
        return term;
    }
    void Hide(const std::vector<const CStored*>& objects) {
        std::string ids;
        for (const CStored* object : objects) ids += std::to_string(object->ID()) + ",";
        factory.SetHiddenIDs(ids);
    }

    FakePlatform platform;
    CRovanFactory factory;
    CYear* year;

private:
    CFactory* previous_;
};

}  // namespace vantaro::test
