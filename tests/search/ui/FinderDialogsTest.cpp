// The string finder's dialogs over the local search service, under the (virtual) display, as a
// search page's finder button opens them: the list scrolled with its buttons and ticked with the
// mouse up to its maximum, the code lists' texts, the aligned column moved with Shift and the
// wheel, Help and Cancel.

#include "WxTestSupport.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"
#include "search/CorbaStringFinder.h"
#include "search/ui/StringFinderDialogs.h"
#include "tests/engines/ConnectedFixture.h"

#include <wx/dcclient.h>

namespace {

using Texts = std::vector<std::string>;

class FinderDialogsTest : public ConnectedFixture {
protected:
    void SetUp() override {
        ConnectedFixture::SetUp();
        zrDbs_.SetCallTimeoutMs(5000);
    }

    static CStringFinderListBox& List(wxDialog& dialog) {
        return wx_test::Child<CStringFinderListBox>(dialog, CStringFinderListBox::kId);
    }
    // A click on the visible line, as the mouse makes it.
    static void ClickLine(CStringFinderListBox& list, int visibleLine) {
        wxClientDC dc(&list);
        dc.SetFont(list.GetFont());
        const int height = CWxDrawSurface(dc).GetFontMetrics().LineHeight();
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetEventObject(&list);
        click.m_x = 40;
        click.m_y = visibleLine * height + height / 2;
        list.GetEventHandler()->ProcessEvent(click);
    }
    static CFinderRequest Request(CFinderRequest::EDialog dialog, const std::string& text, int mode,
                                  const std::string& databases, int maximum) {
        CFinderRequest request;
        request.dialog = dialog;
        request.text = text;
        request.mode = mode;
        request.databases = databases;
        request.maximum = maximum;
        return request;
    }
    // The texts of the merged list at the indexes, read from a finder of its own.
    Texts Entries(const CFinderRequest& request, int first, int count) {
        CStringFinder finder(finders_, request.text, request.mode, request.databases,
                             request.pageSize);
        Texts texts;
        for (int i = first; i < first + count; ++i)
            texts.push_back(finder.GetString(i).GetText());
        return texts;
    }

    CRegisterStringFinders finders_{zrDbs_};
    std::vector<int> helpShown_;
    wxFont font_{wxFontInfo(10)};
    CStringFinderDialogs dialogs_{
        finders_, {zrDbs_, font_, [this](int contextId) { helpShown_.push_back(contextId); }}};
};

} // namespace

TEST_F(FinderDialogsTest, TheWordIndexScrollsAndTicksUpToItsMaximum) {
    CFinderRequest request = Request(CFinderRequest::EDialog::Narrow, "A", 4, "uck", 12);
    request.caption = "Word Index";
    wx_test::DialogScripts scripts;
    int first = -1;
    long style = 0;
    scripts.Add([&first, &style](wxDialog& dialog) {
        style = dialog.GetWindowStyleFlag();
        CStringFinderListBox& list = List(dialog);
        // Two pages down and a line back up.
        for (const int button : {CVListBox::kPageDown, CVListBox::kPageDown, CVListBox::kLineUp})
            wx_test::Click(*list.FindWindow(button));
        first = list.GetFirstLine();
        for (int line = 0; line < 13; ++line)
            ClickLine(list, line);
        // A ticked line clicked again is unticked, and then the thirteenth can be ticked.
        ClickLine(list, 0);
        ClickLine(list, 12);
        wx_test::Click(*dialog.FindWindow(wxID_OK));
    });
    Texts chosen;
    ASSERT_TRUE(dialogs_.Choose(nullptr, request, chosen));
    EXPECT_EQ(scripts.Opened(), (Texts{"Word Index"}));
    EXPECT_EQ(style & wxRESIZE_BORDER, 0);
    ASSERT_GT(first, 2);
    Texts expected = Entries(request, first + 1, 12);
    ASSERT_EQ(expected.size(), 12u);
    EXPECT_EQ(chosen, expected);
    // Every finder the dialog made was disposed of.
    EXPECT_EQ(Calls("CreateStringFinder2(").size(), Calls(".Dispose()").size());
}

TEST_F(FinderDialogsTest, ALocarnoClickTicksCodeAndDescriptionAndHelpShowsItsTopic) {
    CFinderRequest request = Request(CFinderRequest::EDialog::Locarno, "6", 8, "o", 16);
    request.values = {"Already chosen"};
    wx_test::DialogScripts scripts;
    Texts line;
    scripts.Add([&line](wxDialog& dialog) {
        wx_test::Click(*dialog.FindWindow(wxID_HELP));
        CStringFinderListBox& list = List(dialog);
        const CFoundString entry = list.GetSelection().GetLine(0);
        line = {list.GetSelection().GetCodeText(entry), entry.GetText()};
        ClickLine(list, 0);
        wx_test::Click(*dialog.FindWindow(wxID_OK));
    });
    Texts chosen;
    ASSERT_TRUE(dialogs_.Choose(nullptr, request, chosen));
    EXPECT_EQ(scripts.Opened(), (Texts{"String Finder"}));
    EXPECT_EQ(helpShown_, (std::vector<int>{0x20000 + 168}));
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0].substr(0, 2), "06");
    EXPECT_EQ(chosen, (Texts{"Already chosen", line[0] + " " + line[1]}));
}

TEST_F(FinderDialogsTest, ShiftWithTheWheelMovesTheAlignedColumnAndCancelChoosesNothing) {
    CFinderRequest request = Request(CFinderRequest::EDialog::Strings, "B", 0, "uc", 16);
    request.alignment = true;
    request.caption = "Owner Names";
    wx_test::DialogScripts scripts;
    int column = -1;
    scripts.Add([&column](wxDialog& dialog) {
        CStringFinderListBox& list = List(dialog);
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.SetEventObject(&list);
        wheel.m_shiftDown = true;
        wheel.m_wheelRotation = 120;
        wheel.m_wheelDelta = 120;
        list.GetEventHandler()->ProcessEvent(wheel);
        column = list.GetSelection().GetAlignColumn();
        ClickLine(list, 0);
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
    Texts chosen{"kept"};
    EXPECT_FALSE(dialogs_.Choose(nullptr, request, chosen));
    EXPECT_EQ(scripts.Opened(), (Texts{"Owner Names"}));
    EXPECT_EQ(column, CFinderSelection::kDefaultAlignColumn + 1);
    EXPECT_EQ(chosen, (Texts{"kept"}));
}
