// delay.dat as any bytes, and its decoded text through every number reader of
// the tools: ParseDelayFactor, ConvertWholeNumber, LeadingNumber, the
// rounding to 16 and 32 bits, and IsLispNumber, the check that lets a value
// into a generated AutoLISP file. Each reader's own promise must hold.
#include "FuzzSupport.h"
#include "lisp/Reader.h"
#include "text/AnsiText.h"
#include "text/LispNumber.h"
#include "text/NumberText.h"
#include "text/TextLines.h"
#include "timing/DelayFactor.h"

#include <cmath>

namespace {

constexpr vr::TextView kFolder = u"C:\\ツール";

std::optional<std::int16_t> DelayFactorOfFile(vr::BytesView content) {
    vr::fuzz::MemoryFiles files;
    files.files[vr::Text(kFolder) + u"\\delay.dat"] = vr::Bytes(content);
    return vr::ReadDelayFactor(files, kFolder);
}

void CheckRounding(double value) {
    const auto to32 = vr::RoundToInt32(value);
    if (to32) {
        VR_FUZZ_CHECK(std::fabs(static_cast<double>(*to32) - value) <= 0.5);
        // A half goes to the even neighbour.
        if (value - std::floor(value) == 0.5) {
            VR_FUZZ_CHECK(*to32 % 2 == 0);
        }
    } else {
        VR_FUZZ_CHECK(!(value >= -2147483648.0 && value <= 2147483647.0));
    }
    const auto to16 = vr::RoundToInt16(value);
    if (to16) {
        VR_FUZZ_CHECK(to32 && *to32 == *to16);
    } else {
        VR_FUZZ_CHECK(!(value >= -32768.0 && value <= 32767.0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::BytesView bytes = vr::fuzz::AsBytes(data, size);

    // delay.dat: only its first line counts, and an accepted factor is the
    // line's number rounded, from 1 to 100.
    const auto factor = DelayFactorOfFile(bytes);
    const vr::Bytes firstLine(vr::FirstLine(bytes));
    VR_FUZZ_CHECK(DelayFactorOfFile(firstLine + "\r\n\xef\xbc\x91x\r\n") == factor);
    const vr::Text text = vr::DecodeAnsi(firstLine);
    VR_FUZZ_CHECK(vr::ParseDelayFactor(text) == factor);
    const auto whole = vr::ConvertWholeNumber(text);
    if (factor) {
        VR_FUZZ_CHECK(*factor >= vr::kMinDelayFactor && *factor <= vr::kMaxDelayFactor);
        VR_FUZZ_CHECK(whole && std::fabs(*whole - *factor) <= 0.5);
    } else if (whole) {
        VR_FUZZ_CHECK(!(*whole >= 1.0 && *whole <= 100.0));
    }

    // One number with blanks around it stays one number, and starts the text.
    const auto leading = vr::LeadingNumber(text);
    if (whole) {
        VR_FUZZ_CHECK(std::isfinite(*whole));
        VR_FUZZ_CHECK(vr::ConvertWholeNumber(u" \t" + text + u"\u3000\n") == whole);
        VR_FUZZ_CHECK(leading.has_value());
        if (text.find_first_of(u"&") == vr::Text::npos) {
            VR_FUZZ_CHECK(*leading == *whole);
        }
    }
    // The leading number is that of every text that continues it with
    // something that cannot continue a number.
    VR_FUZZ_CHECK(vr::LeadingNumber(text + u"x") == leading);
    VR_FUZZ_CHECK(vr::LeadingNumber(text + u"表") == leading);
    if (leading) {
        VR_FUZZ_CHECK(std::isfinite(*leading));
        CheckRounding(*leading);
    }
    if (whole) {
        CheckRounding(*whole);
    }

    // A value IsLispNumber lets into a script reads back as one number and
    // nothing else, with any blanks around it.
    if (vr::IsLispNumber(text)) {
        VR_FUZZ_CHECK(vr::IsLispNumber(u"\t " + text + u" "));
        standin::lisp::Reader reader(text);
        const auto read = reader.Next();
        VR_FUZZ_CHECK(read.status == standin::lisp::Reader::Status::Form);
        VR_FUZZ_CHECK(standin::lisp::IsNumber(read.form));
        VR_FUZZ_CHECK(reader.Next().status == standin::lisp::Reader::Status::End);
    }
    return 0;
}
