#pragma once
#include <stdexcept>
#include <string>

namespace pos {

// A statement the store rejected, or a store that could not be opened. The
// message is the engine's own.
class DbError : public std::runtime_error {
  public:
    explicit DbError(const std::string& message) : std::runtime_error(message) {}
};

// A text that had to be a number and was not.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace pos
