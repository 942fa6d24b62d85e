#pragma once

#include <stdexcept>
#include <string>

namespace vantaro {

// Base of every error the program raises; the message is the text shown to the user.
class EVantaro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should hold a number, date or ID does not.
class EConvertError : public EVantaro {
public:
    using EVantaro::EVantaro;
};

// A file could not be read or written.
class EInOutError : public EVantaro {
public:
    using EVantaro::EVantaro;
};

}  // namespace vantaro
