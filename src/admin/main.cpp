#include <iostream>

#include "admin/adminCommand.h"
#include "platform/clock.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    pos::SystemClock clock;
    return pos::runAdminCommand(args, clock, std::cout, std::cerr);
}
