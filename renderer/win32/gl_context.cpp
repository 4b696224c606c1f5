#include "renderer/win32/gl_context.h"

#include <string>

#include "renderer/core/gl_extensions.h"
#include "renderer/core/pixel_format_choice.h"
#include "renderer/gl/gl_api.h"

namespace velmora::renderer {
namespace {

PixelFormatDescription Describe(const PIXELFORMATDESCRIPTOR& descriptor) {
    PixelFormatDescription format;
    format.flags = descriptor.dwFlags;
    format.pixel_type = descriptor.iPixelType;
    format.colour_bits = descriptor.cColorBits;
    format.depth_bits = descriptor.cDepthBits;
    return format;
}

PIXELFORMATDESCRIPTOR DescriptorFor(const PixelFormatDescription& format) {
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = sizeof(descriptor);
    descriptor.nVersion = 1;
    descriptor.dwFlags = format.flags;
    descriptor.iPixelType = format.pixel_type;
    descriptor.cColorBits = static_cast<BYTE>(format.colour_bits);
    descriptor.cDepthBits = static_cast<BYTE>(format.depth_bits);
    return descriptor;
}

template <typename Function>
Function WglFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// The extensions the current context's driver lists: WGL's own, and the GL's,
// where older drivers list WGL's too.
std::string ListedExtensions(HDC device_context) {
    std::string names;
    const auto add = [&names](const void* list) {
        if (list != nullptr) {
            names.append(static_cast<const char*>(list)).push_back(' ');
        }
    };
    if (const auto arb = WglFunction<const char*(WINAPI*)(HDC)>("wglGetExtensionsStringARB")) {
        add(arb(device_context));
    } else if (const auto ext = WglFunction<const char*(WINAPI*)()>("wglGetExtensionsStringEXT")) {
        add(ext());
    }
    add(glGetString(GL_EXTENSIONS));
    return names;
}

}  // namespace

bool SetBestPixelFormat(HDC device_context) {
    static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);
    const PixelFormatToSet format = PixelFormatToSetFor(
        [device_context](int index, PixelFormatDescription& out) {
            PIXELFORMATDESCRIPTOR descriptor{};
            if (DescribePixelFormat(device_context, index, sizeof(descriptor), &descriptor) == 0) {
                return false;
            }
            out = Describe(descriptor);
            return true;
        },
        [device_context](const PixelFormatDescription& wanted) {
            const PIXELFORMATDESCRIPTOR descriptor = DescriptorFor(wanted);
            return ChoosePixelFormat(device_context, &descriptor);
        });
    if (format.index == 0) {
        return false;
    }
    PIXELFORMATDESCRIPTOR descriptor = DescriptorFor(FallbackPixelFormat());
    if (!format.with_fallback_description) {
        DescribePixelFormat(device_context, format.index, sizeof(descriptor), &descriptor);
    }
    return SetPixelFormat(device_context, format.index, &descriptor) != FALSE;
}

HGLRC MakeCurrentGlContext(HDC device_context) {
    // opengl32 is loaded by our own first call, whose failure names the DLL to
    // the user and ends the program. Workaround for Windows and Wine alike:
    // SetPixelFormat loads it behind the scenes and, where it cannot, only
    // fails, which would end the renderer without a word.
    wglGetCurrentContext();
    if (device_context == nullptr || !SetBestPixelFormat(device_context)) {
        return nullptr;
    }
    HGLRC context = wglCreateContext(device_context);
    if (context == nullptr) {
        return nullptr;
    }
    if (wglMakeCurrent(device_context, context) == FALSE) {
        wglDeleteContext(context);
        return nullptr;
    }
    return context;
}

bool SetSwapInterval(HDC device_context, int interval) {
    if (!ListsExtension(ListedExtensions(device_context), "WGL_EXT_swap_control")) {
        return false;
    }
    const auto swap_interval = WglFunction<BOOL(WINAPI*)(int)>("wglSwapIntervalEXT");
    return swap_interval != nullptr && swap_interval(interval) != FALSE;
}

void PresentBackBuffer(HDC device_context) {
    SwapBuffers(device_context);
}

}  // namespace velmora::renderer
