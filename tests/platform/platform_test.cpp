#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/registryStore.h"
#include "platform/singleInstance.h"

namespace pos {
namespace {

std::filesystem::path scratch(const char* name) {
    auto d = std::filesystem::temp_directory_path() /
             (std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d;
}

TEST(SingleInstance, OnlyOneHolderAtATime) {
    auto dir = scratch("pos-lock");
    SingleInstanceGuard first("zoposvemtra", dir.string());
    SingleInstanceGuard second("zoposvemtra", dir.string());
    SingleInstanceGuard other("another", dir.string());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(other.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
    std::filesystem::remove_all(dir);
}

TEST(Registry, CompatibilityFlagIsWrittenOnceAndKept) {
    auto dir = scratch("pos-registry");
    RegistryStore store((dir / "sub" / "registry").string());
    writeCompatibilityFlag(store, "/opt/pos/pos-terminal");
    EXPECT_EQ("DisableNXShowUI", store.read(kCompatibilityKey, "/opt/pos/pos-terminal"));
    store.write(kCompatibilityKey, "/opt/pos/pos-terminal", "Custom");
    writeCompatibilityFlag(store, "/opt/pos/pos-terminal");  // an existing value is left alone
    EXPECT_EQ("Custom", store.read(kCompatibilityKey, "/opt/pos/pos-terminal"));
    EXPECT_FALSE(store.read(kCompatibilityKey, "/other"));

    RegistryStore unwritable("/proc/no/such/place/registry");
    EXPECT_NO_THROW(writeCompatibilityFlag(unwritable, "/opt/pos/pos-terminal"));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pos
