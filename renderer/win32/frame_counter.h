#pragma once
// The count of frames drawn, published for the measuring scripts and the end-to-end tests.

#include <windows.h>

namespace velmora::renderer {

// Publishes the frame count; each frame costs one store. Without the block
// (no memory) nothing is counted.
class FrameCounter {
  public:
    FrameCounter();
    ~FrameCounter();
    FrameCounter(const FrameCounter&) = delete;
    FrameCounter& operator=(const FrameCounter&) = delete;

    void Count() {
        if (count_ != nullptr) {
            *count_ = *count_ + 1;
        }
    }

  private:
    HANDLE mapping_ = nullptr;
    volatile LONG64* count_ = nullptr;
};

}  // namespace velmora::renderer
