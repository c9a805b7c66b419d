#include "session/SessionFiles.h"

#include "cad/DxfWriter.h"
#include "platform/FileAccess.h"
#include "text/AnsiText.h"

namespace standin {

std::optional<Text> FindSupportFile(vr::FileAccess& files, const std::vector<Text>& supportFolders,
                                    TextView name) {
    // A folder cannot be read as a file, so a name that is a folder is
    // never found, as the CAD does not find one.
    if (name.find_first_of(u"\\/:") != TextView::npos) {
        return files.ReadWholeFile(name) ? std::optional<Text>(Text(name)) : std::nullopt;
    }
    for (const Text& folder : supportFolders) {
        Text path = folder;
        if (!path.empty() && path.back() != u'\\') {
            path += u'\\';
        }
        path += name;
        if (files.ReadWholeFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<Text> ReadSourceFile(vr::FileAccess& files, TextView path) {
    const std::optional<vr::Bytes> bytes = files.ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return vr::DecodeAnsi(*bytes);
}

bool SaveDxfFile(vr::FileAccess& files, TextView path, const std::vector<Entity>& entities) {
    return files.ReplaceWholeFile(path, WriteDxf(entities)).written;
}

} // namespace standin
