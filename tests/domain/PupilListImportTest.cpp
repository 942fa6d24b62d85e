#include <string>
#include <vector>

#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PupilListImport.h"

namespace vantaro::test {
namespace {

// A loaded year with the form "Year 7" and the pupil Cal Dee, and a scratch year to build in.
class PupilListImportTest : public DomainTest {
protected:
    PupilListImportTest() {
        year7->SetAttributeValue("DESCRIPTION", "Year 7");
        CPupil* cal = year->NewPupil();
        cal->SetAttributeValue("FIRST_NAME", "Cal");
        cal->SetAttributeValue("LAST_NAME", "Dee");
        CGender* female = year->NewGender();
        female->SetAttributeValue("DESCRIPTION", "Female");
    }
    std::vector<std::string> Build(const std::vector<std::string>& lines) {
        std::vector<NumberedLine> numbered;
        for (std::size_t i = 0; i < lines.size(); ++i) numbered.push_back({static_cast<int>(i) + 1, lines[i]});
        return BuildScratchPupils(*scratch, numbered);
    }
    std::vector<CStored*> NewInScratch() const {
        std::vector<CStored*> fresh;
        for (const char* association : {"FORMS", "PUPILS"})
            for (CStored* object : scratch->AssociationItems(association))
                if (object->Status() == StoredStatus::New) fresh.push_back(object);
        return fresh;
    }

    CForm* year7 = year->NewForm();
    CRovanFactory scratchFactory;
    CYear* scratch = scratchFactory.NewDataStore(false);
};

TEST_F(PupilListImportTest, FiveFieldsHaveNoGenderAndSixFollowTheFullLayout) {
    const PupilListLine five = ReadPupilListLine("Ann, B ,Lee,01/02/2001,Year 7");
    EXPECT_EQ(five.lastName, "Lee");
    EXPECT_EQ(five.gender, "");
    EXPECT_EQ(five.dateOfBirth, "01/02/2001");
    EXPECT_EQ(five.form, "Year 7");
    const PupilListLine six = ReadPupilListLine("\"Lee, Jr\",,Ann,fEMALE,01/02/2001,Year 7");
    EXPECT_EQ(six.firstName, "Lee, Jr");
    EXPECT_EQ(six.gender, "Female");
    EXPECT_EQ(ReadPupilListLine("Ann").form, "");
}

TEST_F(PupilListImportTest, RepeatedBlankAndNamelessLinesAddNoPupilAndAreReported) {
    const std::vector<std::string> problems =
        Build({"Ann,B,Lee,female,01/02/2001,Year 8", " Ann , B , Lee ,FEMALE,,Year 8", "", ",,,Male,,Year 8",
               "Bo,,Ray,m,not a date,Year 8"});
    EXPECT_EQ(MemberTexts(*scratch, "PUPILS"), (std::vector<std::string>{"Ann B Lee", "Bo Ray"}));
    EXPECT_EQ(MemberTexts(*scratch, "FORMS"), (std::vector<std::string>{"Year 8"}));
    EXPECT_EQ(MemberTexts(*scratch, "GENDERS"), (std::vector<std::string>{"Female", "M"}));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "Line 4: no name");
    EXPECT_EQ(problems[1].substr(0, 8), "Line 5: ");
    EXPECT_EQ(scratch->AssociationItems("PUPILS")[1]->GetAttributeValue("DATE_OF_BIRTH"), "-2")
        << "a date that is not one is left out";
}

TEST_F(PupilListImportTest, WhatTheYearHasIsNotOfferedAndTheRestJoinsItsForms) {
    CForm* trashed = year->NewForm();
    trashed->SetAttributeValue("DESCRIPTION", "Year 9");
    factory.MoveToTrash(trashed);
    Build({"Cal,,Dee,,,Year 7", "Ann,,Lee,female,,Year 7", "Ben,,Fox,male,,Year 9", "Kit,,Orr,,,Amp & Co"});
    DropExistingFromScratch(*scratch, *year);
    std::vector<std::string> offered;
    for (const CStored* object : NewInScratch()) offered.push_back(object->DisplayText());
    EXPECT_EQ(offered, (std::vector<std::string>{"Year 9", "Amp & Co", "Ann Lee", "Ben Fox", "Kit Orr"}))
        << "Year 7 and Cal Dee are the year's; the trashed Year 9 does not count";

    CopyChosenIntoYear(NewInScratch(), *year);
    const std::vector<CStored*> pupils = year->AssociationItems("PUPILS");
    ASSERT_EQ(pupils.size(), 4u);
    EXPECT_EQ(pupils[1]->GetRelation("FORM"), year7) << "Ann joins the year's own form";
    EXPECT_EQ(pupils[1]->GetRelation("GENDER")->DisplayText(), "Female");
    EXPECT_EQ(pupils[2]->GetRelation("GENDER"), nullptr) << "genders are never imported";
    const CStored* nine = pupils[2]->GetRelation("FORM");
    ASSERT_NE(nine, nullptr);
    EXPECT_NE(nine, trashed);
    EXPECT_EQ(nine->DisplayText(), "Year 9");
    EXPECT_EQ(pupils[3]->GetRelation("FORM")->GetAttributeValue("DESCRIPTION"), "Amp &amp; Co")
        << "stored escaped like every other text";
}

}  // namespace
}  // namespace vantaro::test
