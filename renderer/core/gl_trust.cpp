#include "renderer/core/gl_trust.h"

namespace velmora::renderer {

GlTrust TrustOfGl(const GlIdentity& gl) {
    // Mesa names its software rasteriser in the renderer string, e.g.
    // "llvmpipe (LLVM 15.0.7, 256 bits)", whatever vendor string it gives.
    const bool llvmpipe = gl.renderer.rfind("llvmpipe", 0) == 0;
    // Windows' own OpenGL 1.1, used where no driver offers one (virtual
    // machines, remote sessions).
    const bool gdi_generic = gl.vendor == "Microsoft Corporation" && gl.renderer == "GDI Generic";
    const bool software = llvmpipe || gdi_generic;
    return GlTrust{software, software};
}

}  // namespace velmora::renderer
