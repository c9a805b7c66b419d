#include "CompoundFile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>

namespace vr::samples::workbook {
namespace {

constexpr std::size_t kSector = 512;
constexpr std::size_t kMiniSector = 64;
constexpr std::size_t kMiniCutoff = 4096;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

struct Node {
    std::string name;
    bool storage = false;
    const std::vector<std::uint8_t>* bytes = nullptr;
    std::map<std::string, std::unique_ptr<Node>> children;
    std::uint32_t id = 0;
    std::uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
    std::uint32_t start = kEndOfChain;
    std::uint32_t size = 0;
};

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A balanced tree over the sorted children; returns the root's id.
std::uint32_t BuildTree(std::vector<Node*>& sorted, std::size_t from, std::size_t to) {
    if (from >= to) {
        return kNoStream;
    }
    const std::size_t middle = from + (to - from) / 2;
    Node* root = sorted[middle];
    root->left = BuildTree(sorted, from, middle);
    root->right = BuildTree(sorted, middle + 1, to);
    return root->id;
}

void Number(Node& node, std::vector<Node*>& order) {
    node.id = static_cast<std::uint32_t>(order.size());
    order.push_back(&node);
    for (auto& [name, child] : node.children) {
        Number(*child, order);
    }
}

void Link(Node& node) {
    std::vector<Node*> sorted;
    for (auto& [name, child] : node.children) {
        sorted.push_back(child.get());
        Link(*child);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const Node* a, const Node* b) { return CompoundNameLess(a->name, b->name); });
    node.child = BuildTree(sorted, 0, sorted.size());
}

// Sectors of a chain appended to a FAT-like table, ending the chain.
std::uint32_t Chain(std::vector<std::uint32_t>& table, std::size_t count) {
    if (count == 0) {
        return kEndOfChain;
    }
    const auto first = static_cast<std::uint32_t>(table.size());
    for (std::size_t i = 0; i + 1 < count; ++i) {
        table.push_back(first + static_cast<std::uint32_t>(i) + 1);
    }
    table.push_back(kEndOfChain);
    return first;
}

std::size_t Sectors(std::size_t bytes, std::size_t size) {
    return (bytes + size - 1) / size;
}

} // namespace

bool CompoundNameLess(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int x = std::toupper(static_cast<unsigned char>(a[i]));
        const int y = std::toupper(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y;
        }
    }
    return false;
}

