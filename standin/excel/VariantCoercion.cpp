#include "excel/VariantCoercion.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace standin::excel {

std::optional<double> NumberInText(TextView text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    const std::size_t first = ascii.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    ascii = ascii.substr(first, ascii.find_last_not_of(' ') - first + 1);
    if (ascii.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> LongOf(const ComValue& value) {
    double number = 0;
    switch (value.type) {
    case VarType::Long:
        return value.integer;
    case VarType::Boolean:
        return value.boolean ? -1 : 0;
    case VarType::Double:
        number = value.real;
        break;
    case VarType::String: {
        const auto parsed = NumberInText(value.text);
        if (!parsed) {
            return std::nullopt;
        }
        number = *parsed;
        break;
    }
    default:
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number); // the default mode: half to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace standin::excel
