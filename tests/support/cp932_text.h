// Reads code-page-932 bytes back as UTF-8, so tests can compare the texts the
// programs hand to the platform's ANSI functions with their readable forms.
#pragma once

#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {

inline std::string Cp932ToUtf8(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no CP932";
        return {};
    }
    std::string in = bytes;
    std::string out(in.size() * 4 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t src_left = in.size();
    std::size_t dst_left = out.size();
    const std::size_t converted = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    EXPECT_NE(converted, static_cast<std::size_t>(-1)) << "not code page 932";
    out.resize(out.size() - dst_left);
    return out;
}

}  // namespace velmora::testing
