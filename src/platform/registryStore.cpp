#include "platform/registryStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace pos {

namespace {
struct Entry {
    std::string key, name, data;
};

std::vector<Entry> load(const std::string& path) {
    std::vector<Entry> entries;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        size_t a = line.find('\t');
        size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
        if (b == std::string::npos) continue;
        entries.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    return entries;
}

// Tabs and line breaks would break the file's lines.
bool storable(const std::string& s) { return s.find_first_of("\t\r\n") == std::string::npos; }
}  // namespace

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {
    if (!path_.empty()) return;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base = config && *config ? config : std::string(home ? home : "/tmp") + "/.config";
    path_ = base + "/pos-terminal/registry";
}

std::optional<std::string> RegistryStore::read(const std::string& key,
                                               const std::string& name) const {
    for (const Entry& e : load(path_))
        if (e.key == key && e.name == name) return e.data;
    return std::nullopt;
}

void RegistryStore::write(const std::string& key, const std::string& name,
                          const std::string& data) {
    if (!storable(key) || !storable(name) || !storable(data))
        throw std::runtime_error("value cannot be stored: " + name);
    std::vector<Entry> entries = load(path_);
    bool replaced = false;
    for (Entry& e : entries)
        if (e.key == key && e.name == name) {
            e.data = data;
            replaced = true;
        }
    if (!replaced) entries.push_back({key, name, data});
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
    // Written aside and renamed, so a crash never leaves half a file.
    std::string tmp = path_ + ".new";
    {
        std::ofstream out(tmp, std::ios::trunc);
        for (const Entry& e : entries) out << e.key << '\t' << e.name << '\t' << e.data << '\n';
        if (!out) throw std::runtime_error("cannot write " + tmp);
    }
    std::filesystem::rename(tmp, path_);
}

void writeCompatibilityFlag(RegistryStore& store, const std::string& programFile) {
    try {
        if (!store.read(kCompatibilityKey, programFile))
            store.write(kCompatibilityKey, programFile, "DisableNXShowUI");
    } catch (...) {
    }
}

}  // namespace pos
