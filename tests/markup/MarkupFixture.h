#pragma once

#include <gtest/gtest.h>

#include <string>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/People.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// An unseeded year in the main factory, with one pupil, on the fake platform.
class MarkupTest : public ::testing::Test {
protected:
    MarkupTest() : previous_(CFactory::MainFactory()) { CFactory::SetMainFactory(&factory); }
    ~MarkupTest() override { CFactory::SetMainFactory(previous_); }

    static std::string Id(const CStored* object) { return std::to_string(object->ID()); }

    FakePlatform platform;
    CRovanFactory factory;
    CYear* year = factory.NewDataStore(false);
    CPupil* pupil = year->NewPupil();

private:
    CFactory* previous_;
};

}  // namespace vantaro::test
