#pragma once
// Texts whose type says their encoding. Code page 932 holds every text the
// program keeps and hands on: what the user reads, the settings' values, the
// music file's path, the argument text and the media commands. UTF-8 is the
// form of a settings file saved as UTF-8. Wide texts are std::wstring (Win32)
// and std::u16string (platform-free).
//
// Bytes become such a text only by an explicit construction, and give their
// bytes back only when asked: a text of one encoding never passes for
// another, nor for plain bytes, without a conversion the compiler sees.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::text {

template <typename Encoding>
class EncodedString;

// A view of bytes in `Encoding`, as cheap as the std::string_view inside.
template <typename Encoding>
class EncodedView {
  public:
    constexpr EncodedView() = default;
    constexpr explicit EncodedView(std::string_view bytes) : bytes_(bytes) {}

    constexpr std::string_view Bytes() const { return bytes_; }
    constexpr bool Empty() const { return bytes_.empty(); }
    constexpr std::size_t Size() const { return bytes_.size(); }

    friend constexpr bool operator==(EncodedView a, EncodedView b) { return a.bytes_ == b.bytes_; }
    friend constexpr bool operator!=(EncodedView a, EncodedView b) { return !(a == b); }
    friend EncodedString<Encoding> operator+(EncodedView a, EncodedView b) {
        return EncodedString<Encoding>(std::string(a.bytes_) + std::string(b.bytes_));
    }

  private:
    std::string_view bytes_;
};

// Bytes in `Encoding`, owned.
template <typename Encoding>
class EncodedString {
  public:
    using View = EncodedView<Encoding>;

    EncodedString() = default;
    explicit EncodedString(std::string bytes) : bytes_(std::move(bytes)) {}
    // The same encoding: kept without a word.
    EncodedString(View text) : bytes_(text.Bytes()) {}  // NOLINT(*-explicit-*)

    // The same bytes, seen.
    operator View() const { return View(bytes_); }  // NOLINT(*-explicit-*)

    const std::string& Bytes() const { return bytes_; }
    bool Empty() const { return bytes_.empty(); }
    std::size_t Size() const { return bytes_.size(); }
    void Clear() { bytes_.clear(); }

    EncodedString& operator+=(View more) {
        bytes_ += more.Bytes();
        return *this;
    }
    friend EncodedString operator+(EncodedString a, View b) { return std::move(a += b); }
    friend bool operator==(const EncodedString& a, const EncodedString& b) {
        return a.bytes_ == b.bytes_;
    }
    friend bool operator==(const EncodedString& a, View b) { return View(a) == b; }
    friend bool operator==(View a, const EncodedString& b) { return a == View(b); }
    friend bool operator!=(const EncodedString& a, const EncodedString& b) { return !(a == b); }
    friend bool operator!=(const EncodedString& a, View b) { return !(a == b); }
    friend bool operator!=(View a, const EncodedString& b) { return !(a == b); }
    // By bytes: an order for sets and maps.
    friend bool operator<(const EncodedString& a, const EncodedString& b) {
        return a.bytes_ < b.bytes_;
    }

  private:
    std::string bytes_;
};

struct Cp932Encoding {};
struct Utf8Encoding {};

using Cp932View = EncodedView<Cp932Encoding>;
using Cp932String = EncodedString<Cp932Encoding>;
using Utf8View = EncodedView<Utf8Encoding>;
using Utf8String = EncodedString<Utf8Encoding>;

namespace literals {

// "open cdaudio"_cp932: a literal whose bytes are taken as code page 932, for
// ASCII texts (the same bytes in both).
inline Cp932View operator""_cp932(const char* bytes, std::size_t size) {
    return Cp932View(std::string_view(bytes, size));
}

}  // namespace literals

}  // namespace velmora::text
