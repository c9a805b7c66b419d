#include "Cp932Text.h"

#include <iconv.h>

#include <stdexcept>

namespace vr::samples {

std::string Cp932FromUtf8(const std::string& utf8) {
    iconv_t convert = iconv_open("CP932", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("no UTF-8 to CP932 conversion");
    }
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t fromLeft = in.size();
    std::size_t toLeft = out.size();
    const std::size_t result = iconv(convert, &from, &fromLeft, &to, &toLeft);
    iconv_close(convert);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text with a character that code page 932 lacks");
    }
    out.resize(out.size() - toLeft);
    return out;
}

} // namespace vr::samples
