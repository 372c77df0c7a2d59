// The search sheets' window under the display, driven through its widgets: typing enables OK,
// a bad class turns its tab red, the clear buttons, the question before an empty search, the
// class field's re-formatting, the finder buttons, the match kinds, the countries and the
// databases' rows; and the search information's list.

#include "search/ui/SearchDlg.h"

#include "SearchFakes.h"
#include "WxTestSupport.h"
#include "app/controls/ui/CountryListBox.h"
#include "app/controls/ui/HtmlComboBox.h"
#include "app/controls/ui/UnicodeListBox.h"
#include "app/dialogs/ui/SmallDialogs.h"
#include "core/ui/WxText.h"
#include "search/GeneralPageModel.h"
#include "search/SearchSheetModel.h"
#include "search/ui/CountryPageWindow.h"
#include "search/ui/DatabasesPageWindow.h"
#include "search/ui/FinderDialogs.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/SearchInfoDlg.h"
#include "search/ui/SelectionPageWindow.h"
#include "search/ui/StatusCheckBoxes.h"
#include "search/ui/StatusPageWindow.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using EKind = CSearchSheetModel::EKind;

// Hands back fixed values and keeps the requests.
class CFakeFinderDialogs : public IFinderDialogs {
public:
    bool Choose(wxWindow*, const CFinderRequest& request,
                std::vector<std::string>& chosen) override {
        requests.push_back(request);
        chosen = answer;
        return true;
    }
    std::vector<CFinderRequest> requests;
    std::vector<std::string> answer;
};

class SearchDlgTest : public SearchModelFixture {
protected:
    void Open(EKind kind, const CCriteria& criteria) {
        CSearch search(0, 7);
        search.SetCriteria(criteria);
        sheet_ = std::make_unique<CSearchSheetModel>(kind, search, exam_, options_);
    }
    // Runs the sheet's window with the script, and those of the dialogs it opens; its end. A
    // script ends the sheet: one that leaves it open fails, and the sheet is cancelled.
    int Run(const std::function<void(CSearchDlg&)>& script, IFinderDialogs* finders = nullptr,
            const std::vector<wx_test::DialogScripts::Script>& opened = {}) {
        CSearchDlgServices services;
        services.finders = finders;
        services.showHelp = [this](int context) { helpShown_.push_back(context); };
        CSearchDlg dialog(nullptr, *sheet_, services);
        wx_test::DialogScripts scripts;
        scripts.Add([&](wxDialog&) {
            script(dialog);
            if (dialog.IsModal()) {
                ADD_FAILURE() << "the sheet is still open";
                dialog.EndModal(wxID_CANCEL);
            }
        });
        for (const wx_test::DialogScripts::Script& more : opened)
            scripts.Add(more);
        return dialog.ShowModal();
    }
    static wxWindow& Page(CSearchDlg& dialog, int index) { return *dialog.GetPages().at(index); }
    template <class T>
    static T& In(CSearchDlg& dialog, int page, int id) {
        return wx_test::Child<T>(Page(dialog, page), id);
    }
    // The tab's mark: -1 none, 0 red, 1 blue, 2 green.
    static int Mark(CSearchDlg& dialog, int page) {
        return wx_test::Child<wxNotebook>(dialog, CSearchDlg::kBook).GetPageImage(page);
    }
    static std::string Status(CSearchDlg& dialog, int page) {
        return FromWx(In<wxStaticText>(dialog, page, CSearchPageWindow::kStatusLine).GetLabel());
    }
    static bool OkEnabled(CSearchDlg& dialog) { return dialog.FindWindow(wxID_OK)->IsEnabled(); }
    std::string Stored() const { return sheet_->GetSearch().GetCriteria().WriteCriteriaText(true); }

    std::unique_ptr<CSearchSheetModel> sheet_;
    std::vector<int> helpShown_;
};

