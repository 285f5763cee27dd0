// The wizard's own controls on a real window: the LED meter draws what its layout says, a
// position change repaints the LEDs at once, and a picture from a GIF shows and clicks.
#include <fstream>
#include <iterator>

#include "platform/vcl/win/Form.h"
#include "platform/vcl/win/Image.h"
#include "tests/gui/GuiTest.h"
#include "wizard/LedLadder.h"

namespace {

class WizardControls : public guitest::GuiTest {
protected:
    WizardControls() {
        form.SetBorderStyle(vcl::TFormBorderStyle::bsSingle);
        form.SetClientWidth(300);
        form.SetClientHeight(360);
        meter->SetBounds(250, 10, 19, 151);
        meter->SetLedCount(21);
        meter->SetMax(20);
        meter->SetParent(&form);
        picture->SetBounds(10, 10, 180, 330);
        picture->SetParent(&form);
        form.Show();
        Pump();
    }

    COLORREF Pixel(vcl::TWinControl& control, int x, int y) {
        UpdateWindow(control.Handle());
        HDC dc = GetDC(control.Handle());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(control.Handle(), dc);
        return colour;
    }
    // The middle of LED `index`'s coloured area in the 19 x 151 meter.
    COLORREF Led(int index) { return Pixel(*meter, 9, (20 - index) * 7 + 2); }

    vcl::TForm form{nullptr};
    TLedLadder* meter = new TLedLadder(&form);
    vcl::TImage* picture = new vcl::TImage(&form);
};

TEST_F(WizardControls, TheMeterLightsItsLedsInTheirZones) {
    meter->SetPosition(12);
    Pump();
    EXPECT_EQ(Pixel(*meter, 0, 0), RGB(0, 0, 0)) << "the outline";
    EXPECT_EQ(Led(0), RGB(255, 255, 0));
    EXPECT_EQ(Led(8), RGB(0, 128, 0));
    EXPECT_EQ(Led(12), RGB(255, 0, 0));
    EXPECT_EQ(Led(13), RGB(255, 255, 255));

    // Drawn at once, without waiting for a paint message.
    meter->SetPosition(5);
    EXPECT_EQ(Led(4), RGB(0, 128, 0));
    EXPECT_EQ(Led(5), RGB(255, 255, 255));
    EXPECT_EQ(Led(12), RGB(255, 255, 255));

    meter->SetMax(0);
    Pump();
    EXPECT_EQ(Led(0), Pixel(*meter, 9, 150 - 3)) << "no LEDs without a Max";
}

TEST_F(WizardControls, APictureFromAGifShowsAndAnswersClicks) {
    std::ifstream file(std::string(OLZ_SOURCE_DIR) + "/assets/wizard/step4.gif", std::ios::binary);
    picture->SetPicture({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
    EXPECT_EQ(picture->PictureWidth(), 180);
    EXPECT_EQ(picture->PictureHeight(), 330);
    EXPECT_EQ(Pixel(*picture, 130, 253), RGB(0xFA, 0xD2, 0x28));

    int clicks = 0;
    picture->SetOnClick(vcl::TEvent<void(vcl::TObject*)>([&](vcl::TObject*) { ++clicks; }));
    SendMessageA(picture->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(picture->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    SendMessageA(picture->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(picture->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 20));  // let go outside
    EXPECT_EQ(clicks, 1);

    EXPECT_THROW(picture->SetPicture({'G', 'I', 'F', '8', '7', 'a', 1}), vcl::EInvalidGraphic);
}

}  // namespace
