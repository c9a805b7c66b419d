// The file the stand-in's journal appends to, under Wine: others read it
// while it is written, and a second run adds to what the first wrote.
#include "Win32TestSupport.h"
#include "winsupport/win32/AppendingFile.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::ScratchFolder;

std::optional<std::string> ReadWhileWritten(const std::wstring& path) {
    return ReadWholeFile(path, WhileReading::OthersMayReadAndWrite);
}

TEST(StandinJournalFile, AppendsVisiblyWhileOpenAndAcrossOpens) {
    const ScratchFolder folder(L"appending表");
    const std::wstring path = folder.File(L"journal.jsonl");
    {
        AppendingFile file;
        ASSERT_TRUE(file.Open(path)); // created
        EXPECT_TRUE(file.IsOpen());
        const std::pair<std::string_view, std::string_view> steps[] = {
            {"{\"a\":1}\n", "{\"a\":1}\n"},
            {"{\"b\":2}\n", "{\"a\":1}\n{\"b\":2}\n"},
            {"", "{\"a\":1}\n{\"b\":2}\n"},
        };
        for (const auto& [appended, seen] : steps) {
            EXPECT_TRUE(file.Append(appended)) << appended;
            // Read by another handle while this one is open.
            EXPECT_EQ(ReadWhileWritten(path), std::string(seen)) << appended;
        }
    }
    AppendingFile again;
    ASSERT_TRUE(again.Open(path));
    EXPECT_TRUE(again.Append("{\"c\":3}\n"));
    EXPECT_EQ(ReadWhileWritten(path), "{\"a\":1}\n{\"b\":2}\n{\"c\":3}\n");
}

TEST(StandinJournalFile, AFileThatCannotBeOpenedTakesNothing) {
    const ScratchFolder folder(L"appending-missing");
    const std::wstring path = folder.File(L"no such folder\\journal.jsonl");
    AppendingFile file;
    EXPECT_FALSE(file.Open(path));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Append("x"));
    EXPECT_EQ(ReadWhileWritten(path), std::nullopt);
}

} // namespace
} // namespace vr
