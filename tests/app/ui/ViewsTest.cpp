// The views' windows in the program, against the local search service, under the (virtual)
// display: a search run through the progress window into the results window, rows drawn from
// the registers' records, the results' labels at the end of a long list, a click that keeps a
// mark, kept marks dropped on another section, the examination previewed and its selection
// printed, a search typed into the Search sheet and a word ticked in its Word Index.

#include "LayoutCheck.h"
#include "LoggedInProgram.h"
#include "PostScriptPrinter.h"
#include "PrintedPages.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/document/ClipboardMarks.h"
#include "app/ui/CommandIds.h"
#include "app/views/ui/SectionDialogs.h"
#include "app/views/ui/SectionTabs.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"
#include "engines/ui/SearchProgressDlg.h"
#include "registers/ZrDbs.h"
#include "report/print/ui/PrintRangeDlg.h"
#include "report/print/ui/ZrPrintout.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/StringFinderListBox.h"

#include <array>
#include <numeric>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/print.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

namespace {

using platform::MessageAnswer;
using Texts = std::vector<std::string>;

class ViewsTest : public LoggedInProgram {
protected:
    IPrintRunner* Printer() override { return &printer_; }
    int AddSearchOfAll(const std::string& codes) {
        CSearch search(0);
        search.GetCriteria().ResetWithDbIds(codes);
        search.GetCriteria().FillDefaults();
        return Document().AddSearch(search);
    }
    // The first row of the results, drawn.
    const CMark& FirstShownMark() {
        CResultsFrame& results = *Results();
        results.GetCanvas().Refresh();
        results.GetCanvas().Update();
        wx_test::Pump();
        return results.GetView().GetShownMark(0);
    }

