#pragma once

#include "FakeDesktop.h"
#include "platform/ToolServices.h"
#include "text/Utf8.h"
#include "window/InstanceEntries.h"

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vr::test {

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
    BoundedRead ReadFileUpTo(TextView path, std::uint64_t maxBytes) override {
        reads.emplace_back(path);
        const auto found = files.find(Text(path));
        if (found == files.end()) {
            return {};
        }
        if (found->second.size() > maxBytes) {
            return {.status = BoundedRead::Status::TooLarge, .size = found->second.size()};
        }
        return {.status = BoundedRead::Status::Read,
                .bytes = found->second,
                .size = found->second.size()};
    }
    bool FileExists(TextView path) override { return files.contains(Text(path)); }
    FileWrite ReplaceWholeFile(TextView path, BytesView bytes) override {
        if (beforeWrite) {
            beforeWrite(path);
        }
        writes.emplace_back(path);
        if (failWrites) {
            return {.reason = u"ディスクに空き領域が不足しています。"};
        }
        files[Text(path)] = Bytes(bytes);
        return {.written = true};
    }
    std::map<Text, Bytes> files;
    std::vector<Text> reads;
    std::vector<Text> writes;
    bool failWrites = false;
    // Called as each write begins: the services below record it among the
    // desktop's calls; a test may make it throw.
    std::function<void(TextView path)> beforeWrite;
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

// Message boxes, written to the desktop's call list too so that a test can
// see that a message comes after the desktop was put back.
class RecordingMessages final : public MessageBoxes {
  public:
    explicit RecordingMessages(RecordingDesktop& desktop) : desktop_(desktop) {}
    struct Shown {
        Text caption, text;
    };
    void ShowMessage(TextView caption, TextView text) override {
        shown.push_back({Text(caption), Text(text)});
        desktop_.Record("MessageBox(" + Utf8FromText(caption) + ")");
    }
    std::vector<Shown> shown;

  private:
    RecordingDesktop& desktop_;
};

// frmMain with a list that behaves as the platform's drop-down list.
// The main window as a tool run sees it: hidden, its list the same list in
// memory that the real hidden window keeps.
class FakeMainWindow final : public ToolMainWindow {
  public:
    bool CreateIfNeeded() override {
        if (created) {
            return false;
        }
        if (createError) {
            throw MainWindowNotCreated{u"VadoRariri", *createError};
        }
        created = true;
        return true;
    }
    InstanceList& cmbFileName() override { return list; }
    void SetTxtGet(TextView text) override { txtGet = Text(text); }
    void ShowHistory(TextView text) override { history.emplace_back(text); }
    Hwnd Handle() override { return created ? 0x700 : 0; }
    Hwnd ClipboardOwner() override { return 0x900; }

    // The list's entries as text and item datum.
    [[nodiscard]] std::vector<std::pair<Text, std::uint32_t>> Entries() const {
        std::vector<std::pair<Text, std::uint32_t>> entries;
        for (const InstanceEntries::Entry& entry : list.Entries()) {
            entries.emplace_back(entry.text, entry.data);
        }
        return entries;
    }

    bool created = false;
    // The platform's error code when the window cannot be created.
    std::optional<unsigned long> createError;
    InstanceEntries list;
    Text txtGet = u"txtGet";
    std::vector<Text> history;
};

// A write is recorded among the desktop's calls by the file's name, as
// "WriteFile(go.lsp)", so that a table shows where in the run it came.
struct FakeToolServices {
    FakeToolServices() {
        files.beforeWrite = [this](TextView path) {
            const TextView name = path.substr(path.rfind(u'\\') + 1);
            desktop.Record("WriteFile(" + Utf8FromText(name) + ")");
        };
    }
    FakeToolServices(const FakeToolServices&) = delete;
    FakeToolServices& operator=(const FakeToolServices&) = delete;
    RecordingDesktop desktop;
    FakeFiles files;
    FakeProfiles profiles;
    RecordingMessages messages{desktop};
    FakeMainWindow mainWindow;
    ToolServices Services() {
        return ToolServices{desktop.Services(), files, profiles, messages, mainWindow};
    }
};

} // namespace vr::test
