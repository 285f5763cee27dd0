#pragma once
// The GIF picture format (87a and 89a): the first image of a file, decoded to pixels. Pictures
// stored with a form arrive as a GIF file's bytes and are shown through this.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/vcl/Exceptions.h"

namespace vcl {

OLZ_DECLARE_EXCEPTION(EGifError, Exception);

struct GifPicture {
    int width = 0;
    int height = 0;
    // 0x00RRGGBB, rows from the top; the logical screen, the image placed on its background.
    std::vector<std::uint32_t> pixels;
};

// Whether the bytes start as a GIF file does.
bool IsGif(std::span<const std::uint8_t> bytes);

// Raises EGifError for bytes that are not a whole, valid GIF picture.
GifPicture DecodeGif(std::span<const std::uint8_t> bytes);

}  // namespace vcl
