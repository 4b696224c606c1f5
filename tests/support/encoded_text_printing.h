// Failures show the bytes of a code page 932 or UTF-8 text as the compiler
// reads them.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/core/cp932_string.h"

namespace velmora::text {

template <typename Encoding>
void PrintTo(EncodedView<Encoding> text, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(text.Bytes()));
}
template <typename Encoding>
void PrintTo(const EncodedString<Encoding>& text, std::ostream* out) {
    PrintTo(EncodedView<Encoding>(text), out);
}

}  // namespace velmora::text
