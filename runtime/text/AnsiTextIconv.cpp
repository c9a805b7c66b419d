// Host build: code page 932 through iconv, Microsoft's mapping ("CP932").
#include "text/AnsiText.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vr {
namespace {

class IconvHandle {
  public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv_open failed for code page 932");
        }
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts as much as possible; returns false at an invalid or incomplete
    // sequence with input and output advanced up to it.
    bool Convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        auto* src = const_cast<char*>(in);
        const std::size_t rc = iconv(handle_, &src, &inLeft, &out, &outLeft);
        in = src;
        return rc != static_cast<std::size_t>(-1);
    }

  private:
    iconv_t handle_;
};

constexpr char16_t kReplacement = u'\uFFFD';

} // namespace

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

Text DecodeAnsi(BytesView bytes) {
    IconvHandle cd("UTF-16LE", "CP932");
    Text result;
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char buffer[512];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const bool done = cd.Convert(in, inLeft, out, outLeft);
        for (char* p = buffer; p + 1 < out; p += 2) {
            result.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                                   static_cast<unsigned char>(p[1]) << 8));
        }
        if (done) {
            break;
        }
        if (errno == E2BIG) {
            continue;
        }
        if (errno == EINVAL) {
            break; // a lead byte at the end: dropped
        }
        result.push_back(kReplacement);
        ++in;
        --inLeft;
    }
    return result;
}

Bytes EncodeAnsi(TextView text) {
    IconvHandle cd("CP932", "UTF-16LE");
    std::string utf16;
    utf16.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        utf16.push_back(static_cast<char>(unit & 0xFF));
        utf16.push_back(static_cast<char>(unit >> 8));
    }
    Bytes result;
    const char* in = utf16.data();
    std::size_t inLeft = utf16.size();
    while (inLeft > 0) {
        char buffer[512];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const bool done = cd.Convert(in, inLeft, out, outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done) {
            break;
        }
        if (errno == E2BIG) {
            continue;
        }
        // Not representable (or a lone surrogate): one '?' per character. A
        // high surrogate is a character with the unit after it only when that
        // unit is a low surrogate; else the next unit is a character of its own.
        const auto unitAt = [&](std::size_t offset) {
            return static_cast<char16_t>(static_cast<unsigned char>(in[offset]) |
                                         static_cast<unsigned char>(in[offset + 1]) << 8);
        };
        const char16_t unit = unitAt(0);
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && inLeft >= 4 && unitAt(2) >= 0xDC00 &&
                          unitAt(2) <= 0xDFFF;
        const std::size_t skip = pair ? 4 : 2;
        result.push_back('?');
        in += skip;
        inLeft -= skip;
    }
    return result;
}

} // namespace vr