std::vector<std::uint8_t> WriteCompoundFile(const std::vector<CompoundStream>& streams) {
    Node root;
    root.name = "Root Entry";
    root.storage = true;
    for (const CompoundStream& stream : streams) {
        Node* at = &root;
        std::size_t from = 0;
        for (;;) {
            const std::size_t slash = stream.path.find('/', from);
            const std::string part = stream.path.substr(from, slash - from);
            auto& child = at->children[part];
            if (!child) {
                child = std::make_unique<Node>();
                child->name = part;
            }
            at = child.get();
            if (slash == std::string::npos) {
                break;
            }
            at->storage = true;
            from = slash + 1;
        }
        at->bytes = &stream.bytes;
    }
    std::vector<Node*> order;
    Number(root, order);
    Link(root);

    // The mini stream: every small stream in 64-byte mini sectors.
    std::vector<std::uint32_t> miniFat;
    std::vector<std::uint8_t> miniStream;
    for (Node* node : order) {
        if (node->storage || !node->bytes || node->bytes->size() >= kMiniCutoff) {
            continue;
        }
        node->size = static_cast<std::uint32_t>(node->bytes->size());
        node->start = Chain(miniFat, Sectors(node->size, kMiniSector));
        miniStream.insert(miniStream.end(), node->bytes->begin(), node->bytes->end());
        miniStream.resize(Sectors(miniStream.size(), kMiniSector) * kMiniSector, 0);
    }

    // Sector layout: FAT, directory, mini FAT, mini stream, large streams.
    const std::size_t directorySectors = Sectors(order.size() * 128, kSector);
    const std::size_t miniFatSectors = Sectors(miniFat.size() * 4, kSector);
    const std::size_t miniStreamSectors = Sectors(miniStream.size(), kSector);
    std::size_t largeSectors = 0;
    for (Node* node : order) {
        if (!node->storage && node->bytes && node->bytes->size() >= kMiniCutoff) {
            largeSectors += Sectors(node->bytes->size(), kSector);
        }
    }
    const std::size_t otherSectors =
        directorySectors + miniFatSectors + miniStreamSectors + largeSectors;
    std::size_t fatSectors = 1;
    while (fatSectors * (kSector / 4) < fatSectors + otherSectors) {
        ++fatSectors;
    }
    if (fatSectors > 109) {
        throw std::runtime_error("compound file too large for the header's FAT list");
    }

    std::vector<std::uint32_t> fat(fatSectors, kFatSector);
    const std::uint32_t directoryStart = Chain(fat, directorySectors);
    const std::uint32_t miniFatStart = Chain(fat, miniFatSectors);
    root.start = Chain(fat, miniStreamSectors);
    root.size = static_cast<std::uint32_t>(miniStream.size());
    for (Node* node : order) {
        if (!node->storage && node->bytes && node->bytes->size() >= kMiniCutoff) {
            node->size = static_cast<std::uint32_t>(node->bytes->size());
            node->start = Chain(fat, Sectors(node->size, kSector));
        }
    }
    fat.resize(fatSectors * (kSector / 4), kFree);

    std::vector<std::uint8_t> file(kSector, 0);
    const std::uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(std::begin(signature), std::end(signature), file.begin());
    Put16(file, 0x18, 0x003E); // minor version
    Put16(file, 0x1A, 0x0003); // major version: 512-byte sectors
    Put16(file, 0x1C, 0xFFFE); // little-endian
    Put16(file, 0x1E, 9);      // sector shift
    Put16(file, 0x20, 6);      // mini sector shift
    Put32(file, 0x2C, static_cast<std::uint32_t>(fatSectors));
    Put32(file, 0x30, directoryStart);
    Put32(file, 0x38, kMiniCutoff);
    Put32(file, 0x3C, miniFatSectors ? miniFatStart : kEndOfChain);
    Put32(file, 0x40, static_cast<std::uint32_t>(miniFatSectors));
    Put32(file, 0x44, kEndOfChain); // no DIFAT sectors
    for (std::size_t i = 0; i < 109; ++i) {
        Put32(file, 0x4C + i * 4, i < fatSectors ? static_cast<std::uint32_t>(i) : kFree);
    }

    auto appendPadded = [&file](const std::vector<std::uint8_t>& bytes) {
        file.insert(file.end(), bytes.begin(), bytes.end());
        file.resize(kSector + Sectors(file.size() - kSector, kSector) * kSector, 0);
    };
    std::vector<std::uint8_t> fatBytes(fat.size() * 4);
    for (std::size_t i = 0; i < fat.size(); ++i) {
        Put32(fatBytes, i * 4, fat[i]);
    }
    appendPadded(fatBytes);

    std::vector<std::uint8_t> directory(directorySectors * kSector, 0);
    for (std::size_t i = 0; i < directorySectors * kSector / 128; ++i) {
        const std::size_t at = i * 128;
        if (i >= order.size()) {
            Put32(directory, at + 0x44, kNoStream);
            Put32(directory, at + 0x48, kNoStream);
            Put32(directory, at + 0x4C, kNoStream);
            continue;
        }
        const Node& node = *order[i];
        for (std::size_t c = 0; c < node.name.size() && c < 31; ++c) {
            Put16(directory, at + c * 2, static_cast<std::uint8_t>(node.name[c]));
        }
        Put16(directory, at + 0x40, static_cast<std::uint16_t>((node.name.size() + 1) * 2));
        directory[at + 0x42] = i == 0 ? 5 : node.storage ? 1 : 2;
        directory[at + 0x43] = 1; // black
        Put32(directory, at + 0x44, node.left);
        Put32(directory, at + 0x48, node.right);
        Put32(directory, at + 0x4C, node.storage ? node.child : kNoStream);
        Put32(directory, at + 0x74, node.storage && i != 0 ? 0 : node.start);
        Put32(directory, at + 0x78, node.storage && i != 0 ? 0 : node.size);
    }
    appendPadded(directory);

    std::vector<std::uint8_t> miniFatBytes(miniFat.size() * 4);
    for (std::size_t i = 0; i < miniFat.size(); ++i) {
        Put32(miniFatBytes, i * 4, miniFat[i]);
    }
    miniFatBytes.resize(miniFatSectors * kSector, 0xFF);
    appendPadded(miniFatBytes);
    appendPadded(miniStream);
    for (Node* node : order) {
        if (!node->storage && node->bytes && node->bytes->size() >= kMiniCutoff) {
            appendPadded(*node->bytes);
        }
    }
    return file;
}

} // namespace vr::samples::workbook