    CPostScriptRunner printer_{folder_ / "printed.ps"};
};

TEST_F(ViewsTest, ASearchWithAFailingEngineRunsThroughTheProgressWindowIntoTheResults) {
    control_->SetEngineFault("c", "failSearch", "Out of service", 0);
    const int id = AddSearchOfAll("uc");
    wx_test::RecordedMessages messages({MessageAnswer::Yes});
    wx_test::DialogScripts dialogs;
    Texts progress;
    dialogs.Add([&progress](wxDialog& dialog) {
        for (const int id :
             {CSearchProgressDlg::kHeaderId, CSearchProgressDlg::kFirstNameId,
              CSearchProgressDlg::kFirstNameId + 1, CSearchProgressDlg::kFirstNameId + 2})
            progress.push_back(FromWx(wx_test::Child<wxStaticText>(dialog, id).GetLabel()));
        progress.push_back(
            wx_test::Child<wxStaticText>(dialog, CSearchProgressDlg::kFirstNameId + 2).IsShown()
                ? "third row shown"
                : "two rows");
    });
    ASSERT_TRUE(program_->RunSearch(id, false));
    EXPECT_EQ(dialogs.Opened(), (Texts{"Searching"}));
    EXPECT_EQ(progress, (Texts{"Performing search", "UK:", "EUTM:", "", "two rows"}));
    EXPECT_EQ(messages.Texts(),
              (Texts{"|Search on EUTM database has failed.\nWould you like to remove this "
                     "database and continue searching the remaining database?"}));

    ASSERT_NE(Results(), nullptr);
    CResultsView& results = Results()->GetView();
    EXPECT_EQ(results.GetShownSearchId(), id);
    EXPECT_EQ(results.GetMarkCount(), Document().FindSearch(id).GetFound());
    EXPECT_GT(results.GetMarkCount(), 0);
    EXPECT_EQ(results.GetLabels().search, "Search 1 of 1");
    EXPECT_EQ(FromWx(Results()->GetTitle()), "Search Results");

    // The shown rows were drawn from their records: seen in the list, numbers taken.
    const CMark& first = FirstShownMark();
    EXPECT_TRUE(first.HasFlag(CMark::kSeenInList));
    EXPECT_NE(first.GetAppNumber(), 0);
}

TEST_F(ViewsTest, AClickOnAMarksBoxKeepsIt) {
    const int id = AddSearchOfAll("u");
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(program_->RunSearch(id, false));
    ASSERT_NE(Results(), nullptr);
    CResultsFrame& results = *Results();
    results.Raise();
    ASSERT_TRUE(wx_test::PumpUntil([&results] { return results.IsShownOnScreen(); }));
    FirstShownMark();

    const CDisplayInfo& info = results.GetView().GetSubView().GetDisplayInfo();
    const wxSize size = results.GetCanvas().GetClientSize();
    const CRect box = CZrDb::GetShortBoxRect({0, 0, size.x, 0}, info);
    wxUIActionSimulator simulator;
    simulator.MouseMove(results.GetCanvas().ClientToScreen(
        {(box.left + box.right) / 2, (box.top + box.bottom) / 2}));
    wx_test::Pump();
    simulator.MouseClick();
    EXPECT_TRUE(wx_test::PumpUntil(
        [&results] { return results.GetView().GetShownMark(0).HasFlag(CMark::kKept); },
        std::chrono::seconds(10)));
    EXPECT_EQ(results.GetView().GetLabels().marks.rfind("Marks 1 to ", 0), 0u);
}

// The mark label keeps its total at the bottom of a list of six-figure length, under the other
// labels in a narrow window.
TEST_F(ViewsTest, TheResultsLabelsShowWholeAtTheEndOfALongList) {
    constexpr std::uint32_t kMarks = 120044;
    const int id = AddSearchOfAll("u");
    std::vector<std::uint32_t> records(kMarks);
    std::iota(records.begin(), records.end(), 1u);
    Document().AddFoundMarks(records, 'u', 0, id, false, false);
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(program_->ShowResults(id, true, -1));
    CResultsFrame& results = *Results();
    results.SetSize(500, results.GetSize().y);
    results.Raise();
    ASSERT_TRUE(wx_test::PumpUntil([&results] { return results.IsShownOnScreen(); }));
    wxScrollWinEvent bottom(wxEVT_SCROLLWIN_BOTTOM, 0, wxVERTICAL);
    results.GetCanvas().GetEventHandler()->ProcessEvent(bottom);
    wx_test::Pump();
    const auto& marks = wx_test::Child<wxStaticText>(results, CResultsFrame::kMarkLabelId);
    const std::string end = std::to_string(kMarks);
    EXPECT_TRUE(FromWx(marks.GetLabel()).ends_with(" to " + end + " of " + end));
    EXPECT_GE(marks.GetSize().x, marks.GetTextExtent(marks.GetLabel()).x);
    EXPECT_EQ(wx_test::LayoutFaults(results), Texts{});
}

// Dragged with the mouse as the user drags, the selected kept marks are copied with Ctrl held
// and moved without.
TEST_F(ViewsTest, KeptMarksDraggedOntoAnotherTabMoveThereAndWithCtrlAreCopied) {
    CMainView& view = KeepInFirstSection({16, 32, 48});
    ASSERT_EQ(view.GetMarkCount(), 3);
    ASSERT_TRUE(wx_test::BringToFront(MainView()));
    CSectionTabs& tabs = MainView().GetTabs();
    const std::vector<CTabShape> shapes =
        tabs.GetLayout().VisibleTabs({tabs.GetClientSize().x, tabs.GetClientSize().y});
    ASSERT_GE(shapes.size(), 3u);
    const auto tab = [&](std::size_t n) {
        return tabs.ClientToScreen({shapes[n].textX + 4, tabs.GetClientSize().y / 2});
    };
    const wxPoint firstRow = MainView().GetSectionView().ClientToScreen({40, 4});
    const struct {
        bool control;
        std::size_t onto;
        std::array<int, 3> kept;
    } drags[] = {{true, 2, {3, 0, 3}}, {false, 1, {0, 3, 3}}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.control ? "Ctrl" : "no key");
        view.SelectAll();
        wx_test::DragWithTheMouse(firstRow, tab(drag.onto), drag.control);
        EXPECT_TRUE(wx_test::PumpUntil([&] { return KeptIn(static_cast<int>(drag.onto)) == 3; },
                                       std::chrono::seconds(5)));
        EXPECT_EQ((std::array{KeptIn(0), KeptIn(1), KeptIn(2)}), drag.kept);
    }
    view.SetSection(1);
    ASSERT_EQ(view.GetMarkCount(), 3);
    EXPECT_EQ(view.GetShownMark(0).GetSearchId(), 0);
}

