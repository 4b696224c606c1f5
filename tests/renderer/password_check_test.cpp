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
    MOCK_METHOD(uint32_t, PlatformId, (), (override));
    MOCK_METHOD(bool, LoadPasswordLibrary, (const char*), (override));
    MOCK_METHOD(bool, FindVerifyFunction, (const char*), (override));
    MOCK_METHOD(void, FreePasswordLibrary, (), (override));
    MOCK_METHOD(void, SetScreensaverRunning, (bool), (override));
    MOCK_METHOD(bool, CallVerifyFunction, (), (override));
};

constexpr uint32_t kWindowsNt = 2;

TEST(PasswordCheck, NtFamilyNeverLoadsTheLibrary) {
    StrictMock<MockPasswordPort> port;
    HostState state;
    EXPECT_CALL(port, PlatformId()).WillOnce(Return(kWindowsNt));
    EXPECT_TRUE(VerifyPassword(state, port));
}

TEST(PasswordCheck, Windows9xAsksInOrderAndReportsTheAnswer) {
    for (bool answer : {true, false}) {
        StrictMock<MockPasswordPort> port;
        HostState state;
        {
            InSequence order;
            EXPECT_CALL(port, PlatformId()).WillOnce(Return(kPlatformWin32Windows));
            EXPECT_CALL(port, LoadPasswordLibrary(StrEq("PASSWORD.CPL"))).WillOnce(Return(true));
            EXPECT_CALL(port, FindVerifyFunction(StrEq("VerifyScreenSavePwd")))
                .WillOnce(Return(true));
            EXPECT_CALL(port, SetScreensaverRunning(true));
            EXPECT_CALL(port, CallVerifyFunction()).WillOnce([&state, answer] {
                EXPECT_TRUE(state.password_prompt_active);
                return answer;
            });
            EXPECT_CALL(port, SetScreensaverRunning(false));
            EXPECT_CALL(port, FreePasswordLibrary());
        }
        EXPECT_EQ(VerifyPassword(state, port), answer);
        EXPECT_FALSE(state.password_prompt_active);
    }
}

TEST(PasswordCheck, Windows9xWithoutTheLibraryOrFunctionLetsTheSaverEnd) {
    StrictMock<MockPasswordPort> no_library;
    HostState state;
    EXPECT_CALL(no_library, PlatformId()).WillOnce(Return(kPlatformWin32Windows));
    EXPECT_CALL(no_library, LoadPasswordLibrary(StrEq("PASSWORD.CPL"))).WillOnce(Return(false));
    EXPECT_TRUE(VerifyPassword(state, no_library));

    StrictMock<MockPasswordPort> no_function;
    {
        InSequence order;
        EXPECT_CALL(no_function, PlatformId()).WillOnce(Return(kPlatformWin32Windows));
        EXPECT_CALL(no_function, LoadPasswordLibrary(StrEq("PASSWORD.CPL"))).WillOnce(Return(true));
        EXPECT_CALL(no_function, FindVerifyFunction(StrEq("VerifyScreenSavePwd")))
            .WillOnce(Return(false));
        EXPECT_CALL(no_function, FreePasswordLibrary());
    }
    EXPECT_TRUE(VerifyPassword(state, no_function));
    EXPECT_FALSE(state.password_prompt_active);
}

}  // namespace
}  // namespace velmora::renderer
