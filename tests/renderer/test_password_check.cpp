#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "renderer/core/password_check.h"

namespace velmora::renderer {
namespace {

using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrEq;
using ::testing::StrictMock;

class MockPasswordPort : public PasswordPort {
  public:
    MOCK_METHOD(uint32_t, platform_id, (), (override));
    MOCK_METHOD(bool, load_library, (const char*), (override));
    MOCK_METHOD(bool, find_function, (const char*), (override));
    MOCK_METHOD(void, free_library, (), (override));
    MOCK_METHOD(void, set_screensaver_running, (bool), (override));
    MOCK_METHOD(bool, call_verify_function, (), (override));
};

constexpr uint32_t kWindowsNt = 2;

TEST(PasswordCheck, NtFamilyNeverLoadsTheLibrary) {
    StrictMock<MockPasswordPort> port;
    HostState state;
    EXPECT_CALL(port, platform_id()).WillOnce(Return(kWindowsNt));
    EXPECT_TRUE(verify_password(state, port));
}

TEST(PasswordCheck, Windows9xAsksInOrderAndReportsTheAnswer) {
    for (bool answer : {true, false}) {
        StrictMock<MockPasswordPort> port;
        HostState state;
        {
            InSequence order;
            EXPECT_CALL(port, platform_id()).WillOnce(Return(kPlatformWin32Windows));
            EXPECT_CALL(port, load_library(StrEq("PASSWORD.CPL"))).WillOnce(Return(true));
            EXPECT_CALL(port, find_function(StrEq("VerifyScreenSavePwd"))).WillOnce(Return(true));
            EXPECT_CALL(port, set_screensaver_running(true));
            EXPECT_CALL(port, call_verify_function()).WillOnce([&state, answer] {
                EXPECT_TRUE(state.password_prompt_active);
                return answer;
            });
            EXPECT_CALL(port, set_screensaver_running(false));
            EXPECT_CALL(port, free_library());
        }
        EXPECT_EQ(verify_password(state, port), answer);
        EXPECT_FALSE(state.password_prompt_active);
    }
}

TEST(PasswordCheck, Windows9xWithoutTheLibraryOrFunctionLetsTheSaverEnd) {
    StrictMock<MockPasswordPort> no_library;
    HostState state;
    EXPECT_CALL(no_library, platform_id()).WillOnce(Return(kPlatformWin32Windows));
    EXPECT_CALL(no_library, load_library(StrEq("PASSWORD.CPL"))).WillOnce(Return(false));
    EXPECT_TRUE(verify_password(state, no_library));

    StrictMock<MockPasswordPort> no_function;
    {
        InSequence order;
        EXPECT_CALL(no_function, platform_id()).WillOnce(Return(kPlatformWin32Windows));
        EXPECT_CALL(no_function, load_library(StrEq("PASSWORD.CPL"))).WillOnce(Return(true));
        EXPECT_CALL(no_function, find_function(StrEq("VerifyScreenSavePwd")))
            .WillOnce(Return(false));
        EXPECT_CALL(no_function, free_library());
    }
    EXPECT_TRUE(verify_password(state, no_function));
    EXPECT_FALSE(state.password_prompt_active);
}

}  // namespace
}  // namespace velmora::renderer
