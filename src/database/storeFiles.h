#pragma once
// New store files: the schema the terminal works with, and the demo store that
// lets a new user sell at once.
#include <string>
#include <string_view>

namespace pos {

class Clock;

std::string_view storeSchema();  // embedded schema script
std::string_view demoData();     // embedded demo data script ("@TODAY@" stands for today)

// Both refuse a file that exists.
void createEmptyStore(const std::string& path);
void createDemoStore(const std::string& path, const Clock& clock);

}  // namespace pos
