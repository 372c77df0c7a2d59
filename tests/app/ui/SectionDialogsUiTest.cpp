// The section dialogs driven through their real widgets: the names dialog scrolled by its scroll
// bar, the info list's rows and a double click that chooses a section, the name edit.

#include "WxTestSupport.h"
#include "app/views/ui/SectionDialogs.h"
#include "core/ui/WxText.h"

#include <wx/listctrl.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using Texts = std::vector<std::string>;

void Scroll(wxScrollBar& bar, wxEventType type) {
    wxScrollEvent event(type, bar.GetId());
    event.SetEventObject(&bar);
    bar.GetEventHandler()->ProcessEvent(event);
}

TEST(SectionDialogsUi, NamesScrollByPagesAndKeepWhatWasTyped) {
    std::vector<std::string> names;
    for (int i = 1; i <= 25; ++i)
        names.push_back("Section " + std::to_string(i));
    CSectionNamesDlg dialog(nullptr, names);
    wx_test::DialogScripts scripts;
    Texts shown;
    scripts.Add([&shown](wxDialog& d) {
        auto& bar = wx_test::Child<wxScrollBar>(d, CSectionNamesDlg::kScrollBarId);
        wx_test::Child<wxTextCtrl>(d, CSectionNamesDlg::kFirstEditId).ChangeValue("First");
        Scroll(bar, wxEVT_SCROLL_PAGEDOWN);
        Scroll(bar, wxEVT_SCROLL_PAGEDOWN);
        shown.push_back(
            FromWx(wx_test::Child<wxTextCtrl>(d, CSectionNamesDlg::kFirstEditId + 9).GetValue()));
        wx_test::Child<wxTextCtrl>(d, CSectionNamesDlg::kFirstEditId + 9).ChangeValue("Last");
        Scroll(bar, wxEVT_SCROLL_TOP);
        shown.push_back(
            FromWx(wx_test::Child<wxTextCtrl>(d, CSectionNamesDlg::kFirstEditId).GetValue()));
        wx_test::Click(*d.FindWindow(wxID_OK));
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(shown, (Texts{"Section 25", "First"}));
    EXPECT_EQ(dialog.GetNames()[0], "First");
    EXPECT_EQ(dialog.GetNames()[24], "Last");
    EXPECT_EQ(dialog.GetNames()[12], "Section 13");
}

TEST(SectionDialogsUi, ADoubleClickOnASectionRowChoosesItButNotOnTheTotal) {
    CSectionInfoDlg dialog(
        nullptr,
        {{"Section 1", 1, 0, 2, 5, 1}, {"Section 2", 0, 1, 0, 3, 0}, {"TOTAL", 1, 1, 2, 8, 1}});
    wxListCtrl& list = dialog.GetList();
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(FromWx(list.GetItemText(2, 4)), "8");
    EXPECT_EQ(FromWx(list.GetItemText(0, 3)), "2");
    wx_test::DialogScripts scripts;
    scripts.Add([&list](wxDialog&) {
        for (const long row : {2L, 1L}) {
            wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, list.GetId());
            activated.m_itemIndex = row;
            activated.SetEventObject(&list);
            list.GetEventHandler()->ProcessEvent(activated);
        }
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.GetChosenSection(), 1);
}

TEST(SectionDialogsUi, TheNameEditStartsWithTheCurrentName) {
    CSectionEditDlg dialog(nullptr, "Section 2");
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& d) {
        auto& name = wx_test::Child<wxTextCtrl>(d, CSectionEditDlg::kNameId);
        EXPECT_EQ(FromWx(name.GetValue()), "Section 2");
        name.ChangeValue("Word marks");
        wx_test::Click(*d.FindWindow(wxID_OK));
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.GetSectionName(), "Word marks");
}

} // namespace