TEST_F(SearchDlgTest, TypingEnablesOkABadClassTurnsTheTabRedAndClearAllStartsAfresh) {
    Open(EKind::Full, NewCriteria());
    const int end = Run([](CSearchDlg& dialog) {
        auto& classes = In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kClasses);
        auto& words = In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kGroupIds[0]);
        EXPECT_FALSE(OkEnabled(dialog)) << "databases and default statuses alone";
        EXPECT_EQ(Mark(dialog, 0), -1);
        words.SetValue("acme");
        EXPECT_TRUE(OkEnabled(dialog));
        EXPECT_EQ(Mark(dialog, 0), 2);

        classes.SetValue("9, 99");
        EXPECT_FALSE(OkEnabled(dialog));
        EXPECT_EQ(Mark(dialog, 0), 0);
        EXPECT_NE(Status(dialog, 0), "");
        EXPECT_EQ(In<wxStaticText>(dialog, 0, CSearchPageWindow::kStatusLine).GetForegroundColour(),
                  *wxRED);

        In<wxTextCtrl>(dialog, 2, CStatusPageWindow::kDateFrom).SetValue("12 Mar 1998");
        EXPECT_EQ(Mark(dialog, 2), 2);
        wx_test::Click(*dialog.FindWindow(CSearchDlg::kClearAll));
        EXPECT_EQ(classes.GetValue(), "");
        EXPECT_EQ(words.GetValue(), "");
        EXPECT_EQ(In<wxTextCtrl>(dialog, 2, CStatusPageWindow::kDateFrom).GetValue(), "");
        EXPECT_EQ(Mark(dialog, 0), -1);
        EXPECT_EQ(Mark(dialog, 2), -1);
        EXPECT_EQ(Status(dialog, 0), "");
        EXPECT_FALSE(OkEnabled(dialog));

        words.SetValue("zenith");
        wx_test::Click(*dialog.FindWindow(wxID_OK));
    });
    EXPECT_EQ(end, wxID_OK);
    EXPECT_EQ(Stored(), "DBIDS=\"uc\" AND WORDM=\"zenith\" AND STATS=\"rpla\"");
}

TEST_F(SearchDlgTest, ClearPageTouchesOnlyTheActivePage) {
    Open(EKind::Full, NewCriteria());
    Run([](CSearchDlg& dialog) {
        In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kGroupIds[0]).SetValue("acme");
        wx_test::Tick(In<wxCheckBox>(dialog, 2, CStatusCheckBoxes::kAbandoned), false);
        wx_test::Child<wxNotebook>(dialog, CSearchDlg::kBook).SetSelection(2);
        wx_test::Click(*dialog.FindWindow(CSearchDlg::kClearPage));
        EXPECT_TRUE(In<wxCheckBox>(dialog, 2, CStatusCheckBoxes::kAbandoned).GetValue());
        EXPECT_EQ(Mark(dialog, 2), -1);
        EXPECT_EQ(In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kGroupIds[0]).GetValue(), "acme");
        wx_test::Click(*dialog.FindWindow(wxID_HELP));
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(helpShown_, std::vector<int>{0x20000 + 135}) << "the Status page's topic";
    EXPECT_EQ(Stored(), "DBIDS=\"uc\" AND STATS=\"rpla\"") << "Cancel stores nothing";
}

TEST_F(SearchDlgTest, OkOnEmptyCriteriaAsksAndNoKeepsTheSheetOpen) {
    Open(EKind::Full, NewCriteria());
    std::vector<int> topics;
    SetHelpShower([&topics](int contextId) { topics.push_back(contextId); });
    std::vector<std::string> asked;
    // Reads the question, asks for its help, then answers with the button.
    const auto answer = [&asked](int button) {
        return [&asked, button](wxDialog& question) {
            const auto text = [&question](int id) {
                return FromWx(wx_test::Child<wxStaticText>(question, id).GetLabel());
            };
            asked.push_back(FromWx(question.GetTitle()) + "|" + text(CConfirmSearchDlg::kText) +
                            "|" + text(CConfirmSearchDlg::kQuestion));
            wx_test::Click(wx_test::Child<wxButton>(question, CConfirmSearchDlg::kHelp));
            wx_test::Click(wx_test::Child<wxButton>(question, button));
        };
    };
    const int end = Run(
        [](CSearchDlg& dialog) {
            for (const int id : {CStatusCheckBoxes::kPending, CStatusCheckBoxes::kLapsed,
                                 CStatusCheckBoxes::kAbandoned})
                wx_test::Tick(In<wxCheckBox>(dialog, 2, id), false);
            wx_test::Click(*dialog.FindWindow(wxID_OK));
            ASSERT_TRUE(dialog.IsModal()) << "No leaves the sheet open";
            wx_test::Click(*dialog.FindWindow(wxID_OK));
        },
        nullptr, {answer(CConfirmSearchDlg::kNo), answer(CConfirmSearchDlg::kYes)});
    SetHelpShower({});
    EXPECT_EQ(end, wxID_OK);
    EXPECT_EQ(asked, std::vector<std::string>(2, "Confirm Search|This search may produce a very "
                                                 "large number of marks.|Do you wish to proceed?"));
    EXPECT_EQ(topics, std::vector<int>(2, kDialogHelpBase + CConfirmSearchDlg::kDialogId));
    EXPECT_EQ(Stored(), "DBIDS=\"uc\" AND STATS=\"r\"");
}

