#pragma once
// A small store of named values under keys, standing in for the system
// registry of the platform the terminal was first written for. One text file:
// one line per value, "key<TAB>name<TAB>data".
#include <optional>
#include <string>

namespace pos {

class RegistryStore {
  public:
    // `path` empty: $XDG_CONFIG_HOME (else ~/.config) /pos-terminal/registry.
    explicit RegistryStore(std::string path = {});

    std::optional<std::string> read(const std::string& key, const std::string& name) const;
    // Throws std::runtime_error when the file cannot be written.
    void write(const std::string& key, const std::string& name, const std::string& data);

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

inline constexpr const char* kCompatibilityKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";

// Writes the compatibility flag of the program file (value "DisableNXShowUI")
// unless a value of that name exists. Every error is ignored.
void writeCompatibilityFlag(RegistryStore& store, const std::string& programFile);

}  // namespace pos
