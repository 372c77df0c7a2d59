// The shared list controls under the display, driven through their buttons, wheel and keys.

#include "WxTestSupport.h"
#include "app/controls/ui/CountryListBox.h"
#include "app/controls/ui/HScrollListBox.h"
#include "app/controls/ui/VListBox.h"

#include <memory>
#include <wx/frame.h>

namespace {

// Lines 0 to 19 exist; what was drawn and clicked is noted.
class CTwentyLines : public CVListBox {
public:
    using CVListBox::CVListBox;
    std::vector<int> drawn;
    std::vector<int> clicked;
    int lineWidth = 0;

protected:
    void DrawLine(IDrawSurface& surface, int line, const CRect& rect) override {
        drawn.push_back(line);
        lineWidth = rect.right - rect.left;
        CVListBox::DrawLine(surface, line, rect);
    }
    bool LineExists(int line) const override { return line >= 0 && line < 20; }
    bool ClickLine(int line) override {
        clicked.push_back(line);
        return true;
    }
};

class ListControlsUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new wxFrame(nullptr, wxID_ANY, "lists", wxDefaultPosition, wxSize(400, 400));
        frame_->Show();
    }
    void TearDown() override { frame_->Destroy(); }
    wxFrame* frame_ = nullptr;
};

TEST_F(ListControlsUiTest, TheVirtualListDrawsTheLinesInViewAndScrollsOnlyOverExistingOnes) {
    auto* list = new CTwentyLines(frame_, wxID_ANY, {0, 0}, {300, 200});
    // Sized for its lines, the box has them whole beside its buttons.
    list->SetSize(list->GetWidthForLines(150), 200);
    const int visible = list->GetVisibleLines();
    ASSERT_GT(visible, 1);
    ASSERT_LT(visible, 20);
    list->Refresh();
    ASSERT_TRUE(wx_test::PumpUntil([list] { return !list->drawn.empty(); }));
    EXPECT_EQ(list->lineWidth, 150);
    EXPECT_EQ(list->drawn.front(), 0);
    EXPECT_EQ(list->drawn.back(), visible - 1);
    wx_test::Click(wx_test::Child<wxWindow>(*list, CVListBox::kLineDown));
    EXPECT_EQ(list->GetFirstLine(), 1);
    wx_test::Click(wx_test::Child<wxWindow>(*list, CVListBox::kPageDown));
    wx_test::Click(wx_test::Child<wxWindow>(*list, CVListBox::kPageDown));
    EXPECT_EQ(list->GetFirstLine(), 20 - visible);
    list->drawn.clear();
    ASSERT_TRUE(wx_test::PumpUntil([list] { return !list->drawn.empty(); }));
    EXPECT_EQ(list->drawn.back(), 19);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    wheel.m_linesPerAction = 3;
    list->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(list->GetFirstLine(), 17 - visible);
    wx_test::Click(wx_test::Child<wxWindow>(*list, CVListBox::kPageUp));
    wx_test::Click(wx_test::Child<wxWindow>(*list, CVListBox::kLineUp));
    EXPECT_EQ(list->GetFirstLine(), 0);
}

TEST_F(ListControlsUiTest, TheScrollingListIsAsWideAsItsWidestLine) {
    auto* list = new CHScrollListBox(frame_, wxID_ANY, false, {0, 0}, {200, 150});
    const int client = list->GetClientSize().x;
    list->Append("short");
    EXPECT_EQ(list->GetColumnWidth(0), client);
    list->Append(std::string(200, 'W'));
    EXPECT_GT(list->GetHorizontalExtent(), client);
    // The list control shows an entry whole only with 8 pixels of its column beside the text.
    EXPECT_GE(list->GetColumnWidth(0), list->GetTextExtent(wxString(200, 'W')).x + 8);
    EXPECT_EQ(list->GetItemText(1), wxString(200, 'W'));
    list->Delete(1);
    EXPECT_EQ(list->GetColumnWidth(0), client);
    EXPECT_EQ(list->GetItemCount(), 1);
}

TEST_F(ListControlsUiTest, TheSpaceBarTicksTheSelectedCountryUnlessItIsDisabled) {
    auto* list = new CCountryListBox(frame_, wxID_ANY, {0, 0}, {200, 150});
    list->Append("FR <b>France</b>");
    list->Append("DE Germany");
    list->EnableItem(1, false);
    std::vector<int> ticked;
    list->Bind(wxEVT_CHECKLISTBOX,
               [&ticked](wxCommandEvent& event) { ticked.push_back(event.GetInt()); });
    for (int row : {0, 1}) {
        list->SetSelection(row);
        wxKeyEvent space(wxEVT_KEY_DOWN);
        space.m_keyCode = WXK_SPACE;
        list->GetEventHandler()->ProcessEvent(space);
    }
    EXPECT_EQ(ticked, std::vector<int>{0});
    EXPECT_TRUE(list->IsChecked(0));
    EXPECT_FALSE(list->IsChecked(1));
    list->Set({"IT Italy"});
    ASSERT_EQ(list->GetCount(), 1);
    EXPECT_FALSE(list->IsChecked(0)) << "new rows start unticked";
    EXPECT_TRUE(list->IsItemEnabled(0));
}

} // namespace
