#include "platform/vcl/GifImage.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vcl {

namespace {

// Larger logical screens are refused rather than allocated.
constexpr std::size_t kMaxPixels = 16u * 1024u * 1024u;
constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

[[noreturn]] void Invalid(const char* why) { throw EGifError(std::string("GIF image is not valid: ") + why); }

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t Byte() {
        if (at_ >= bytes_.size()) Invalid("truncated");
        return bytes_[at_++];
    }
    int Word() {
        const int low = Byte();
        return low | (Byte() << 8);
    }
    std::span<const std::uint8_t> Take(std::size_t count) {
        if (bytes_.size() - at_ < count) Invalid("truncated");
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }
    // A run of sub-blocks up to the empty one, joined.
    std::vector<std::uint8_t> SubBlocks() {
        std::vector<std::uint8_t> data;
        for (std::uint8_t size = Byte(); size != 0; size = Byte()) {
            const auto block = Take(size);
            data.insert(data.end(), block.begin(), block.end());
        }
        return data;
    }
    void SkipSubBlocks() {
        for (std::uint8_t size = Byte(); size != 0; size = Byte()) Take(size);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

std::vector<std::uint32_t> ColourTable(Reader& reader, int packed) {
    const std::size_t count = std::size_t{1} << ((packed & 7) + 1);
    const auto rgb = reader.Take(count * 3);
    std::vector<std::uint32_t> table(count);
    for (std::size_t i = 0; i < count; ++i)
        table[i] = (std::uint32_t{rgb[i * 3]} << 16) | (std::uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
    return table;
}

// The colour indexes of `count` pixels from LZW data with the given minimum code size.
std::vector<std::uint8_t> Decompress(const std::vector<std::uint8_t>& data, int minCodeSize, std::size_t count) {
    if (minCodeSize < 2 || minCodeSize > 8) Invalid("code size");
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::array<std::uint16_t, kTableSize> prefix{};
    std::array<std::uint8_t, kTableSize> suffix{};
    std::array<std::uint8_t, kTableSize> first{};
    std::array<std::uint8_t, kTableSize + 1> stack{};
    for (int i = 0; i < clear; ++i) {
        suffix[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        first[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }

    std::vector<std::uint8_t> out;
    out.reserve(count);
    int codeBits = minCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    std::uint32_t buffer = 0;
    int buffered = 0;
    std::size_t at = 0;
    while (out.size() < count) {
        while (buffered < codeBits) {
            if (at >= data.size()) Invalid("image data ends early");
            buffer |= std::uint32_t{data[at++]} << buffered;
            buffered += 8;
        }
        const int code = static_cast<int>(buffer & ((1u << codeBits) - 1));
        buffer >>= codeBits;
        buffered -= codeBits;

        if (code == clear) {
            codeBits = minCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code >= clear) Invalid("bad first code");
            out.push_back(static_cast<std::uint8_t>(code));
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= kTableSize)) Invalid("bad code");
        // Unwind the string of the code (for the code not yet in the table: the previous
        // string and its own first byte).
        std::size_t depth = 0;
        int walk = code;
        if (code == next) {
            stack[depth++] = first[static_cast<std::size_t>(previous)];
            walk = previous;
        }
        while (walk >= clear) {
            stack[depth++] = suffix[static_cast<std::size_t>(walk)];
            walk = prefix[static_cast<std::size_t>(walk)];
        }
        stack[depth++] = static_cast<std::uint8_t>(walk);
        while (depth > 0 && out.size() < count) out.push_back(stack[--depth]);

        if (next < kTableSize) {
            prefix[static_cast<std::size_t>(next)] = static_cast<std::uint16_t>(previous);
            suffix[static_cast<std::size_t>(next)] = static_cast<std::uint8_t>(walk);
            first[static_cast<std::size_t>(next)] = first[static_cast<std::size_t>(previous)];
            ++next;
            if (next == (1 << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
        }
        previous = code;
    }
    if (out.size() < count) Invalid("image data ends early");
    return out;
}

// The row of the image that the n-th stored row is, for interlaced images.
int InterlacedRow(int stored, int height) {
    constexpr std::array<std::pair<int, int>, 4> passes{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : passes) {
        const int rows = start < height ? (height - start + step - 1) / step : 0;
        if (stored < rows) return start + stored * step;
        stored -= rows;
    }
    return height;  // not reached for stored < height
}

}  // namespace

bool IsGif(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 6 && (std::memcmp(bytes.data(), "GIF87a", 6) == 0 || std::memcmp(bytes.data(), "GIF89a", 6) == 0);
}

GifPicture DecodeGif(std::span<const std::uint8_t> bytes) {
    if (!IsGif(bytes)) Invalid("no GIF signature");
    Reader reader(bytes.subspan(6));
    GifPicture picture;
    picture.width = reader.Word();
    picture.height = reader.Word();
    const int packed = reader.Byte();
    const int background = reader.Byte();
    reader.Byte();  // aspect ratio
    if (picture.width == 0 || picture.height == 0) Invalid("empty screen");
    const auto area = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (area > kMaxPixels) Invalid("too large");
    std::vector<std::uint32_t> global;
    if (packed & 0x80) global = ColourTable(reader, packed);
    const std::uint32_t fill =
        static_cast<std::size_t>(background) < global.size() ? global[static_cast<std::size_t>(background)] : 0;
    picture.pixels.assign(area, fill);

    int transparent = -1;
    for (;;) {
        const std::uint8_t introducer = reader.Byte();
        if (introducer == 0x3B) Invalid("no image");
        if (introducer == 0x21) {
            const std::uint8_t label = reader.Byte();
            if (label == 0xF9) {
                const std::vector<std::uint8_t> control = reader.SubBlocks();
                if (control.size() >= 4 && (control[0] & 1)) transparent = control[3];
            } else {
                reader.SkipSubBlocks();
            }
            continue;
        }
        if (introducer != 0x2C) Invalid("unknown block");

        const int left = reader.Word();
        const int top = reader.Word();
        const int width = reader.Word();
        const int height = reader.Word();
        const int imagePacked = reader.Byte();
        const std::vector<std::uint32_t> local = (imagePacked & 0x80) ? ColourTable(reader, imagePacked) : global;
        if (local.empty()) Invalid("no colour table");
        const int minCodeSize = reader.Byte();
        const std::vector<std::uint8_t> data = reader.SubBlocks();
        const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (count > kMaxPixels) Invalid("too large");
        const std::vector<std::uint8_t> indexes = Decompress(data, minCodeSize, count);
        const bool interlaced = (imagePacked & 0x40) != 0;
        for (int row = 0; row < height; ++row) {
            const int y = top + (interlaced ? InterlacedRow(row, height) : row);
            if (y >= picture.height) continue;
            for (int column = 0; column < width; ++column) {
                const int x = left + column;
                if (x >= picture.width) break;
                const std::uint8_t index = indexes[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                                   static_cast<std::size_t>(column)];
                if (index == transparent) continue;
                if (index >= local.size()) Invalid("colour outside the table");
                picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                               static_cast<std::size_t>(x)] = local[index];
            }
        }
        return picture;
    }
}

}  // namespace vcl
