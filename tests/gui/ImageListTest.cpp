// Image lists: pictures cut from a strip stored in the definition or carried as a resource.
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"
#include "platform/vcl/win/Form.h"
#include "platform/vcl/win/ImageList.h"
#include "tests/gui/GuiTest.h"

namespace {

// A blank strip of three 16 x 16 images in 24 bits: a BMP file's bytes, as a definition
// carries them.
std::vector<std::uint8_t> MenuStrip() {
    const int width = 48;
    const int height = 16;
    const int row = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> bytes(54 + static_cast<std::size_t>(row * height), 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

using ImageList = guitest::GuiTest;

TEST_F(ImageList, AStripInTheDefinitionGivesOneImagePerWidth) {
    vcl::ComponentRecord images{"TImageList", "Images", {{"Bitmap", vcl::Binary{MenuStrip()}}}, {}};
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, vcl::ComponentRecord{"TForm", "Owner", {}, {images}});
    stream.SetPosition(0);
    vcl::TForm owner(nullptr);
    vcl::ReadComponent(stream, owner);
    auto& list = dynamic_cast<vcl::TImageList&>(*owner.FindComponent("Images"));
    EXPECT_EQ(list.Count(), 3);

    vcl::TMemoryStream written;
    vcl::WriteComponent(written, owner);
    written.SetPosition(0);
    EXPECT_EQ(vcl::DecodeForm(written).children.at(0).properties,
              (vcl::PropertyList{{"Bitmap", vcl::Binary{MenuStrip()}}}))
        << "written back as the same bytes";
}

TEST_F(ImageList, AResourceStripGivesItsImages) {
    vcl::TImageList list(nullptr);
    list.SetWidth(40);
    list.SetHeight(40);
    list.SetResourceName("TREEICONS");
    EXPECT_EQ(list.Count(), 6);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list.Handle(), &width, &height);
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 40);
}

TEST_F(ImageList, BytesThatAreNoBitmapAreRefused) {
    vcl::TImageList list(nullptr);
    std::vector<std::uint8_t> cut = MenuStrip();
    cut.resize(200);
    for (const auto& bytes : {std::vector<std::uint8_t>{'G', 'I', 'F', '8', '7', 'a'}, cut})
        EXPECT_THROW(list.SetBitmap(bytes), vcl::EInvalidGraphic);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
