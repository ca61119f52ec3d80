#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/SingleInstanceLock.h"

using lumicord::CSingleInstanceLock;

namespace {
std::string UniqueName() {
    return "lumicord-test-" + std::to_string(::getpid());
}
} // namespace

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    const std::string name = UniqueName();
    {
        CSingleInstanceLock first(name);
        ASSERT_TRUE(first.Acquired()) << first.Path();
        CSingleInstanceLock second(name);
        EXPECT_FALSE(second.Acquired());
        EXPECT_TRUE(first.Acquired()); // the refused attempt leaves the holder untouched
    }
    CSingleInstanceLock again(name);
    EXPECT_TRUE(again.Acquired());
}

TEST(SingleInstanceLock, AnotherProcessIsRefused) {
    const std::string name = UniqueName() + "-fork";
    CSingleInstanceLock held(name);
    ASSERT_TRUE(held.Acquired());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CSingleInstanceLock other(name);
        ::_exit(other.Acquired() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(SingleInstanceLock, LivesInTheRuntimeDirectory) {
    ::setenv("XDG_RUNTIME_DIR", "/tmp", 1);
    EXPECT_EQ(CSingleInstanceLock::LockPath("Brimla_Lumicord"), "/tmp/Brimla_Lumicord.lock");
}
