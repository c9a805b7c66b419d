// The files of the routines: the load search and its sources, and the
// files they read and write, all through the runtime's file access.
#include "session/CommandSession.h"

#include "platform/FileAccess.h"
#include "session/SessionFiles.h"

namespace standin {

std::optional<Text> CommandSession::FindFile(TextView name) {
    return FindSupportFile(files_, options_.supportFolders, name);
}

std::optional<Text> CommandSession::ReadSource(TextView path) {
    return ReadSourceFile(files_, path);
}

void CommandSession::LoadAttempted(TextView name, const std::optional<Text>& path) {
    JsonLine line("load");
    line.Add("name", name);
    if (path) {
        line.Add("file", TextView(*path));
    } else {
        line.AddRaw("file", "null");
    }
    journal_.Write(line);
}

std::optional<vr::Bytes> CommandSession::ReadFileBytes(TextView path) {
    return files_.ReadWholeFile(path);
}

bool CommandSession::WriteFileBytes(TextView path, vr::BytesView bytes) {
    const bool written = files_.ReplaceWholeFile(path, bytes).written;
    journal_.Write(JsonLine("file")
                       .Add("path", path)
                       .Add("bytes", static_cast<long long>(bytes.size()))
                       .AddBool("written", written));
    return written;
}

} // namespace standin
