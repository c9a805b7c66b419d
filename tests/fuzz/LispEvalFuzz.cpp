// The stand-in CAD's AutoLISP evaluator over any source, decoded from the
// ANSI code page as the stand-in decodes the files it loads. The source can
// load itself, answer point requests and entity picks, make entities, read
// them back and print. Whatever it does, the evaluation ends (its steps,
// depth and loads are bounded) in a value or an error that says what
// stopped it.
#include "FuzzSupport.h"
#include "lisp/Interpreter.h"
#include "text/AnsiText.h"

namespace {

constexpr long long kMaxSteps = 50'000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::Text source = vr::DecodeAnsi(vr::fuzz::AsBytes(data, size));
    vr::fuzz::RecordingCad cad;
    cad.sources[u"C:\\support\\self.lsp"] = source;
    cad.sources[u"C:\\support\\excel_fname.lsp"] =
        u"(setq expr \"+1\")\r\n(setq row \"12\")\r\n(setq col \"5\")\r\n"
        u"(setq excelfnam \"C:/data/book1.xlsm\")\r\n";
    cad.points = {{1, 2, 0}, {3.5, -4, 0}, {0, 0, 7}};
    // A pick of the first entity (which may not exist), a miss and Enter.
    using Pick = standin::PickAnswer;
    cad.picks = {{Pick::Kind::Entity, {1, 2, 0}, 1},
                 {Pick::Kind::Missed, {5, 5, 0}, 0},
                 {Pick::Kind::Enter, {}, 0}};
    // A smaller step bound than the stand-in's keeps every input quick; an
    // input that is slow all the same has found work the bound does not count.
    standin::lisp::Interpreter lisp(cad, kMaxSteps);
    const auto outcome = lisp.EvaluateText(source);
    if (outcome.error) {
        VR_FUZZ_CHECK(!outcome.error->empty());
    }
    // Points are asked for one at a time and answered in order.
    VR_FUZZ_CHECK(cad.prompts.size() <= 4);
    VR_FUZZ_CHECK(cad.pickPrompts.size() <= 4);
    (void)standin::lisp::Prin1Text(outcome.value);
    return 0;
}
