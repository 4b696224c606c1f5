#include "renderer/win32/frame_counter.h"

#include "contract/run_contract.h"

namespace velmora::renderer {

FrameCounter::FrameCounter()
    : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64),
                                  contract::kRendererFrameCount)) {
    if (mapping_ != nullptr) {
        count_ = static_cast<volatile LONG64*>(
            MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(LONG64)));
    }
}

FrameCounter::~FrameCounter() {
    if (count_ != nullptr) {
        UnmapViewOfFile(const_cast<LONG64*>(count_));
    }
    if (mapping_ != nullptr) {
        CloseHandle(mapping_);
    }
}

}  // namespace velmora::renderer
