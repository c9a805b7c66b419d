// Random input through every parser of text that comes from outside: files,
// the command line, the CAD's windows. Nothing may crash, hang or read out of
// bounds (the host tree runs under AddressSanitizer and UBSan), and each
// parser's own promise must hold. Fixed seeds keep a failure reproducible.
#include "DimensionRequest.h"
#include "FakeCadHost.h"
#include "TestText.h"
#include "files/ToolFiles.h"
#include "lisp/Interpreter.h"
#include "lisp/Reader.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <random>

namespace vr {
namespace {

constexpr int kRounds = 3000;

Bytes RandomBytes(std::mt19937& random, std::string_view alphabet, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    Bytes bytes;
    for (std::size_t i = length(random); i > 0; --i) {
        bytes.push_back(alphabet[pick(random)]);
    }
    return bytes;
}

Bytes AnyBytes(std::mt19937& random, std::size_t maxLength) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    Bytes bytes;
    for (std::size_t i = length(random); i > 0; --i) {
        bytes.push_back(static_cast<char>(byte(random)));
    }
    return bytes;
}

TEST(ParserRobustness, ByteCutsNeverSplitACharacter) {
    std::mt19937 random(1);
    for (int round = 0; round < kRounds; ++round) {
        const Bytes bytes = AnyBytes(random, 40);
        const std::size_t cut = std::uniform_int_distribution<std::size_t>(0, 45)(random);
        const std::size_t whole = WholeCharacterLength(BytesView(bytes).substr(0, cut));
        EXPECT_LE(whole, std::min(cut, bytes.size()));
        // The prefix ends on a character boundary of the whole text.
        EXPECT_EQ(WholeCharacterLength(BytesView(bytes).substr(0, whole)), whole);
        (void)DecodeAnsiPrefix(bytes, cut);
    }
}

TEST(ParserRobustness, NumbersFromAnyText) {
    std::mt19937 random(2);
    for (int round = 0; round < kRounds; ++round) {
        const Text text = DecodeAnsi(RandomBytes(random, "0123456789+-.eEdD &Hh\t\x82\x4f", 24));
        const auto whole = ConvertWholeNumber(text);
        const auto leading = LeadingNumber(text);
        if (whole) {
            // A text that is one number also starts with that number.
            ASSERT_TRUE(leading) << Utf8FromText(text);
            if (text.find(u'&') == Text::npos) {
                EXPECT_EQ(*whole, *leading) << Utf8FromText(text);
            }
        }
        if (leading) {
            (void)RoundToInt32(*leading);
        }
    }
}

TEST(ParserRobustness, AutoLispFromAnyText) {
    std::mt19937 random(3);
    for (int round = 0; round < kRounds; ++round) {
        const Text source =
            DecodeAnsi(RandomBytes(random, "()'\". ;|\\\\nre0123456789abcsetqlod\x95\x5c\r\n", 60));
        standin::lisp::Reader reader(source);
        for (int forms = 0;; ++forms) {
            ASSERT_LT(forms, 1000) << "the reader must reach an end";
            const auto result = reader.Next();
            if (result.status != standin::lisp::Reader::Status::Form) {
                break;
            }
        }
        standin::test::FakeCadHost host;
        standin::lisp::Interpreter interpreter(host);
        (void)interpreter.EvaluateText(source);
    }
}

TEST(ParserRobustness, RequestsAndInputFilesFromAnyText) {
    std::mt19937 random(4);
    for (int round = 0; round < kRounds; ++round) {
        const Text arguments = DecodeAnsi(RandomBytes(random, "ab \"\\+-\x95\x5c", 30));
        if (const auto request = gaugeread::SplitRequest(arguments)) {
            const Bytes file = gaugeread::RequestFile(*request);
            // Whatever the values, the file is four lines of four setq forms
            // that read back as four complete forms.
            EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 4);
            const Text decoded = DecodeAnsi(file);
            standin::lisp::Reader reader(decoded);
            for (int form = 0; form < 4; ++form) {
                EXPECT_EQ(reader.Next().status, standin::lisp::Reader::Status::Form)
                    << Utf8FromText(arguments);
            }
            EXPECT_EQ(reader.Next().status, standin::lisp::Reader::Status::End);
        }
        (void)SplitInputLines(AnyBytes(random, 80), kBlankOrCommaRow, 5);
    }
}

} // namespace
} // namespace vr
