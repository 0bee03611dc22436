#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace kivor {
namespace {

TEST(InstanceLock, onlyOneHolderUntilReleased) {
    test::TempDir runtime;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    InstanceLock first(kInstanceLockName);
    InstanceLock second(kInstanceLockName);
    EXPECT_EQ(first.LockFilePath(), runtime / "kivor8237541.lock");
    ASSERT_TRUE(first.Acquire());
    EXPECT_FALSE(second.Acquire());
    first.Release();
    EXPECT_TRUE(second.Acquire());
    unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace kivor