// The details windows the program opens: from the results, one that keeps by key; for a search
// shown in details (an enquiry) from the main view, one that commits what it kept on closing and
// prints its mark.
TEST_F(ViewsTest, DetailsWindowsKeepFromTheResultsAndCommitAndPrintAnEnquiry) {
    const auto openFrames = [] {
        std::vector<CDetailsFrame*> frames;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* frame = dynamic_cast<CDetailsFrame*>(window); frame && frame->IsShown())
                frames.push_back(frame);
        return frames;
    };
    const auto command = [](CDetailsFrame& frame, int id) {
        wxCommandEvent chosen(wxEVT_MENU, id);
        frame.GetEventHandler()->ProcessEvent(chosen);
    };
    const auto keep = [&command](CDetailsFrame& frame) { command(frame, CDetailsFrame::kCmdKeep); };
    const int id = AddSearchOfAll("u");
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(program_->RunSearch(id, false));
    CResultsView& results = Results()->GetView();
    results.OpenDetails(0);
    ASSERT_EQ(openFrames().size(), 1u);
    keep(*openFrames()[0]);
    EXPECT_EQ(results.GetShownMark(0).GetFlags() & CMark::kAnyKeep, CMark::kKept);
    openFrames()[0]->Close();
    EXPECT_EQ(results.GetDetailsCount(), 0);

    CMainView& main = MainView().GetView();
    ASSERT_TRUE(program_->GetViews().CanOpenDetails());
    program_->GetViews().OpenDetails(MakeSearchIdFilter(id, false, true), 1);
    ASSERT_EQ(openFrames().size(), 1u);
    EXPECT_EQ(main.GetDetailsCount(), 1);
    CDetailsFrame& enquiry = *openFrames()[0];
    const CMark shown = enquiry.GetController().GetShownMark();
    keep(enquiry);
    // Print Long: the mark with its application number, which ends the window's title.
    command(enquiry, CDetailsFrame::kCmdPrintLong);
    ASSERT_EQ(printer_.GetRuns(), 1);
    CPrintedPages pages(folder_ / "printed.ps");
    ASSERT_TRUE(pages.IsOk());
    ASSERT_EQ(pages.PageCount(), 1);
    const std::string title = FromWx(enquiry.GetTitle());
    EXPECT_NE(pages.Text(0).find(title.substr(title.rfind(' ') + 1)), std::string::npos)
        << title << " not on\n"
        << pages.Text(0);
    enquiry.Close();
    EXPECT_EQ(main.GetDetailsCount(), 0);
    const int index = Document().FindFilteredIndex(MakeSearchIdFilter(id, false, true), 1);
    EXPECT_TRUE(Document().GetMark(index).IsSameGroup(shown));
    EXPECT_EQ(Document().GetMark(index).GetFlags() & CMark::kAnyKeep, CMark::kPermanentKeep);
}

