#include "BitWriter.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace vr::samples::dwg {

void BitWriter::Bits(std::uint64_t value, unsigned count) {
    for (unsigned i = count; i-- > 0;) {
        if (bitCount_ % 8 == 0) {
            bytes_.push_back(0);
        }
        if ((value >> i) & 1U) {
            bytes_.back() |= static_cast<std::uint8_t>(0x80U >> (bitCount_ % 8));
        }
        ++bitCount_;
    }
}

void BitWriter::B(bool bit) {
    Bits(bit ? 1 : 0, 1);
}
void BitWriter::BB(unsigned twoBits) {
    Bits(twoBits & 3U, 2);
}
void BitWriter::RC(std::uint8_t value) {
    Bits(value, 8);
}

void BitWriter::RS(std::uint16_t value) {
    RC(static_cast<std::uint8_t>(value));
    RC(static_cast<std::uint8_t>(value >> 8));
}

void BitWriter::RL(std::uint32_t value) {
    RS(static_cast<std::uint16_t>(value));
    RS(static_cast<std::uint16_t>(value >> 16));
}

void BitWriter::RD(double value) {
    const auto raw = std::bit_cast<std::uint64_t>(value);
    RL(static_cast<std::uint32_t>(raw));
    RL(static_cast<std::uint32_t>(raw >> 32));
}

void BitWriter::BS(std::uint16_t value) {
    if (value == 0) {
        BB(2);
    } else if (value == 256) {
        BB(3);
    } else if (value < 256) {
        BB(1);
        RC(static_cast<std::uint8_t>(value));
    } else {
        BB(0);
        RS(value);
    }
}

void BitWriter::BL(std::uint32_t value) {
    if (value == 0) {
        BB(2);
    } else if (value < 256) {
        BB(1);
        RC(static_cast<std::uint8_t>(value));
    } else {
        BB(0);
        RL(value);
    }
}

void BitWriter::BD(double value) {
    if (value == 1.0) {
        BB(1);
    } else if (value == 0.0 && !std::signbit(value)) {
        BB(2);
    } else {
        BB(0);
        RD(value);
    }
}

void BitWriter::DD(double value, double defaultValue) {
    if (std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(defaultValue)) {
        BB(0);
    } else {
        BB(3);
        RD(value);
    }
}

void BitWriter::RD2(double x, double y) {
    RD(x);
    RD(y);
}

void BitWriter::BD3(double x, double y, double z) {
    BD(x);
    BD(y);
    BD(z);
}

void BitWriter::BE(double x, double y, double z) {
    const bool usual = x == 0.0 && y == 0.0 && z == 1.0;
    B(usual);
    if (!usual) {
        BD3(x, y, z);
    }
}

void BitWriter::BT(double thickness) {
    const bool zero = thickness == 0.0;
    B(zero);
    if (!zero) {
        BD(thickness);
    }
}

void BitWriter::H(HandleRef handle) {
    std::uint8_t counter = 0;
    for (std::uint32_t rest = handle.value; rest != 0; rest >>= 8) {
        ++counter;
    }
    RC(static_cast<std::uint8_t>((handle.code << 4) | counter));
    for (int i = counter - 1; i >= 0; --i) {
        RC(static_cast<std::uint8_t>(handle.value >> (8 * i)));
    }
}

void BitWriter::TV(std::string_view bytes) {
    if (bytes.empty()) {
        BS(0);
        return;
    }
    BS(static_cast<std::uint16_t>(bytes.size() + 1));
    for (const char c : bytes) {
        RC(static_cast<std::uint8_t>(c));
    }
    RC(0);
}

void BitWriter::PatchRL(std::size_t bitPosition, std::uint32_t value) {
    for (unsigned byte = 0; byte < 4; ++byte) {
        const std::uint8_t part = static_cast<std::uint8_t>(value >> (8 * byte));
        for (unsigned bit = 0; bit < 8; ++bit) {
            const std::size_t at = bitPosition + byte * 8 + bit;
            const auto mask = static_cast<std::uint8_t>(0x80U >> (at % 8));
            if ((part >> (7 - bit)) & 1U) {
                bytes_[at / 8] |= mask;
            } else {
                bytes_[at / 8] &= static_cast<std::uint8_t>(~mask);
            }
        }
    }
}

void BitWriter::Append(const BitWriter& other) {
    for (std::size_t i = 0; i < other.bitCount_; ++i) {
        Bits((other.bytes_[i / 8] >> (7 - i % 8)) & 1U, 1);
    }
}

void BitWriter::AlignToByte() {
    while (bitCount_ % 8 != 0) {
        Bits(0, 1);
    }
}

void AppendModularChar(std::vector<std::uint8_t>& out, std::uint64_t value) {
    while (value > 0x7F) {
        out.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendSignedModularChar(std::vector<std::uint8_t>& out, std::int64_t value) {
    const bool negative = value < 0;
    auto magnitude = static_cast<std::uint64_t>(negative ? -value : value);
    while (magnitude > 0x3F) {
        out.push_back(static_cast<std::uint8_t>(0x80 | (magnitude & 0x7F)));
        magnitude >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(magnitude | (negative ? 0x40 : 0)));
}

void AppendModularShort(std::vector<std::uint8_t>& out, std::uint32_t value) {
    while (value > 0x7FFF) {
        const auto word = static_cast<std::uint16_t>(0x8000 | (value & 0x7FFF));
        out.push_back(static_cast<std::uint8_t>(word));
        out.push_back(static_cast<std::uint8_t>(word >> 8));
        value >>= 15;
    }
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

} // namespace vr::samples::dwg