TEST_F(SearchDlgTest, TheClassFieldIsReformattedWhenLeftButNotForCancel) {
    Open(EKind::Identical, NewCriteria());
    Run([](CSearchDlg& dialog) {
        auto& classes = In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kClasses);
        const auto leave = [&classes] {
            wxFocusEvent lost(wxEVT_KILL_FOCUS, classes.GetId());
            lost.SetEventObject(&classes);
            classes.GetEventHandler()->ProcessEvent(lost);
            wx_test::Pump();
        };
        classes.SetValue(".food, 9");
        EXPECT_EQ(Mark(dialog, 0), 1) << "classes alone are not enough for identical marks";
        leave();
        EXPECT_EQ(classes.GetValue(), "9,29-33");

        classes.SetValue(".food");
        wxMouseEvent press(wxEVT_LEFT_DOWN);
        dialog.FindWindow(wxID_CANCEL)->GetEventHandler()->ProcessEvent(press);
        leave();
        EXPECT_EQ(classes.GetValue(), ".food") << "the user is leaving";
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
}

TEST_F(SearchDlgTest, FinderButtonsHandTheirRequestOverOnlyWhenFindersExist) {
    Open(EKind::Full, NewCriteria());
    Run([](CSearchDlg& dialog) {
        EXPECT_FALSE(In<wxButton>(dialog, 0, CGeneralPageWindow::kIndex).IsEnabled());
        EXPECT_FALSE(In<wxButton>(dialog, 1, CSelectionPageWindow::kCodeFinder).IsEnabled());
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
    CFakeFinderDialogs finders;
    finders.answer = {"ACME CORP", "ZENITH LTD"};
    Run(
        [](CSearchDlg& dialog) {
            auto& owners = Page(dialog, 3);
            wx_test::Child<wxTextCtrl>(owners, CSelectionPageWindow::kLocate).SetValue("AC");
            wx_test::Click(wx_test::Child<wxButton>(owners, CSelectionPageWindow::kBrowse));
            auto& list = wx_test::Child<CUnicodeListBox>(owners, CSelectionPageWindow::kValues);
            EXPECT_EQ(list.GetCount(), 2u);
            EXPECT_EQ(Mark(dialog, 3), 2);
            auto& add = wx_test::Child<wxButton>(owners, CSelectionPageWindow::kAdd);
            auto& remove = wx_test::Child<wxButton>(owners, CSelectionPageWindow::kDelete);
            EXPECT_TRUE(add.IsEnabled());
            wx_test::Click(add);
            EXPECT_EQ(list.GetCount(), 3u);
            EXPECT_FALSE(add.IsEnabled()) << "listed already";
            EXPECT_FALSE(remove.IsEnabled()) << "no line selected";
            list.SetSelection(0);
            wxCommandEvent select(wxEVT_LISTBOX, list.GetId());
            select.SetEventObject(&list);
            select.SetInt(0);
            list.GetEventHandler()->ProcessEvent(select);
            wx_test::Click(remove);
            EXPECT_EQ(list.GetString(0), "ZENITH LTD");
            EXPECT_EQ(list.GetSelection(), 0);
            wx_test::Click(*dialog.FindWindow(wxID_OK));
        },
        &finders);
    ASSERT_EQ(finders.requests.size(), 1u);
    EXPECT_EQ(finders.requests[0].text, "AC");
    EXPECT_EQ(finders.requests[0].databases, "uc");
    EXPECT_EQ(finders.requests[0].maximum, 50);
    EXPECT_EQ(sheet_->GetSearch().GetCriteria().GetOwnerNames(),
              (std::vector<std::string>{"ZENITH LTD", "AC"}));
}

TEST_F(SearchDlgTest, TheMatchKindCombosShowTheirBoldItemsAndKeepTheChosenKind) {
    Open(EKind::Full, NewCriteria());
    Run([](CSearchDlg& dialog) {
        auto& kind = In<CHtmlComboBox>(dialog, 0, CGeneralPageWindow::kKindIds[0]);
        ASSERT_EQ(kind.GetCount(), 5u);
        EXPECT_EQ(kind.GetString(3), "4. which are <b>exactly</b> these <b>words/patterns</b>");
        EXPECT_EQ(kind.GetSelection(), 0);
        In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kGroupIds[0]).SetValue("acme");
        // Escape on the list that is down closes the list only.
        EXPECT_TRUE(wx_test::EscapeClosesItsList(kind));
        ASSERT_TRUE(dialog.IsModal()) << "Escape closed the sheet";
        kind.SetSelection(3);
        wxCommandEvent picked(wxEVT_COMBOBOX, kind.GetId());
        picked.SetEventObject(&kind);
        picked.SetInt(3);
        kind.GetEventHandler()->ProcessEvent(picked);
        wx_test::Click(*dialog.FindWindow(wxID_OK));
    });
    Open(EKind::Full, sheet_->GetSearch().GetCriteria());
    Run([](CSearchDlg& dialog) {
        EXPECT_EQ(In<CHtmlComboBox>(dialog, 0, CGeneralPageWindow::kKindIds[0]).GetSelection(), 3)
            << "the exact kind read back";
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
}

TEST_F(SearchDlgTest, ACountryTickedByItsCheckBoxIsSummedUpAndStored) {
    exam_.selection.SetSelected("GL", "", true);
    exam_.selection.SetSelected("GL", "IN", true);
    Open(EKind::Full, NewCriteria());
    std::string code;
    Run([&code](CSearchDlg& dialog) {
        const int page = static_cast<int>(dialog.GetPages().size()) - 2;
        auto& countries = In<CCountryListBox>(dialog, page, CCountryPageWindow::kCountries);
        ASSERT_EQ(countries.GetCount(), CCountryList::kCount);
        code = countries.GetString(0).substr(0, 2);
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.m_x = 4;
        click.m_y = 4;
        countries.GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(countries.IsChecked(0));
        EXPECT_NE(FromWx(In<wxStaticText>(dialog, page, CCountryPageWindow::kSummary).GetLabel())
                      .find(code),
                  std::string::npos);
        wx_test::Click(In<wxButton>(dialog, page, CCountryPageWindow::kSelectAll));
        EXPECT_TRUE(countries.IsChecked(CCountryList::kCount - 1));
        wx_test::Click(In<wxButton>(dialog, page, CCountryPageWindow::kUnselectAll));
        countries.GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(countries.IsChecked(0));
        EXPECT_FALSE(countries.IsChecked(1));
        In<wxTextCtrl>(dialog, 0, CGeneralPageWindow::kGroupIds[0]).SetValue("acme");
        wx_test::Click(*dialog.FindWindow(wxID_OK));
    });
    EXPECT_NE(Stored().find(code), std::string::npos) << Stored();
}

TEST_F(SearchDlgTest, DatabaseRowsScrollAndTickingAustraliaNotesItOnTheDevicesPage) {
    exam_.connected = "abcdefghijkt";
    for (const char code : exam_.connected)
        exam_.registers[code].longName = std::string("Register ") + code;
    Open(EKind::Full, NewCriteria("abcdefghijk"));
    Run([](CSearchDlg& dialog) {
        const int databases = static_cast<int>(dialog.GetPages().size()) - 1;
        const auto row = [&dialog, databases](int slot) -> wxCheckBox& {
            return In<wxCheckBox>(dialog, databases, CDatabasesPageWindow::kFirstCheck + slot);
        };
        auto& bar = In<wxScrollBar>(dialog, databases, CDatabasesPageWindow::kScrollBar);
        EXPECT_TRUE(bar.IsShown());
        EXPECT_EQ(Mark(dialog, databases), 1) << "not every database ticked";
        wxScrollEvent bottom(wxEVT_SCROLL_BOTTOM, bar.GetId());
        bar.GetEventHandler()->ProcessEvent(bottom);
        EXPECT_EQ(row(0).GetLabel(), "Register c");
        EXPECT_EQ(row(9).GetLabel(), "Register t");
        EXPECT_EQ(bar.GetThumbPosition(), 2);
        EXPECT_EQ(Status(dialog, 1), "");
        wx_test::Tick(row(9), true);
        EXPECT_EQ(Status(dialog, 1),
                  "Please note that device searching is unavailable on the Australian database.");
        EXPECT_EQ(Mark(dialog, databases), -1) << "every database ticked";
        wx_test::Click(*dialog.FindWindow(wxID_CANCEL));
    });
}

TEST(SearchInfoDlg, ListsEachRowInItsColumnsAndCloses) {
    const std::vector<CSearchInfoRow> rows = {
        {"United Kingdom", "12", "3"}, {"???", "-", "-"}, {"TOTAL", "12", "3"}};
    std::vector<int> helpShown;
    CSearchInfoDlg dialog(nullptr, rows,
                          [&helpShown](int context) { helpShown.push_back(context); });
    wx_test::DialogScripts scripts;
    std::vector<std::string> shown;
    scripts.Add([&shown](wxDialog& info) {
        auto& list = wx_test::Child<wxListCtrl>(info, CSearchInfoDlg::kList);
        for (int column = 0; column < list.GetColumnCount(); ++column) {
            wxListItem heading;
            heading.SetMask(wxLIST_MASK_TEXT);
            list.GetColumn(column, heading);
            shown.push_back(FromWx(heading.GetText()));
        }
        for (long row = 0; row < list.GetItemCount(); ++row)
            shown.push_back(FromWx(list.GetItemText(row, 0) + "|" + list.GetItemText(row, 1) + "|" +
                                   list.GetItemText(row, 2)));
        wx_test::Click(*info.FindWindow(wxID_HELP));
        wx_test::Click(*info.FindWindow(wxID_CLOSE));
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_CLOSE);
    EXPECT_EQ(shown, (std::vector<std::string>{"Database", "Hits found", "New hits found",
                                               "United Kingdom|12|3", "???|-|-", "TOTAL|12|3"}));
    EXPECT_EQ(helpShown, std::vector<int>{CSearchInfoDlg::kHelpContext});
}

TEST(SearchInfoDlg, MoreDatabasesThanFitScrollWithNoRowCutAtTheBottom) {
    const std::vector<CSearchInfoRow> rows(14, {"United Kingdom", "12", "3"});
    CSearchInfoDlg dialog(nullptr, rows, [](int) {});
    dialog.Show();
    ASSERT_TRUE(wx_test::PumpUntil([&dialog] { return dialog.IsShownOnScreen(); }));
    auto& list = wx_test::Child<wxListCtrl>(dialog, CSearchInfoDlg::kList);
    EXPECT_LT(list.GetCountPerPage(), list.GetItemCount());
    // The rows lie in the list's lowest window, under the heading's.
    const wxWindowList& parts = list.GetChildren();
    const wxWindow* rowsWindow =
        *std::max_element(parts.begin(), parts.end(), [](auto* a, auto* b) {
            return a->GetRect().GetBottom() < b->GetRect().GetBottom();
        });
    wxRect row;
    ASSERT_TRUE(list.GetItemRect(0, row));
    EXPECT_EQ(rowsWindow->GetClientSize().y % row.height, 0) << "a row is cut at the bottom";
}

} // namespace
