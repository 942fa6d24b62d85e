#include "store/GeneratedStore.h"

#include "domain/CRovanFactory.h"
#include "domain/PlanItems.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"
#include "store/SchoolYearGenerator.h"

namespace vantaro::bench {
namespace {

// The last day of the school year at noon: "now" for everything the generator makes.
class EndOfYearClock final : public Clock {
public:
    double Now() const override { return EncodeDate(2007, 7, 20) + 0.5; }
};

}  // namespace

StoreCounts CountStore(const CFactory& factory) {
    StoreCounts counts;
    const CObjectStore& objects = factory.Objects();
    counts.objects = objects.Count();
    for (int i = 0; i < counts.objects; ++i)
        if (const auto* outcome = dynamic_cast<const COutcome*>(objects.Item(i)))
            counts.achievements += outcome->LinkCount("ACHIEVEMENTS");
    return counts;
}

StoreCounts GenerateStore(CRovanFactory& factory, const StoreShape& shape, std::uint64_t seed) {
    // The services in place, with the clock replaced for the generation.
    PlatformServices services = Platform::Install({});
    Platform::Install(services);
    EndOfYearClock clock;
    services.clock = &clock;
    const ScopedPlatform platform(services);
    SchoolYearGenerator(factory, shape, seed).Generate();
    return CountStore(factory);
}

}  // namespace vantaro::bench
