#include <gtest/gtest.h>

#include <string>

#include "diagnostics/StackGuard.h"
#include "driver/Driver.h"

namespace tbasic {
namespace {

// Runs body with only `room` bytes of native stack left to the guard.
template <typename Body>
auto withLittleStack(std::size_t room, Body body) {
    std::uintptr_t saved = getStackLimit();
    setStackLimit(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)) - room);
    auto result = body();
    setStackLimit(saved);
    return result;
}

TEST(DriverTest, ExpressionNestedDeeperThanTheStackReportsOverflow) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int status = withLittleStack(256 * 1024, [] { return runExpression(std::string(100000, '(') + "1"); });
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "Exception thrown (stack overflow?): Error code C00000FD\n");
}

TEST(DriverTest, ExpressionWithinTheStackStillEvaluates) {
    testing::internal::CaptureStdout();
    int status = withLittleStack(256 * 1024, [] { return runExpression("((((1 + 2))))"); });
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "3\n");
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace tbasic
