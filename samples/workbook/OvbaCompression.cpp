#include "OvbaCompression.h"

#include <algorithm>

namespace vr::samples::workbook {
namespace {

constexpr std::size_t kChunkSize = 4096;

// How a copy token splits into offset and length bits at a distance from
// the start of the chunk.
struct TokenLayout {
    unsigned bitCount;
    std::size_t maximumLength;
};

TokenLayout LayoutAt(std::size_t difference) {
    unsigned bitCount = 4;
    while ((std::size_t{1} << bitCount) < difference) {
        ++bitCount;
    }
    return {bitCount, (0xFFFFU >> bitCount) + 3U};
}

std::vector<std::uint8_t> CompressChunk(std::span<const std::uint8_t> chunk) {
    std::vector<std::uint8_t> out = {0, 0}; // header, set below
    std::size_t current = 0;
    while (current < chunk.size()) {
        const std::size_t flagAt = out.size();
        out.push_back(0);
        std::uint8_t flags = 0;
        for (unsigned bit = 0; bit < 8 && current < chunk.size(); ++bit) {
            std::size_t bestLength = 0;
            std::size_t bestCandidate = 0;
            for (std::size_t candidate = current; candidate-- > 0;) {
                std::size_t length = 0;
                while (current + length < chunk.size() &&
                       chunk[candidate + length] == chunk[current + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestCandidate = candidate;
                }
            }
            if (bestLength >= 3) {
                const TokenLayout layout = LayoutAt(current);
                const std::size_t length = std::min(bestLength, layout.maximumLength);
                const std::size_t offset = current - bestCandidate;
                const auto token = static_cast<std::uint16_t>(
                    ((offset - 1) << (16 - layout.bitCount)) | (length - 3));
                out.push_back(static_cast<std::uint8_t>(token));
                out.push_back(static_cast<std::uint8_t>(token >> 8));
                flags = static_cast<std::uint8_t>(flags | (1U << bit));
                current += length;
            } else {
                out.push_back(chunk[current]);
                ++current;
            }
        }
        out[flagAt] = flags;
    }
    if (out.size() > kChunkSize + 2) {
        // Stored raw: always 4096 bytes, padded.
        out.assign(2, 0);
        out.insert(out.end(), chunk.begin(), chunk.end());
        out.resize(kChunkSize + 2, 0);
        const std::uint16_t header = 0x3000 | 0x0FFF;
        out[0] = static_cast<std::uint8_t>(header);
        out[1] = static_cast<std::uint8_t>(header >> 8);
        return out;
    }
    const auto header = static_cast<std::uint16_t>(0x8000 | 0x3000 | (out.size() - 3));
    out[0] = static_cast<std::uint8_t>(header);
    out[1] = static_cast<std::uint8_t>(header >> 8);
    return out;
}

} // namespace

std::vector<std::uint8_t> CompressContainer(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out = {0x01};
    for (std::size_t start = 0; start < data.size(); start += kChunkSize) {
        const std::size_t size = std::min(kChunkSize, data.size() - start);
        const std::vector<std::uint8_t> chunk = CompressChunk(data.subspan(start, size));
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

bool DecompressContainer(std::span<const std::uint8_t> container, std::vector<std::uint8_t>& out) {
    out.clear();
    if (container.empty() || container[0] != 0x01) {
        return false;
    }
    std::size_t at = 1;
    while (at + 2 <= container.size()) {
        const auto header = static_cast<std::uint16_t>(container[at] | (container[at + 1] << 8));
        const std::size_t chunkEnd = std::min(container.size(), at + (header & 0x0FFF) + 3);
        if ((header & 0x7000) != 0x3000) {
            return false;
        }
        at += 2;
        const std::size_t chunkStart = out.size();
        if (!(header & 0x8000)) {
            out.insert(out.end(), container.begin() + static_cast<std::ptrdiff_t>(at),
                       container.begin() + static_cast<std::ptrdiff_t>(chunkEnd));
            at = chunkEnd;
            continue;
        }
        while (at < chunkEnd) {
            const std::uint8_t flags = container[at++];
            for (unsigned bit = 0; bit < 8 && at < chunkEnd; ++bit) {
                if (!(flags & (1U << bit))) {
                    out.push_back(container[at++]);
                    continue;
                }
                if (at + 2 > chunkEnd) {
                    return false;
                }
                const auto token =
                    static_cast<std::uint16_t>(container[at] | (container[at + 1] << 8));
                at += 2;
                const TokenLayout layout = LayoutAt(out.size() - chunkStart);
                const std::size_t length = (token & (0xFFFFU >> layout.bitCount)) + 3;
                const std::size_t offset = (token >> (16 - layout.bitCount)) + 1;
                if (offset > out.size() - chunkStart) {
                    return false;
                }
                for (std::size_t i = 0; i < length; ++i) {
                    out.push_back(out[out.size() - offset]);
                }
            }
        }
    }
    return at == container.size();
}

} // namespace vr::samples::workbook