TEST_F(ViewsTest, SearchOpensTheSheetAndRunsWhatWasTypedAsItsWrittenCriteriaRun) {
    // No class typed is every class, as the criteria read back say.
    const std::string written = "DBIDS=\"" + Document().GetDatabaseCodes() +
                                "\" AND CLASS=\"All\" AND WORDM=\"zenith\" AND STATS=\"rpla\"";
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts dialogs;
    dialogs.Add([](wxDialog& sheet) {
        auto& page = *static_cast<CSearchDlg&>(sheet).GetPages().at(0);
        wx_test::Child<wxTextCtrl>(page, CGeneralPageWindow::kGroupIds[0]).SetValue("zenith");
        wx_test::Click(*sheet.FindWindow(wxID_OK));
    });
    dialogs.Add([](wxDialog&) {}); // the progress window ends by itself
    MainView().GetView().Run(EMainCommand::Search);
    EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Searching"}));
    ASSERT_EQ(Document().GetSearchCount(), 1);
    const int typed = Document().GetSearch(0).GetSearchId();
    EXPECT_EQ(Document().FindSearch(typed).GetCriteria().WriteCriteriaText(true), written);

    CSearch byHand(0);
    ASSERT_TRUE(byHand.GetCriteria().ReadCriteriaText(written));
    const int id = Document().AddSearch(byHand);
    dialogs.Add([](wxDialog&) {});
    ASSERT_TRUE(program_->RunSearch(id, false));
    EXPECT_GT(Document().FindSearch(typed).GetFound(), 0);
    EXPECT_EQ(Document().FindSearch(id).GetFound(), Document().FindSearch(typed).GetFound());
}

TEST_F(ViewsTest, TheSheetsIndexButtonTicksAWordOfTheExaminationsRegistersIntoItsFirstGroup) {
    std::string ticked;
    std::string taken;
    wx_test::DialogScripts dialogs;
    dialogs.Add([&taken](wxDialog& sheet) {
        auto& page = *static_cast<CSearchDlg&>(sheet).GetPages().at(0);
        wx_test::Child<wxTextCtrl>(page, CGeneralPageWindow::kLocate).SetValue("ZEN");
        wx_test::Click(wx_test::Child<wxButton>(page, CGeneralPageWindow::kIndex));
        taken =
            FromWx(wx_test::Child<wxTextCtrl>(page, CGeneralPageWindow::kGroupIds[0]).GetValue());
        wx_test::Click(*sheet.FindWindow(wxID_CANCEL));
    });
    dialogs.Add([&ticked](wxDialog& finder) {
        auto& list = wx_test::Child<CStringFinderListBox>(finder, CStringFinderListBox::kId);
        ticked = list.GetSelection().GetLine(0).GetText();
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetEventObject(&list);
        click.m_x = 40;
        click.m_y = 2;
        list.GetEventHandler()->ProcessEvent(click);
        wx_test::Click(*finder.FindWindow(wxID_OK));
    });
    MainView().GetView().Run(EMainCommand::Search);
    EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Word Index"}));
    EXPECT_EQ(ticked.substr(0, 3), "ZEN");
    EXPECT_EQ(taken, ticked);
    EXPECT_EQ(Document().GetSearchCount(), 0);
}

TEST_F(ViewsTest, TheMainViewPreviewsTheExaminationAndPrintsItsSelection) {
    Document().AddMarks(std::vector<CMark>{{64u, 'u', 0, 0, 0, CMark::kPermanentKeep}}, 1, 0);
    CMainView& view = KeepInFirstSection({16, 32, 48});
    const auto command = [this](int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        program_->GetMainFrame()->ProcessWindowEvent(event);
    };

    // Nothing selected: the whole examination, a page a section.
    command(wxID_PREVIEW);
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<wxPreviewFrame*>(window))
            preview = found;
    ASSERT_NE(preview, nullptr);
    const auto* shown = dynamic_cast<const CZrPrintout*>(
        preview->GetControlBar()->GetPrintPreview()->GetPrintout());
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(wx_test::PumpUntil([shown] { return shown->GetPageCount() > 0; }));
    EXPECT_EQ(shown->GetPageCount(), 2);
    preview->Close(true);
    wx_test::Pump();

    // Rows selected: Print... offers the selection first, and prints it alone.
    view.SelectAll();
    wx_test::DialogScripts dialogs;
    dialogs.Add([](wxDialog& dialog) {
        EXPECT_TRUE(wx_test::Child<wxRadioButton>(dialog, CPrintRangeDlg::kSelectionId).GetValue());
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
    });
    command(wxID_PRINT);
    EXPECT_EQ(dialogs.Opened(), (Texts{"Print"}));
    ASSERT_EQ(printer_.GetRuns(), 1);
    CPrintedPages pages(folder_ / "printed.ps");
    ASSERT_TRUE(pages.IsOk());
    EXPECT_EQ(pages.PageCount(), 1);
}

