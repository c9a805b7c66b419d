#pragma once

#include "text/Text.h"

#include <string>
#include <string_view>

namespace standin {

// One journal entry: a JSON object on one line, UTF-8, keys in the order
// added, control characters escaped so that the exact text stays visible.
class JsonLine {
  public:
    explicit JsonLine(std::string_view event);
    JsonLine& Add(std::string_view key, vr::TextView value);
    JsonLine& Add(std::string_view key, long long value);
    JsonLine& Add(std::string_view key, double value);
    JsonLine& AddBool(std::string_view key, bool value);
    JsonLine& AddRaw(std::string_view key, std::string_view json);
    [[nodiscard]] std::string Finish() const { return text_ + "}\n"; }

  private:
    void Key(std::string_view key);
    std::string text_;
};

[[nodiscard]] std::string JsonString(vr::TextView text);
[[nodiscard]] std::string JsonNumber(double value);

} // namespace standin
