#pragma once
#include <string>

namespace pos {

// The customer pole display as the sales screen uses it. The device itself
// (serial port, commands) is built with the checkout; until then the terminal
// runs with a display that shows nothing.
class CustomerDisplay {
  public:
    virtual ~CustomerDisplay() = default;
    virtual void showTotal(const std::string& amount) = 0;
};

class NoCustomerDisplay : public CustomerDisplay {
  public:
    void showTotal(const std::string&) override {}
};

}  // namespace pos
