// The stand-in CAD's AutoLISP reader over any source, decoded from the ANSI
// code page as the stand-in decodes the files it loads. The reader reaches
// an end or an error, reads nothing after an error, and each form it reads
// (reals aside, which print rounded) prints as text that reads back as the
// same form.
#include "FuzzSupport.h"
#include "lisp/Reader.h"
#include "text/AnsiText.h"

namespace {

using standin::lisp::Kind;
using standin::lisp::Reader;
using standin::lisp::ValuePtr;

// True when the value holds a real anywhere; the walk is bounded by the
// size of the source, since every value of a read form is a part of it.
bool HoldsReal(const ValuePtr& value) {
    std::vector<const standin::lisp::Value*> pending{value.get()};
    while (!pending.empty()) {
        const standin::lisp::Value* item = pending.back();
        pending.pop_back();
        if (!item) {
            continue;
        }
        if (item->kind == Kind::Real) {
            return true;
        }
        if (item->kind == Kind::Cons) {
            pending.push_back(item->car.get());
            pending.push_back(item->cdr.get());
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::Text source = vr::DecodeAnsi(vr::fuzz::AsBytes(data, size));
    Reader reader(source);
    std::size_t forms = 0;
    for (;;) {
        const Reader::Result result = reader.Next();
        if (result.status == Reader::Status::End) {
            break;
        }
        if (result.status == Reader::Status::Error) {
            VR_FUZZ_CHECK(!result.error.message.empty());
            VR_FUZZ_CHECK(result.error.line >= 1 && result.error.column >= 1);
            VR_FUZZ_CHECK(reader.Next().status == Reader::Status::End);
            break;
        }
        // Every form takes at least one character of the source.
        VR_FUZZ_CHECK(++forms <= source.size());
        if (HoldsReal(result.form)) {
            continue;
        }
        const vr::Text printed = standin::lisp::Prin1Text(result.form);
        Reader again(printed);
        const Reader::Result reread = again.Next();
        VR_FUZZ_CHECK(reread.status == Reader::Status::Form);
        VR_FUZZ_CHECK(standin::lisp::Equal(reread.form, result.form));
        VR_FUZZ_CHECK(again.Next().status == Reader::Status::End);
    }
    VR_FUZZ_CHECK(reader.Next().status == Reader::Status::End);
    return 0;
}
