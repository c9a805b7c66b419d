#include "VbaProject.h"

#include "OvbaCompression.h"

#include <cstdio>
#include <stdexcept>

namespace vr::samples::workbook {
namespace {

constexpr std::uint16_t kCodePage = 932;

class Records {
  public:
    void U16(std::uint16_t value) {
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }
    void Raw(const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
    // A record of id, 32-bit size and payload.
    void Record(std::uint16_t id, const std::string& payload) {
        U16(id);
        U32(static_cast<std::uint32_t>(payload.size()));
        Raw(payload);
    }
    void Record32(std::uint16_t id, std::uint32_t value) {
        U16(id);
        U32(4);
        U32(value);
    }
    std::vector<std::uint8_t> bytes;
};

// Names here are ASCII, so their UTF-16 form widens each byte.
std::string Utf16(const std::string& ascii) {
    std::string wide;
    for (const char c : ascii) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::vector<std::uint8_t> DirStream(const std::vector<VbaModule>& modules) {
    Records dir;
    dir.Record32(0x0001, 1);      // SYSKIND: 32-bit Windows
    dir.Record32(0x0002, 0x0409); // LCID: always US English for the project itself
    dir.Record32(0x0014, 0x0409); // LCIDINVOKE
    dir.U16(0x0003);              // CODEPAGE
    dir.U32(2);
    dir.U16(kCodePage);
    dir.Record(0x0004, "VBAProject"); // NAME
    dir.Record(0x0005, "");           // DOCSTRING
    dir.Record(0x0040, "");
    dir.Record(0x0006, ""); // HELPFILEPATH
    dir.Record(0x003D, "");
    dir.Record32(0x0007, 0); // HELPCONTEXT
    dir.Record32(0x0008, 0); // LIBFLAGS
    dir.U16(0x0009);         // VERSION: its size field is fixed at 4, the data is 6
    dir.U32(4);
    dir.U32(1);
    dir.U16(0);
    dir.Record(0x000C, ""); // CONSTANTS
    dir.Record(0x003C, "");

    // The OLE Automation type library, which every VBA project references.
    const std::string stdole = "stdole";
    const std::string libid =
        "*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\Windows\\System32\\stdole2.tlb#OLE "
        "Automation";
    dir.Record(0x0016, stdole);
    dir.Record(0x003E, Utf16(stdole));
    dir.U16(0x000D); // REFERENCEREGISTERED
    dir.U32(static_cast<std::uint32_t>(4 + libid.size() + 6));
    dir.U32(static_cast<std::uint32_t>(libid.size()));
    dir.Raw(libid);
    dir.U32(0);
    dir.U16(0);

    dir.U16(0x000F); // MODULES
    dir.U32(2);
    dir.U16(static_cast<std::uint16_t>(modules.size()));
    dir.U16(0x0013); // PROJECTCOOKIE
    dir.U32(2);
    dir.U16(0xFFFF);
    for (const VbaModule& module : modules) {
        dir.Record(0x0019, module.name);        // MODULENAME
        dir.Record(0x0047, Utf16(module.name)); // MODULENAMEUNICODE
        dir.Record(0x001A, module.name);        // MODULESTREAMNAME
        dir.Record(0x0032, Utf16(module.name));
        dir.Record(0x001C, ""); // MODULEDOCSTRING
        dir.Record(0x0048, "");
        dir.Record32(0x0031, 0); // MODULEOFFSET: the source starts the stream
        dir.Record32(0x001E, 0); // MODULEHELPCONTEXT
        dir.U16(0x002C);         // MODULECOOKIE
        dir.U32(2);
        dir.U16(0xFFFF);
        dir.U16(module.document ? 0x0022 : 0x0021); // MODULETYPE
        dir.U32(0);
        dir.U16(0x002B); // module terminator
        dir.U32(0);
    }
    dir.U16(0x0010); // dir terminator
    dir.U32(0);
    return dir.bytes;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

std::uint8_t ProjectKey(const std::string& projectId) {
    unsigned key = 0;
    for (const char c : projectId) {
        key += static_cast<unsigned char>(c);
    }
    return static_cast<std::uint8_t>(key);
}

std::vector<std::uint8_t> ProjectStream(const std::string& projectId,
                                        const std::vector<VbaModule>& modules) {
    std::string text = "ID=\"" + projectId + "\"\r\n";
    for (const VbaModule& module : modules) {
        text += module.document ? "Document=" + module.name + "/&H00000000\r\n"
                                : "Module=" + module.name + "\r\n";
    }
    text += "Name=\"VBAProject\"\r\n";
    text += "HelpContextID=\"0\"\r\n";
    text += "VersionCompatible32=\"393222000\"\r\n";
    text += "CMG=\"" + EncryptProjectData(projectId, 0x0D, {0, 0, 0, 0}) + "\"\r\n";
    text += "DPB=\"" + EncryptProjectData(projectId, 0x0F, {0}) + "\"\r\n";
    text += "GC=\"" + EncryptProjectData(projectId, 0x11, {0xFF}) + "\"\r\n";
    text += "\r\n[Host Extender Info]\r\n";
    text += "&H00000001={3832D640-CF90-11CF-8E43-00A0C911005A};VBE;&H00000000\r\n";
    text += "\r\n[Workspace]\r\n";
    for (const VbaModule& module : modules) {
        text += module.name + "=0, 0, 0, 0, C\r\n";
    }
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> ProjectWmStream(const std::vector<VbaModule>& modules) {
    std::vector<std::uint8_t> out;
    for (const VbaModule& module : modules) {
        out.insert(out.end(), module.name.begin(), module.name.end());
        out.push_back(0);
        const std::string wide = Utf16(module.name);
        out.insert(out.end(), wide.begin(), wide.end());
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

std::string EncryptProjectData(const std::string& projectId, std::uint8_t seed,
                               const std::vector<std::uint8_t>& data) {
    constexpr std::uint8_t kVersion = 2;
    const std::uint8_t key = ProjectKey(projectId);
    std::vector<std::uint8_t> out = {seed, static_cast<std::uint8_t>(seed ^ kVersion),
                                     static_cast<std::uint8_t>(seed ^ key)};
    std::uint8_t unencrypted1 = key;
    std::uint8_t encrypted1 = out[2];
    std::uint8_t encrypted2 = out[1];
    auto put = [&](std::uint8_t plain) {
        const auto byte = static_cast<std::uint8_t>(plain ^ (encrypted2 + unencrypted1));
        out.push_back(byte);
        encrypted2 = encrypted1;
        encrypted1 = byte;
        unencrypted1 = plain;
    };
    const int ignored = (seed & 6) / 2;
    for (int i = 0; i < ignored; ++i) {
        put(0x5A); // any value; readers skip it
    }
    const auto length = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i) {
        put(static_cast<std::uint8_t>(length >> (8 * i)));
    }
    for (const std::uint8_t byte : data) {
        put(byte);
    }
    return Hex(out);
}

bool DecryptProjectData(const std::string& hex, std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> in;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        in.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    if (in.size() < 3) {
        return false;
    }
    const std::uint8_t seed = in[0];
    if ((in[1] ^ seed) != 2) {
        return false;
    }
    std::uint8_t unencrypted1 = in[2] ^ seed;
    std::uint8_t encrypted1 = in[2];
    std::uint8_t encrypted2 = in[1];
    std::size_t at = 3;
    auto take = [&]() {
        const std::uint8_t byte = in.at(at++);
        const auto plain = static_cast<std::uint8_t>(byte ^ (encrypted2 + unencrypted1));
        encrypted2 = encrypted1;
        encrypted1 = byte;
        unencrypted1 = plain;
        return plain;
    };
    try {
        for (int i = 0; i < (seed & 6) / 2; ++i) {
            take();
        }
        std::uint32_t length = 0;
        for (int i = 0; i < 4; ++i) {
            length |= static_cast<std::uint32_t>(take()) << (8 * i);
        }
        data.clear();
        for (std::uint32_t i = 0; i < length; ++i) {
            data.push_back(take());
        }
    } catch (const std::out_of_range&) {
        return false;
    }
    return at == in.size();
}

std::vector<CompoundStream> VbaProjectStreams(const std::string& projectId,
                                              const std::vector<VbaModule>& modules) {
    std::vector<CompoundStream> streams;
    streams.push_back({"PROJECT", ProjectStream(projectId, modules)});
    streams.push_back({"PROJECTwm", ProjectWmStream(modules)});
    streams.push_back({"VBA/_VBA_PROJECT", {0xCC, 0x61, 0xFF, 0xFF, 0x00, 0x00, 0x00}});
    streams.push_back({"VBA/dir", CompressContainer(DirStream(modules))});
    for (const VbaModule& module : modules) {
        streams.push_back({"VBA/" + module.name, CompressContainer(Bytes(module.source))});
    }
    return streams;
}

} // namespace vr::samples::workbook