// Section names renamed in Options are on the tabs as soon as the sheet closes.
TEST_F(ViewsTest, SectionNamesFromTheOptionsAreOnTheTabsAtOnce) {
    CSectionTabs& tabs = MainView().GetTabs();
    ASSERT_GE(tabs.GetLayout().GetCount(), 2);
    wx_test::DialogScripts dialogs;
    dialogs.Add([](wxDialog& sheet) {
        wx_test::Click(wx_test::Child<wxButton>(sheet, 1197));
        wx_test::Click(*sheet.FindWindow(wxID_OK));
    });
    dialogs.Add([](wxDialog& names) {
        for (const auto& [row, name] : {std::pair{0, "Word marks"}, {1, "Devices"}})
            wx_test::Child<wxTextCtrl>(names, CSectionNamesDlg::kFirstEditId + row).SetValue(name);
        wx_test::Click(*names.FindWindow(wxID_OK));
    });
    dialogs.Add([](wxDialog& info) { wx_test::Click(*info.FindWindow(wxID_OK)); });
    wxCommandEvent options(wxEVT_MENU, kCmdOptions);
    program_->GetMainFrame()->ProcessWindowEvent(options);
    ASSERT_TRUE(dialogs.AllUsed());
    EXPECT_EQ(tabs.GetLayout().GetName(0), "Word marks");
    EXPECT_EQ(tabs.GetLayout().GetName(1), "Devices");
}

// On a selected row the Keep box still tells a kept mark from one that is not: it is outlined
// in the window's text colour on its window colour, and crossed only when the mark is kept.
TEST_F(ViewsTest, TheKeepBoxOfASelectedRowShowsWhetherTheMarkIsKept) {
    const int id = AddSearchOfAll("u");
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(program_->RunSearch(id, false));
    CResultsView& view = Results()->GetView();
    FirstShownMark();
    const wxSize size = Results()->GetCanvas().GetClientSize();
    const CRect box = CZrDb::GetShortBoxRect({0, 0, size.x, 0}, view.GetSubView().GetDisplayInfo());
    const int middle = (box.top + box.bottom) / 2;
    view.SelectRow(0, 0);
    for (const bool kept : {false, true}) {
        view.SetKeptSelection(kept);
        ASSERT_TRUE(view.IsRowSelected(0));
        // The row as the window paints it.
        wxBitmap bitmap(size.x, size.y, 24);
        wxMemoryDC dc(bitmap);
        CWxDrawSurface surface(dc);
        view.Draw(surface, {0, 0, size.x, size.y});
        const CColour window = surface.GetSystemColour(ESystemColour::Window);
        const CColour ink = surface.GetSystemColour(ESystemColour::WindowText);
        dc.SelectObject(wxNullBitmap);
        const wxImage image = bitmap.ConvertToImage();
        const auto pixel = [&image](int x, int y) {
            return MakeColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
        };
        // The outline is upright, so exactly the ink; the cross is smoothed, so only its
        // absence is exact.
        EXPECT_EQ(pixel(box.left, middle), ink) << kept;
        EXPECT_EQ(pixel((box.left + box.right) / 2, middle) == window, !kept) << kept;
    }
}

} // namespace
