#include "platform/vcl/win/Panel.h"

namespace vcl {

const ClassInfo& TPanel::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TPanel>("TPanel", &TWinControl::StaticClassInfo())
                                      .Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter,
                                                TBevelCut::bvRaised)
                                      .Creatable()
                                      .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    Invalidate();
    Realign();
}

RECT TPanel::ClientArea() const {
    const int inset = bevelOuter_ == TBevelCut::bvNone ? 0 : 1;
    return RECT{inset, inset, Width() - inset, Height() - inset};
}

void TPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (bevelOuter_ != TBevelCut::bvNone)
        DrawEdge(dc, &client, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    const std::string text = Caption();
    if (text.empty()) return;
    const win::Selected font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const win::PaintDc paint(Handle());
        Paint(paint.Get());
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace vcl
