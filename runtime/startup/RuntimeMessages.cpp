#include "startup/RuntimeMessages.h"

#include <string>

namespace vr {
namespace {

Text Number(long long value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

} // namespace

Text SettingOutOfRangeMessage(TextView settingsPath, TextView section, TextView key,
                              TextView value) {
    Text message = u"設定ファイル「";
    message += settingsPath;
    message += u"」の [";
    message += section;
    message += u"] にある ";
    message += key;
    message += u" の値「";
    message += value;
    message += u"」が範囲外です。-2147483648\uFF5E2147483647 の整数を指定してください。";
    return message;
}

Text WaitOverflowMessage(std::int16_t delayFactor, int units) {
    Text message = u"待ち時間が大きすぎます（delay.dat の値 ";
    message += Number(delayFactor);
    message += u" × ";
    message += Number(units);
    message += u" ミリ秒）。delay.dat には１\uFF5E２０の値を指定してください。";
    return message;
}

} // namespace vr
