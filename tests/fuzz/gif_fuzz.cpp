// The GIF decoder with arbitrary bytes: it either decodes or raises EGifError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/vcl/GifImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        vcl::DecodeGif(std::span<const std::uint8_t>(data, size));
    } catch (const vcl::EGifError&) {
    }
    return 0;
}
