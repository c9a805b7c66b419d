#pragma once

#include "platform/Services.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vr::test {

// Records every sleep, in order.
class RecordingDesktop final : public Desktop {
  public:
    void Sleep(std::uint32_t milliseconds) noexcept override { sleeps.push_back(milliseconds); }
    std::vector<std::uint32_t> sleeps;
};

// Files held in memory, by path exactly as the program names them.
class FakeFiles final : public FileAccess {
  public:
    std::optional<Bytes> ReadWholeFile(TextView path) override {
        reads.emplace_back(path);
        const auto found = files.find(Text(path));
        if (found == files.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    std::map<Text, Bytes> files;
    std::vector<Text> reads;
};

// Behaves as GetPrivateProfileStringA does for the cases the tools meet: the
// default for a missing file, section or key; at most size - 1 bytes stored.
class FakeProfiles final : public ProfileAccess {
  public:
    struct Call {
        std::string section, key, defaultValue, path;
        std::uint32_t size;
    };

    std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key, BytesView defaultValue,
                                           char* buffer, std::uint32_t size,
                                           BytesView path) override {
        calls.push_back({std::string(section), std::string(key), std::string(defaultValue),
                         std::string(path), size});
        std::string value(defaultValue);
        if (const auto file = files.find(std::string(path)); file != files.end()) {
            const auto entry = file->second.find(std::string(section) + '\n' + std::string(key));
            if (entry != file->second.end()) {
                value = entry->second;
            }
        }
        const std::size_t stored = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), stored);
        buffer[stored] = '\0';
        return static_cast<std::uint32_t>(stored);
    }

    void Set(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) {
        files[path][section + '\n' + key] = value;
    }

    std::map<std::string, std::map<std::string, std::string>> files;
    std::vector<Call> calls;
};

class RecordingMessages final : public MessageBoxes {
  public:
    struct Shown {
        Text caption, text;
    };
    void ShowMessage(TextView caption, TextView text) override {
        shown.push_back({Text(caption), Text(text)});
    }
    std::vector<Shown> shown;
};

struct FakeToolServices {
    RecordingDesktop desktop;
    FakeFiles files;
    FakeProfiles profiles;
    RecordingMessages messages;
    ToolServices Services() { return ToolServices{desktop, files, profiles, messages}; }
};

} // namespace vr::test
