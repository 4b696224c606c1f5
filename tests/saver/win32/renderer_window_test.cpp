// The question the run window asks a renderer's window after input, put to
// windows of threads that take their messages and of one that has stopped.

#include "saver/win32/renderer_window.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace velmora::saver {
namespace {

// A window made by a thread of its own, which either takes its messages or
// takes none (as a renderer stuck in its driver), until the object goes.
class WindowOnThread {
  public:
    explicit WindowOnThread(bool takes_messages)
        : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_([this, takes_messages] {
              HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                            nullptr, nullptr, nullptr);
              made_.set_value(window);
              while (takes_messages && MsgWaitForMultipleObjects(1, &stop_, FALSE, INFINITE,
                                                                 QS_ALLINPUT) != WAIT_OBJECT_0) {
                  MSG message;
                  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                      DispatchMessageW(&message);
                  }
              }
              WaitForSingleObject(stop_, INFINITE);
              DestroyWindow(window);
          }),
          window_(made_.get_future().get()) {}
    WindowOnThread(const WindowOnThread&) = delete;
    WindowOnThread& operator=(const WindowOnThread&) = delete;
    ~WindowOnThread() {
        SetEvent(stop_);
        thread_.join();
        CloseHandle(stop_);
    }

    HWND Window() const { return window_; }

  private:
    std::promise<HWND> made_;
    HANDLE stop_;
    std::thread thread_;
    HWND window_;
};

TEST(AskWindow, AWindowThatTakesItsMessagesAnswersOneThatStoppedDoesNotAndAGoneOneIsGone) {
    HWND gone = nullptr;
    {
        const WindowOnThread answering(true);
        ASSERT_NE(answering.Window(), nullptr);
        EXPECT_EQ(AskWindow(answering.Window(), 2000), RendererAnswer::Answered);
        gone = answering.Window();

        const WindowOnThread stopped(false);
        ASSERT_NE(stopped.Window(), nullptr);
        EXPECT_EQ(AskWindow(stopped.Window(), 200), RendererAnswer::Unanswered);
    }
    EXPECT_EQ(AskWindow(gone, 200), RendererAnswer::WindowGone);
    EXPECT_EQ(AskWindow(nullptr, 200), RendererAnswer::WindowGone);
}

}  // namespace
}  // namespace velmora::saver
