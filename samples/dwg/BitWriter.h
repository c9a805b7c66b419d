#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vr::samples::dwg {

// A handle reference: its kind (0 for an object's own handle, 2 soft owner,
// 3 hard owner, 4 soft pointer, 5 hard pointer) and the absolute handle.
struct HandleRef {
    std::uint8_t code = 0;
    std::uint32_t value = 0;
};

// Writes the bit-coded values of a DWG stream, most significant bit of each
// byte first; multi-byte raw values are little-endian.
class BitWriter {
  public:
    void B(bool bit);
    void BB(unsigned twoBits);
    void RC(std::uint8_t value);
    void RS(std::uint16_t value);
    void RL(std::uint32_t value);
    void RD(double value);
    void BS(std::uint16_t value);
    void BL(std::uint32_t value);
    void BD(double value);
    // A double written against a default: nothing when equal, else whole.
    void DD(double value, double defaultValue);
    void RD2(double x, double y);
    void BD3(double x, double y, double z);
    // Extrusion and thickness as written since R2000: one bit for the usual.
    void BE(double x, double y, double z);
    void BT(double thickness);
    void H(HandleRef handle);
    // Text in the drawing's code page: BS length, including a final NUL.
    void TV(std::string_view bytes);

    // Overwrites 32 bits at a bit position already written.
    void PatchRL(std::size_t bitPosition, std::uint32_t value);
    // Appends another stream bit for bit.
    void Append(const BitWriter& other);
    // Zero bits up to the next byte boundary.
    void AlignToByte();

    [[nodiscard]] std::size_t BitCount() const { return bitCount_; }
    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  private:
    void Bits(std::uint64_t value, unsigned count);
    std::vector<std::uint8_t> bytes_;
    std::size_t bitCount_ = 0;
};

// Modular chars and shorts, the byte-aligned variable-length numbers of the
// object map and the object sizes.
void AppendModularChar(std::vector<std::uint8_t>& out, std::uint64_t value);
void AppendSignedModularChar(std::vector<std::uint8_t>& out, std::int64_t value);
void AppendModularShort(std::vector<std::uint8_t>& out, std::uint32_t value);

} // namespace vr::samples::dwg
