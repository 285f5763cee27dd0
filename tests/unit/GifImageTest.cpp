// The GIF decoder: small pictures with known pixels, the wizard's own page pictures, and
// files that are cut short or lie about themselves.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/GifImage.h"
#include "tests/support/TempDir.h"

namespace {

// 3 x 5, four colours (black, red, green, blue), a comment block before the image. Row r
// holds r % 4, r % 4, 3 - r % 4.
const std::vector<std::uint8_t> kPlain{
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x05, 0x00, 0x81, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x21, 0xfe, 0x03, 0x61, 0x62, 0x63, 0x00, 0x2c, 0x00, 0x00, 0x00,
    0x00, 0x03, 0x00, 0x05, 0x00, 0x00, 0x02, 0x07, 0x04, 0x16, 0x21, 0x1b, 0x33, 0x76, 0x0a, 0x00, 0x3b};
// The same picture stored interlaced.
const std::vector<std::uint8_t> kInterlaced{
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x05, 0x00, 0x81, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x21, 0xfe, 0x03, 0x61, 0x62, 0x63, 0x00, 0x2c, 0x00, 0x00, 0x00,
    0x00, 0x03, 0x00, 0x05, 0x00, 0x40, 0x02, 0x07, 0x04, 0x66, 0x23, 0x12, 0x2d, 0x83, 0x0a, 0x00, 0x3b};

std::vector<std::uint32_t> ExpectedPixels() {
    const std::uint32_t colours[] = {0x000000, 0xff0000, 0x00ff00, 0x0000ff};
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < 5; ++row)
        for (int index : {row % 4, row % 4, 3 - row % 4}) pixels.push_back(colours[index]);
    return pixels;
}

TEST(GifImage, SmallPicturesDecodeToTheirPixelsInOrder) {
    for (const auto* bytes : {&kPlain, &kInterlaced}) {
        const vcl::GifPicture picture = vcl::DecodeGif(*bytes);
        EXPECT_EQ(picture.width, 3);
        EXPECT_EQ(picture.height, 5);
        EXPECT_EQ(picture.pixels, ExpectedPixels()) << (bytes == &kPlain ? "plain" : "interlaced");
    }
}

TEST(GifImage, ThePagePicturesDecodeWhole) {
    // The page pictures use 8-bit codes up to 12 bits wide and restart their table: a slip
    // anywhere would garble the bottom of the picture, where these pixels are.
    struct Probe {
        int step, x, y;
        std::uint32_t rgb;
    };
    const Probe probes[] = {
        {4, 130, 253, 0xFAD228},  // the meter's yellow LED
        {4, 130, 243, 0x28AA46},  // a green one above it
        {5, 60, 200, 0x28AA46},   // the check mark
        {1, 0, 0, 0x143C78},      // the gradient's top
        {3, 178, 329, 0x0A1E46},  // the frame line, last pixel
    };
    for (const Probe& p : probes) {
#ifdef _WIN32
        const std::string root = "Z:" OLZ_SOURCE_DIR;  // Wine's drive for the host's files
#else
        const std::string root = OLZ_SOURCE_DIR;
#endif
        const std::string path = root + "/assets/wizard/step" + std::to_string(p.step) + ".gif";
        const std::string bytes = testing_support::ReadFileBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        const vcl::GifPicture picture =
            vcl::DecodeGif(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ASSERT_EQ(picture.width, 180);
        ASSERT_EQ(picture.height, 330);
        EXPECT_EQ(picture.pixels[static_cast<std::size_t>(p.y * 180 + p.x)], p.rgb)
            << "step " << p.step << " at " << p.x << "," << p.y;
    }
}

TEST(GifImage, DamagedFilesAreRefused) {
    std::vector<std::vector<std::uint8_t>> damaged;
    damaged.push_back({});
    damaged.emplace_back(kPlain.begin(), kPlain.begin() + 6);         // the signature alone
    damaged.emplace_back(kPlain.begin(), kPlain.end() - 6);           // image data cut short
    std::vector<std::uint8_t> png(kPlain);
    png[0] = 0x89;
    damaged.push_back(png);
    std::vector<std::uint8_t> codeSize(kPlain);
    codeSize[42] = 12;  // more than 8 bits a pixel
    damaged.push_back(codeSize);
    std::vector<std::uint8_t> huge(kPlain);
    huge[6] = huge[7] = huge[8] = huge[9] = 0xff;  // 65535 x 65535
    damaged.push_back(huge);
    std::vector<std::uint8_t> noImage(kPlain.begin(), kPlain.begin() + 32);
    noImage.push_back(0x3b);
    damaged.push_back(noImage);
    for (std::size_t i = 0; i < damaged.size(); ++i)
        EXPECT_THROW(vcl::DecodeGif(damaged[i]), vcl::EGifError) << "case " << i;
}

}  // namespace
