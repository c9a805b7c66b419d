#pragma once

// What the fuzz targets share: in-memory stand-ins for the runtime's file and
// profile services, a CAD around the stand-in's interpreter that records what
// it is asked, and a check that stops the run with a message. No test
// framework: each target is a libFuzzer program of its own.
#include "FakeServices.h"
#include "lisp/CadHost.h"
#include "platform/FileAccess.h"
#include "platform/ProfileAccess.h"
#include "text/Text.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace vr::fuzz {

// A property that must hold for every input: a violation aborts, which
// libFuzzer reports as a crash and saves the input.
[[noreturn]] inline void Violated(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property violated: %s\n", file, line, what);
    std::abort();
}

#define VR_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            ::vr::fuzz::Violated(#condition, __FILE__, __LINE__);                                  \
        }                                                                                          \
    } while (false)

inline BytesView AsBytes(const std::uint8_t* data, std::size_t size) {
    return BytesView(reinterpret_cast<const char*>(data), size);
}

// The input as UTF-16, two bytes (little-endian) a code unit, so that every
// code unit, lone surrogates included, is reachable. An odd last byte is
// left out.
inline Text AsUtf16(const std::uint8_t* data, std::size_t size) {
    Text text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

// Whole files in memory, keyed by their full path: the host tests' fake.
using MemoryFiles = test::FakeFiles;

// GetPrivateProfileStringA over one file held in memory, for the cases the
// tools meet: "[section]" lines, "key=value" lines (the value without the
// blanks around it), CR LF or LF line ends, the default for a missing
// section or key, at most size - 1 bytes stored and a NUL after them.
class MemoryProfile final : public ProfileAccess {
  public:
    MemoryProfile(Bytes path, BytesView content) : path_(std::move(path)), content_(content) {}

    std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key, BytesView defaultValue,
                                           char* buffer, std::uint32_t size,
                                           BytesView path) override {
        const Bytes value = path == path_ ? Lookup(section, key).value_or(Bytes(defaultValue))
                                          : Bytes(defaultValue);
        const std::size_t stored = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), stored);
        buffer[stored] = '\0';
        return static_cast<std::uint32_t>(stored);
    }

  private:
    static BytesView Trimmed(BytesView text) {
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == BytesView::npos) {
            return {};
        }
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    static bool SameLetters(BytesView a, BytesView b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   const auto lower = [](char c) {
                       return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                   };
                   return lower(x) == lower(y);
               });
    }

    std::optional<Bytes> Lookup(BytesView section, BytesView key) const {
        bool inSection = false;
        std::size_t start = 0;
        while (start <= content_.size()) {
            std::size_t end = content_.find('\n', start);
            if (end == BytesView::npos) {
                end = content_.size();
            }
            BytesView line = content_.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            const BytesView trimmed = Trimmed(line);
            if (!trimmed.empty() && trimmed.front() == '[') {
                const std::size_t close = trimmed.find(']');
                inSection = close != BytesView::npos &&
                            SameLetters(Trimmed(trimmed.substr(1, close - 1)), section);
            } else if (inSection) {
                const std::size_t equals = trimmed.find('=');
                if (equals != BytesView::npos &&
                    SameLetters(Trimmed(trimmed.substr(0, equals)), key)) {
                    return Bytes(Trimmed(trimmed.substr(equals + 1)));
                }
            }
            start = end + 1;
        }
        return std::nullopt;
    }

    Bytes path_;
    BytesView content_;
};

// A CAD around the stand-in's interpreter: records what is printed, asked
// and drawn, answers point and entity-pick requests from lists, and serves
// sources by name from memory.
class RecordingCad final : public standin::lisp::CadHost {
  public:
    void Print(TextView text) override {
        // Bounded, so that a loop that prints does not grow memory without end.
        if (printed.size() < kMaxPrinted) {
            printed.append(text.substr(0, kMaxPrinted - printed.size()));
        }
    }
    std::optional<standin::Point3> GetPoint(TextView prompt) override {
        prompts.emplace_back(prompt);
        if (points.empty()) {
            return std::nullopt; // as if the user pressed escape
        }
        const standin::Point3 point = points.front();
        points.pop_front();
        return point;
    }
    void AddEntity(const standin::Entity& entity) override {
        ++entityCount;
        if (entities.size() < kMaxEntities) {
            entities.push_back(entity);
            entities.back().number = static_cast<std::int32_t>(entities.size());
        }
    }
    const std::vector<standin::Entity>& DrawingEntities() const override { return entities; }
    standin::PickAnswer PickEntity(TextView prompt) override {
        pickPrompts.emplace_back(prompt);
        if (picks.empty()) {
            return standin::PickAnswer{}; // as if the user pressed escape
        }
        const standin::PickAnswer pick = picks.front();
        picks.pop_front();
        return pick;
    }
    std::optional<Text> FindFile(TextView name) override {
        const Text path = u"C:\\support\\" + Text(name);
        return sources.contains(path) ? std::optional<Text>(path) : std::nullopt;
    }
    std::optional<Text> ReadSource(TextView path) override {
        const auto found = sources.find(Text(path));
        return found == sources.end() ? std::nullopt : std::optional<Text>(found->second);
    }
    void LoadAttempted(TextView, const std::optional<Text>&) override { ++loads; }
    // Automation: no spreadsheet runs beside the fuzzed CAD.
    standin::excel::Application* RunningExcel() override { return nullptr; }
    // Files the fuzzed source opens live in memory, bounded in number and size.
    std::optional<Bytes> ReadFileBytes(TextView path) override {
        const auto found = files.find(Text(path));
        return found == files.end() ? std::nullopt : std::optional<Bytes>(found->second);
    }
    bool WriteFileBytes(TextView path, BytesView bytes) override {
        if (bytes.size() > kMaxFileBytes ||
            (files.size() >= kMaxFiles && !files.contains(Text(path)))) {
            return false;
        }
        files[Text(path)] = Bytes(bytes);
        return true;
    }
    // No dialog is answered: each is cancelled, as with no script.
    std::optional<std::vector<Text>> NextDialogAnswers() override { return std::nullopt; }
    void DialogEnded(TextView, const std::vector<Text>&, int) override { ++dialogs; }

    static constexpr std::size_t kMaxPrinted = 1 << 16;
    static constexpr std::size_t kMaxEntities = 1 << 12;
    static constexpr std::size_t kMaxFiles = 16;
    static constexpr std::size_t kMaxFileBytes = 1 << 16;
    Text printed;
    std::vector<Text> prompts;
    std::deque<standin::Point3> points;
    std::vector<Text> pickPrompts;
    std::deque<standin::PickAnswer> picks;
    std::vector<standin::Entity> entities; // the first kMaxEntities
    std::size_t entityCount = 0;
    std::map<Text, Text> sources; // by full path under C:\support
    int loads = 0;
    std::map<Text, Bytes> files; // what the source wrote, by path
    int dialogs = 0;
};

} // namespace vr::fuzz
