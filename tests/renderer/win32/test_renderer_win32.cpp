#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "renderer/core/password_check.h"
#include "renderer/core/pixel_format_choice.h"
#include "renderer/core/random15.h"
#include "renderer/core/window_messages.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/win32/gl_context.h"
#include "renderer/win32/password_port.h"
#include "renderer/win32/saver_window.h"

namespace velmora::renderer {
namespace {

// The rules are fed the platform's own numbers.
static_assert(msg::create == WM_CREATE && msg::destroy == WM_DESTROY && msg::close == WM_CLOSE);
static_assert(msg::show_window == WM_SHOWWINDOW && msg::activate_app == WM_ACTIVATEAPP);
static_assert(msg::set_cursor == WM_SETCURSOR && msg::sys_command == WM_SYSCOMMAND);
static_assert(msg::key_down == WM_KEYDOWN && msg::key_up == WM_KEYUP && msg::character == WM_CHAR);
static_assert(msg::sys_key_down == WM_SYSKEYDOWN && msg::sys_key_up == WM_SYSKEYUP);
static_assert(msg::mouse_move == WM_MOUSEMOVE && msg::left_button_down == WM_LBUTTONDOWN);
static_assert(msg::left_button_up == WM_LBUTTONUP &&
              msg::left_button_double_click == WM_LBUTTONDBLCLK);
static_assert(msg::right_button_down == WM_RBUTTONDOWN && msg::right_button_up == WM_RBUTTONUP);
static_assert(msg::middle_button_down == WM_MBUTTONDOWN && msg::middle_button_up == WM_MBUTTONUP);
static_assert(sys_command::next_window == SC_NEXTWINDOW);
static_assert(sys_command::prev_window == SC_PREVWINDOW);
static_assert(sys_command::screen_save == SC_SCREENSAVE);
static_assert(pfd::double_buffer == PFD_DOUBLEBUFFER && pfd::draw_to_window == PFD_DRAW_TO_WINDOW);
static_assert(pfd::support_opengl == PFD_SUPPORT_OPENGL &&
              pfd::generic_format == PFD_GENERIC_FORMAT);
static_assert(pfd::generic_accelerated == PFD_GENERIC_ACCELERATED &&
              pfd::type_rgba == PFD_TYPE_RGBA);
static_assert(kPlatformWin32Windows == VER_PLATFORM_WIN32_WINDOWS);

// A plain top-level window with its own device context, for GL tests.
class GlWindow {
  public:
    GlWindow(int width, int height) {
        WNDCLASSA window_class{};
        window_class.style = CS_OWNDC;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.lpszClassName = "VelmoraGlTestWindow";
        RegisterClassA(&window_class);
        window_ =
            CreateWindowExA(0, "VelmoraGlTestWindow", "gl test", WS_POPUP | WS_VISIBLE, 0, 0, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        dc_ = GetDC(window_);
    }
    ~GlWindow() {
        if (context_ != nullptr) {
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context_);
        }
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    bool make_context() {
        choose_pixel_format(dc_);
        context_ = wglCreateContext(dc_);
        return context_ != nullptr && wglMakeCurrent(dc_, context_);
    }
    HWND window() const { return window_; }
    HDC dc() const { return dc_; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

TEST(PixelFormat, TheChosenFormatIsADoubleBufferedRgbaGlFormat) {
    GlWindow window(64, 64);
    ASSERT_NE(window.window(), nullptr);
    choose_pixel_format(window.dc());
    const int index = GetPixelFormat(window.dc());
    ASSERT_GT(index, 0);
    PIXELFORMATDESCRIPTOR descriptor{};
    DescribePixelFormat(window.dc(), index, sizeof(descriptor), &descriptor);
    EXPECT_TRUE(pixel_format_score(PixelFormatDescription{
        descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits, descriptor.cDepthBits}));
    EXPECT_GE(descriptor.cColorBits, 24);
}

TEST(PasswordCheck, TheNtFamilyAsksForNoPassword) {
    Win32PasswordPort port(nullptr);
    EXPECT_EQ(port.platform_id(), static_cast<uint32_t>(VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(verify_password(HWND{}));
}

// What the driver leaves in the back buffer after a swap must not matter:
// the frame after a swap continues the picture before it.
TEST(Drawing, TrailsContinueAcrossRealBufferSwaps) {
    constexpr int kWidth = 160;
    constexpr int kHeight = 120;
    GlWindow window(kWidth, kHeight);
    ASSERT_TRUE(window.make_context());
    EffectParameters parameters;
    assign_effect_parameters(parameters);
    seed_random15(77);
    EffectDrawing drawing;
    drawing.set_up(ClientRect{0, 0, kWidth, kHeight}, parameters);

    std::vector<unsigned char> before(kWidth * kHeight * 3);
    std::vector<unsigned char> after(before.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int frame = 0; frame < 20; ++frame) {
        drawing.draw_frame();
        swap_main_plane(window.dc());
    }
    drawing.draw_frame();
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, before.data());
    swap_main_plane(window.dc());
    drawing.instances().clear();
    drawing.draw_frame();
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, after.data());

    int checked = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] > 100) {
            ASSERT_NEAR(after[i], before[i] * 0.647, 1.5) << i;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    drawing.tear_down();
}

// The resources of the shipped program, read from the file itself.
class ShippedResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExA(VELMORA_RENDERER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << VELMORA_RENDERER_PATH;
    }
    void TearDown() override { FreeLibrary(module); }

    std::string resource(LPCSTR type, LPCSTR name) {
        HRSRC found = FindResourceA(module, name, type);
        if (found == nullptr) {
            return {};
        }
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

TEST_F(ShippedResources, IconIsOneSixteenColourImageOf32By32) {
    const std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEA(7002));
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(group[4], 1) << "one image";
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 32);
    EXPECT_EQ(static_cast<unsigned char>(group[7]), 32);
    EXPECT_EQ(static_cast<unsigned char>(group[8]), 16);
    EXPECT_EQ(group[12], 4) << "bits per pixel";
}

TEST_F(ShippedResources, VersionAndDpiAwareManifest) {
    const std::string version = resource(RT_VERSION, MAKEINTRESOURCEA(1));
    EXPECT_FALSE(version.empty());
    const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("dpiAware"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
}

}  // namespace
}  // namespace velmora::renderer
