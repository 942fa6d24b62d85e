#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantaro::bench {

// The size of a generated school year.
//
// Every form takes subjectsPerForm subjects; a subject is taught to the forms that take it, one
// of them in each lesson (in turn, day by day), so a lesson has the pupils of one form. The
// three named sizes keep the depth per lesson and per pupil and grow in forms, pupils and
// subjects: school is ten classes' worth of pupils with 30 subjects, stress three schools.
struct StoreShape {
    std::string name;
    int forms = 1;
    int pupilsPerForm = 30;
    int subjects = 11;  // the 11 seeded subjects first, then added ones
    int subjectsPerForm = 11;
    int staff = 3;      // the tutor among them
    int terms = 3;      // from the autumn term on
};

// "class", "school" or "stress"; none for any other name.
std::optional<StoreShape> ShapeNamed(std::string_view name);
const std::vector<std::string>& ShapeNames();

}  // namespace vantaro::bench
