#include "cad/JsonLine.h"

#include "text/Utf8.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace standin {

std::string JsonString(vr::TextView text) {
    std::string out = "\"";
    for (const char c : vr::Utf8FromText(text)) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    // Fifteen digits read back exactly for the numbers a drawing holds and
    // print without noise (0.1, not 0.10000000000000001).
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    if (std::strtod(buffer, nullptr) != value) {
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
    }
    return buffer;
}

JsonLine::JsonLine(std::string_view event) : text_("{\"event\":") {
    text_ += JsonString(vr::Text(event.begin(), event.end()));
}

void JsonLine::Key(std::string_view key) {
    text_ += ",\"";
    text_ += key;
    text_ += "\":";
}

JsonLine& JsonLine::Add(std::string_view key, vr::TextView value) {
    Key(key);
    text_ += JsonString(value);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, long long value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, double value) {
    Key(key);
    text_ += JsonNumber(value);
    return *this;
}

JsonLine& JsonLine::AddBool(std::string_view key, bool value) {
    Key(key);
    text_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::AddRaw(std::string_view key, std::string_view json) {
    Key(key);
    text_ += json;
    return *this;
}

} // namespace standin
