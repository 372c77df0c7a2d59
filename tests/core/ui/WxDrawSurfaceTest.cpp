// The drawing surface on a real device context (a memory bitmap under the X display), read back
// pixel by pixel; the texts handed to windows; the dialog base.

#include "core/ui/WxDrawSurface.h"

#include "WxTestSupport.h"
#include "core/Dib.h"
#include "core/ui/WxText.h"
#include "core/ui/ZrDialog.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/textctrl.h>

namespace {

struct Canvas {
    Canvas() : bitmap(40, 30, 24) {
        dc.SelectObject(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
    }
    // The bitmap as drawn so far.
    wxImage Image() {
        dc.SelectObject(wxNullBitmap);
        wxImage image = bitmap.ConvertToImage();
        dc.SelectObject(bitmap);
        return image;
    }

    wxBitmap bitmap;
    wxMemoryDC dc;
};

CColour PixelAt(const wxImage& image, int x, int y) {
    return MakeColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

TEST(WxDrawSurface, FillsLeaveTheRightAndBottomEdgesOutside) {
    Canvas canvas;
    CWxDrawSurface surface(canvas.dc);
    surface.FillRect({5, 5, 15, 10}, MakeColour(255, 0, 0));
    const wxImage image = canvas.Image();
    EXPECT_EQ(PixelAt(image, 5, 5), MakeColour(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 14, 9), MakeColour(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 15, 9), kWhite);
    EXPECT_EQ(PixelAt(image, 14, 10), kWhite);
    EXPECT_EQ(PixelAt(image, 4, 5), kWhite);
}

TEST(WxDrawSurface, AClipKeepsDrawingInsideUntilItIsReset) {
    const CColour red = MakeColour(255, 0, 0);
    const CColour blue = MakeColour(0, 0, 255);
    Canvas canvas;
    CWxDrawSurface surface(canvas.dc);
    surface.SetClip({20, 0, 40, 30});
    surface.SetClip({5, 5, 15, 10});
    surface.FillRect({0, 0, 40, 30}, red);
    surface.ResetClip();
    surface.FillRect({0, 20, 40, 30}, blue);
    const wxImage image = canvas.Image();
    // The clip's corners inside and out; the first clip is replaced, not intersected.
    const std::pair<CPoint, CColour> pixels[] = {
        {{5, 5}, red},      {{14, 9}, red},    {{4, 5}, kWhite}, {{15, 9}, kWhite},
        {{14, 10}, kWhite}, {{25, 5}, kWhite}, {{39, 25}, blue},
    };
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(PixelAt(image, at.x, at.y), colour) << at.x << "," << at.y;
}

TEST(WxDrawSurface, DibsAreDrawnAtTheirSizeOrStretched) {
    // 2 x 1: red then blue, 24 bits.
    BitmapInfoHeader header;
    header.biWidth = 2;
    header.biHeight = 1;
    header.biBitCount = 24;
    std::vector<std::uint8_t> dib(BitmapInfoHeader::kSize);
    header.Write(dib.data());
    dib.insert(dib.end(), {0, 0, 255, 255, 0, 0, 0, 0});

    Canvas canvas;
    CWxDrawSurface surface(canvas.dc);
    ASSERT_TRUE(surface.DrawImage(EImageFormat::Dib, dib, {1, 1}));
    ASSERT_TRUE(surface.StretchImage(EImageFormat::Dib, dib, {10, 10, 30, 20}));
    EXPECT_FALSE(surface.DrawImage(EImageFormat::Png, dib, {1, 1}));
    const wxImage image = canvas.Image();
    EXPECT_EQ(PixelAt(image, 1, 1), MakeColour(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 1), MakeColour(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 3, 1), kWhite);
    EXPECT_EQ(PixelAt(image, 12, 15), MakeColour(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 27, 15), MakeColour(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 30, 15), kWhite);
}

TEST(WxDrawSurface, TextIsMeasuredAsItIsDrawn) {
    Canvas canvas;
    CWxDrawSurface surface(canvas.dc);
    surface.SetFont({"Sans", 10});
    const CSize plain = surface.GetTextExtent(u"WWWW");
    const std::vector<int> partial = surface.GetPartialTextExtents(u"WWWW");
    ASSERT_EQ(partial.size(), 4u);
    EXPECT_EQ(partial.back(), plain.width);
    EXPECT_LT(partial[0], partial[1]);
    const CFontMetrics metrics = surface.GetFontMetrics();
    EXPECT_GE(metrics.height, plain.height - 1);
    EXPECT_GT(metrics.averageCharWidth, 0);

    surface.SetFont({"Sans", 20, CFontSpec::kBold});
    EXPECT_GT(surface.GetTextExtent(u"WWWW").width, plain.width);
    // A character outside the basic plane: its two units end together.
    const std::vector<int> pair = surface.GetPartialTextExtents(u"A\U0001F600B");
    ASSERT_EQ(pair.size(), 4u);
    EXPECT_EQ(pair[1], pair[2]);
}

TEST(WxText, RecordTextAndMessagesReachWindowsIntact) {
    EXPECT_EQ(RecordTextToWx("\xC1\x80", false), wxString(L"\u00C1\u20AC"));
    EXPECT_EQ(RecordTextToWx("\xC1\x80", true), wxString(L"\u0391\u20AC"));
    EXPECT_EQ(ToWx("Caf\xC3\xA9"), wxString(L"Caf\u00E9"));
    EXPECT_EQ(ToWx("Caf\xE9"), wxString(L"Caf\u00E9")); // not UTF-8: Western
    EXPECT_EQ(FromWx(wxString(L"Caf\u00E9 \u20AC")), "Caf\xC3\xA9 \xE2\x82\xAC");
    // Typed text as Western record text; every byte comes back as it went, undefined ones too.
    EXPECT_EQ(WxToRecordText(wxString(L"Caf\u00E9 \u20AC \u0391\U0001F600")), "Caf\xE9 \x80 ??");
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte.push_back(static_cast<char>(byte));
    EXPECT_EQ(WxToRecordText(RecordTextToWx(everyByte, false)), everyByte);
}

class FormDialog : public CZrDialog {
public:
    FormDialog() : CZrDialog(nullptr, "Form") {
        name = new wxTextCtrl(this, wxID_ANY);
        AddFormRow("Name:", name);
        FinishLayout();
    }
    bool TransferDataFromWindow() override { return !name->IsEmpty(); }
    wxTextCtrl* name;
};

TEST(ZrDialog, OkClosesOnlyWhenTheValueIsAccepted) {
    FormDialog dialog;
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& shown) {
        auto& form = static_cast<FormDialog&>(shown);
        wx_test::Click(wx_test::Child<wxButton>(form, wxID_OK)); // empty: stays open
        EXPECT_TRUE(form.IsModal());
        form.name->SetValue("ACME");
        wx_test::Click(wx_test::Child<wxButton>(form, wxID_OK));
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(scripts.Opened(), (std::vector<std::string>{"Form"}));
    EXPECT_TRUE(wx_test::FindChild(dialog, wxID_CANCEL));
}

} // namespace
