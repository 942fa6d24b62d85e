#pragma once

#include <cstdint>
#include <string>

namespace vantaro {

// Hands out the next temporary ID. One counter serves the whole process: it starts at -1 and
// counts down, so the first ID handed out is -2. Temporary IDs are unique within the run.
std::int32_t NextTemporaryID();

// Anything that carries an ID: stored objects and link records.
class CBase {
public:
    CBase();  // takes a temporary ID
    virtual ~CBase() = default;
    CBase(const CBase&) = delete;
    CBase& operator=(const CBase&) = delete;

    std::int32_t ID() const { return id_; }

    // The text by which the object is shown and found by name.
    virtual std::string DisplayText() const = 0;
    // The text by which members of an association are sorted.
    virtual std::string SortKey() const = 0;
    // Takes a fresh temporary ID.
    virtual void NewID();

protected:
    void SetID(std::int32_t id) { id_ = id; }

private:
    std::int32_t id_;
};

}  // namespace vantaro
