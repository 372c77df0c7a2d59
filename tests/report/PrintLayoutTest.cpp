#include "RecordingSurface.h"
#include "ServiceReport.h"
#include "core/Search.h"
#include "core/TermMapper.h"
#include "core/Utf8.h"
#include "registers/RegisterWording.h"
#include "report/print/CriteriaRows.h"
#include "report/print/PrintHeading.h"
#include "report/print/PrintJob.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "tests/support/LocalService.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The recording surface's fonts: 10 points is a line of 20, half a line 10; 20 points 40.
constexpr int kLine = 20;
constexpr int kHalfLine = 10;

struct CTextCall {
    int x = 0;
    int y = 0;
    std::string text;
};

// Laid out over the UK, EU and designs registers of the local service on the recording
// surface, a page 1000 wide: the printable rectangle runs from 5 to 984 across.
class PrintLayout : public ServiceReport {
protected:
    void SetUp() override {
        ServiceReport::SetUp();
        SetPage(1000, 1400);
        surface_.SetDotsPerInch({150, 150});
        CFormatBlock longFormat = options_.GetLongFormat();
        longFormat.printOnNewPage = false;
        options_.SetLongFormat(longFormat);
        SetPrintCriteria(false);
    }

    void SetPage(int width, int height) { surface_.SetPageSize({width, height}); }
    void SetPrintCriteria(bool print) {
        CMarginRect margins;
        options_.GetPageMargins(margins);
        bool vertical = true;
        bool horizontal = true;
        options_.GetPrintLines(vertical, horizontal);
        options_.SetPageSetup(margins, options_.GetPageHeading(), vertical, horizontal, print);
    }
    CMark Keep(char code, const std::string& wordMark, int section, bool longForm = false) {
        return AddMark(code, wordMark, section, 0,
                       CMark::kPermanentKeep | (longForm ? CMark::kLong : 0));
    }
    int Layout() {
        job_.OnBeginPrinting(surface_, document_);
        return job_.LayoutAllPages(surface_);
    }
    // Each page as its section and its items: record number, and for a slice its parts.
    Strings Pages() const {
        Strings pages;
        for (int n = 1; n <= job_.GetPageCount(); ++n) {
            const CZrPrintPage& page = job_.GetPage(n);
            std::string text = "s" + std::to_string(page.start.section) + ":";
            for (const CZrPrintItem& item : page.items) {
                text += " " + std::to_string(item.mark.GetRecordNumber());
                if (item.IsContinued() || item.endPart != kPartWhole)
                    text += "[" + std::to_string(item.startPart) + "." +
                            std::to_string(item.startPosition) + "-" +
                            std::to_string(item.endPart) + "." + std::to_string(item.endPosition) +
                            "]";
            }
            if (page.criteria)
                text += " criteria";
            for (const int id : page.searchIds)
                text += " #" + std::to_string(id);
            pages.push_back(text);
        }
        return pages;
    }
    std::string Record(const CMark& mark) const { return std::to_string(mark.GetRecordNumber()); }
    // The text drawn on page n.
    std::vector<CTextCall> Texts(int n) {
        surface_.Clear();
        job_.OnPrint(surface_, n);
        std::vector<CTextCall> texts;
        for (const std::string& call : surface_.DrawingCalls()) {
            // TextOut(x, y, "text")
            CTextCall text;
            int length = 0;
            if (std::sscanf(call.c_str(), "TextOut(%d, %d, \"%n", &text.x, &text.y, &length) == 2 &&
                length > 0) {
                text.text = call.substr(length, call.size() - length - 2);
                texts.push_back(text);
            }
        }
        return texts;
    }
    static const CTextCall* FindText(const std::vector<CTextCall>& texts, const std::string& text) {
        for (const CTextCall& call : texts)
            if (call.text == text)
                return &call;
        return nullptr;
    }

    CZrDbsPrintRegisters printRegisters_{table_};
    CRecordingSurface surface_;
    CZrPrintJob job_{printRegisters_, options_, [this] { return today_; }};
};

TEST_F(PrintLayout, SectionsStartNewPagesAndSectionsWithNothingToPrintArePassedOver) {
    const CMark acme = Keep('u', "ACME", 0);
    const CMark zenith = Keep('u', "ZENITH", 0);
    AddMark('u', "ACNE", 1, 0, 0); // not kept
    const CMark nova = Keep('u', "NOVA", 2);
    ASSERT_EQ(Layout(), 2);
    EXPECT_EQ(Pages(),
              (Strings{"s0: " + Record(acme) + " " + Record(zenith), "s2: " + Record(nova)}));
    EXPECT_NE(FindText(Texts(2), "Section 3"), nullptr);
}

TEST_F(PrintLayout, AnEmptyExaminationPrintsOnePageWithItsHeading) {
    document_.SetExamId("EX-1");
    ASSERT_EQ(Layout(), 1);
    EXPECT_EQ(Pages(), (Strings{"s4:"}));
    const std::vector<CTextCall> texts = Texts(1);
    EXPECT_NE(FindText(texts, "EX-1"), nullptr);
    EXPECT_NE(FindText(texts, "Page 1"), nullptr);
}

TEST_F(PrintLayout, AMarkToBePrintedOnANewPageStartsOne) {
    std::vector<CMark> marks = {Keep('u', "ACME", 0), Keep('u', "ZENITH", 0), Keep('u', "NOVA", 0)};
    // The one printed second in long form, which starts a new page.
    std::sort(marks.begin(), marks.end());
    document_.Clear(false);
    marks[1].SetFlags(marks[1].GetFlags() | CMark::kLong);
    for (const CMark& mark : marks)
        document_.MergeMark(mark);
    ASSERT_EQ(Layout(), 1);
    CFormatBlock longFormat = options_.GetLongFormat();
    longFormat.printOnNewPage = true;
    options_.SetLongFormat(longFormat);
    ASSERT_EQ(Layout(), 2);
    EXPECT_EQ(Pages(), (Strings{"s0: " + Record(marks[0]),
                                "s0: " + Record(marks[1]) + " " + Record(marks[2])}));
}

// ACME ZENITH in long form, with its three images, is taller than these pages; ACME before it
// is one item of a title and a word mark.
TEST_F(PrintLayout, AnItemTallerThanAPageIsSplitWhereItStartsInTheUpperHalf) {
    Keep('u', "ACME", 0);
    const CMark zenith = Keep('u', "ACME ZENITH", 0, true);
    // Page 1's heading ends at 125 and ACME at 175: the middle of this page is 204.
    SetPage(1000, 420);
    const int pages = Layout();
    ASSERT_GE(pages, 3);
    const CZrPrintPage& first = job_.GetPage(1);
    ASSERT_EQ(first.items.size(), 2u);
    EXPECT_EQ(first.items[1].mark.GetRecordNumber(), zenith.GetRecordNumber());
    EXPECT_EQ(first.items[1].startPart, kPartDevices);
    EXPECT_EQ(first.items[1].top, 175);
    // Each slice starts where the one before ended, on a page of its own, up to the whole.
    CZrPrintItem previous = first.items[1];
    for (int n = 2; n <= pages; ++n) {
        const CZrPrintPage& page = job_.GetPage(n);
        ASSERT_EQ(page.items.size(), 1u) << n;
        const CZrPrintItem& slice = page.items[0];
        EXPECT_EQ(slice.startPart * 1000 + slice.startPosition,
                  previous.endPart * 1000 + previous.endPosition)
            << n;
        EXPECT_LE(slice.top + slice.height, job_.GetRect().bottom) << n;
        const std::vector<CTextCall> texts = Texts(n);
        EXPECT_NE(FindText(texts, ShortName('u') + " " + AppNum(zenith) + " (Continued)"), nullptr)
            << n;
        EXPECT_EQ(FindText(texts, "Class 35"), nullptr) << n;
        previous = slice;
    }
    EXPECT_EQ(previous.endPart, kPartWhole);
}

TEST_F(PrintLayout, AnItemTallerThanAPageMovesOnWhenItWouldStartInTheLowerHalf) {
    const CMark acme = Keep('u', "ACME", 0);
    const CMark zenith = Keep('u', "ACME ZENITH", 0, true);
    // The middle of this page is 164, above ACME's end.
    SetPage(1000, 340);
    Layout();
    const Strings pages = Pages();
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages[0], "s0: " + Record(acme));
    EXPECT_EQ(pages[1].rfind("s0: " + Record(zenith) + "[0.0-", 0), 0u) << pages[1];
}

TEST_F(PrintLayout, ATinyPageWithLargeFontsStillEndsOneLineAPage) {
    Keep('u', "STAR BRIGHT", 0, true);
    options_.SetPrinterMainFont("Arial", 30);
    // The heading of every page fills it: each page takes one line, as each takes one row.
    SetPage(300, 200);
    job_.OnBeginPrinting(surface_, document_);
    const int limit = 400;
    ASSERT_EQ(job_.LayoutPage(surface_, limit), nullptr) << "layout does not end";
    const int pages = job_.GetPageCount();
    const CZrPrintItem& whole = job_.GetPage(1).items.at(0);
    EXPECT_EQ(pages, whole.textLines + whole.detailLines);
    // Page n ends where line n (counted from 0) starts.
    for (int n = 1; n <= pages; ++n) {
        const CZrPrintItem& slice = job_.GetPage(n).items.at(0);
        const int end = n < whole.textLines ? kPartWordMark * 1000 + n
                        : n - whole.textLines < whole.detailLines
                            ? kPartDetails * 1000 + n - whole.textLines
                            : kPartWhole * 1000;
        EXPECT_EQ(slice.endPart * 1000 + slice.endPosition, end) << n;
    }
}

TEST_F(PrintLayout, TheHeadingTemplateSetsLeftCentreAndRightTexts) {
    Keep('u', "ACME", 0);
    CMarginRect margins;
    options_.GetPageMargins(margins);
    options_.SetPageSetup(margins, "&b&d&bPage &p", true, true, false);
    Layout();
    const std::vector<CTextCall> texts = Texts(1);
    // Between 16 and 973, "Page 1" (55 wide) ends at 973 and the date (100 wide) is centred in
    // the gap to its left.
    const CTextCall* right = FindText(texts, "Page 1");
    const CTextCall* centre = FindText(texts, "29 Feb 2024");
    ASSERT_NE(right, nullptr);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(right->x, 918);
    EXPECT_EQ(centre->x, 16 + (918 - 16 - 100) / 2);
    EXPECT_EQ(right->y, 5 + kHalfLine);
}

TEST_F(PrintLayout, WithoutRulesNothingIsRuledAndEverythingStaysWhereItWas) {
    Keep('u', "ACME", 0);
    Keep('u', "ZENITH", 0, true);
    Layout();
    const CZrPrintPage ruled = job_.GetPage(1);
    surface_.Clear();
    job_.OnPrint(surface_, 1);
    const std::vector<std::string> ruledCalls = surface_.DrawingCalls();
    CMarginRect margins;
    options_.GetPageMargins(margins);
    options_.SetPageSetup(margins, options_.GetPageHeading(), false, false, false);
    Layout();
    ASSERT_EQ(job_.GetPage(1).items.size(), ruled.items.size());
    for (std::size_t i = 0; i < ruled.items.size(); ++i)
        EXPECT_EQ(job_.GetPage(1).items[i].top, ruled.items[i].top);
    surface_.Clear();
    job_.OnPrint(surface_, 1);
    Strings plain;
    for (const std::string& call : ruledCalls)
        if (call.rfind("DrawLine", 0) != 0)
            plain.push_back(call);
    EXPECT_EQ(surface_.DrawingCalls(), plain);
    EXPECT_NE(plain.size(), ruledCalls.size());
}

TEST_F(PrintLayout, CriteriaFollowTheMarksOnPagesOfTheirOwn) {
    SetPrintCriteria(true);
    const CMark acme = Keep('u', "ACME", 0);
    CSearch run(0, 5);
    run.GetCriteria().SetDbIds("u");
    run.GetCriteria().SetWordTerms({"ACME"});
    run.GetCriteria().SetDefaultStatus();
    run.SetOrder(1);
    run.SetFound(12);
    run.SetMarkCount(9);
    document_.AddSearch(run);
    CSearch notRun(0, 6);
    notRun.GetCriteria().SetDbIds("c");
    document_.AddSearch(notRun);
    CSearch elsewhere(1, 7);
    elsewhere.GetCriteria().SetDbIds("o");
    document_.AddSearch(elsewhere);
    ASSERT_EQ(Layout(), 3);
    EXPECT_EQ(Pages(), (Strings{"s0: " + Record(acme), "s0: criteria #5 #6", "s1: criteria #7"}));
    const std::vector<CTextCall> texts = Texts(2);
    const CTextCall* label = FindText(texts, "Number of Hits:");
    const CTextCall* hits = FindText(texts, "12");
    const CTextCall* status = FindText(texts, "Registered Pending Lapsed Abandoned");
    ASSERT_NE(label, nullptr);
    ASSERT_NE(hits, nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(hits->y, label->y);
    // Values start after the label column: half a line and "Device Classification:" (215).
    EXPECT_EQ(hits->x, 5 + kHalfLine + 215 + kHalfLine);
    // One empty criteria line (the wordmark font's, 40) before the hits.
    EXPECT_EQ(label->y, status->y + 2 * 40);
    options_.SetHideDuplicates(true);
    Layout();
    EXPECT_NE(FindText(Texts(2), "9"), nullptr);
}

TEST_F(PrintLayout, GreekWordMarksPrintInTheGreekFont) {
    CMark greek;
    for (const char* word : {"\xC1\xCB\xD6\xC1", "\xC2\xC7\xD4\xC1", "\xC4\xC5\xCB\xD4\xC1"}) {
        const std::vector<CORBA::ULong> ids =
            local_service::Search(local_service::Find(engines_.in(), 'c'),
                                  ("TMARK=\"" + std::string(word) + "\"").c_str());
        if (!ids.empty()) {
            greek = AddMark('c', word, 0, 0, CMark::kPermanentKeep);
            break;
        }
    }
    ASSERT_NE(greek.GetRecordNumber(), 0u);
    Layout();
    surface_.Clear();
    job_.OnPrint(surface_, 1);
    const std::string wordMark = Utf16ToUtf8(RecordTextToUtf16(Field(greek, "WORDMARK"), true));
    const Strings calls = surface_.DrawingCalls();
    const auto drawn = std::find_if(calls.begin(), calls.end(), [&](const std::string& call) {
        return call.find(", \"" + wordMark + "\")") != std::string::npos;
    });
    ASSERT_NE(drawn, calls.end()) << wordMark;
    const auto font =
        std::find_if(std::make_reverse_iterator(drawn), calls.rend(),
                     [](const std::string& call) { return call.rfind("SetFont", 0) == 0; });
    ASSERT_NE(font, calls.rend());
    EXPECT_EQ(*font, R"(SetFont("Arial", 10, 400, greek))");
}

TEST_F(PrintLayout, DeviceImagesFillRowsOfTheTextColumnUnlessTheFormAsksForTheTextOnly) {
    Keep('u', "ACME ZENITH", 0, true);
    Layout();
    surface_.Clear();
    job_.OnPrint(surface_, 1);
    // Three images in boxes of a quarter of the printable height (1379 / 4 = 344).
    int images = 0;
    for (const std::string& call : surface_.DrawingCalls()) {
        CRect target;
        int bytes = 0;
        if (std::sscanf(call.c_str(), "StretchImage(Png, %d bytes, %d, %d, %d, %d)", &bytes,
                        &target.left, &target.top, &target.right, &target.bottom) != 5)
            continue;
        ++images;
        EXPECT_GE(target.left, 130) << call;
        EXPECT_LE(target.right, 974) << call;
        EXPECT_LE(target.Width(), 344) << call;
        EXPECT_LE(target.Height(), 344) << call;
    }
    EXPECT_EQ(images, 3);
    // The text indicator only: the record's image style, which these records leave empty.
    CFormatBlock longFormat = options_.GetLongFormat();
    longFormat.device = 1;
    options_.SetLongFormat(longFormat);
    Layout();
    surface_.Clear();
    job_.OnPrint(surface_, 1);
    for (const std::string& call : surface_.DrawingCalls())
        EXPECT_EQ(call.find("StretchImage"), std::string::npos) << call;
}

TEST_F(PrintLayout, ClassesTooLongForTheirColumnGoUnderItsLabelWithinIt) {
    const CMark acme = Keep('u', "ACME", 0);
    const CMark zenith = Keep('u', "ZENITH", 0);
    const std::string classes = Field(acme, "CLASSES");
    ASSERT_EQ(classes, "9, 35");
    Layout();
    const std::vector<CTextCall> texts = Texts(1);
    // The column holds 95 across (10 each side of 115): "Class 9, 35" is 105.
    const CTextCall* label = FindText(texts, "Class");
    const CTextCall* value = FindText(texts, classes);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(label->x, 5 + kHalfLine);
    EXPECT_EQ(value->x, 5 + kHalfLine);
    EXPECT_EQ(value->y, label->y + kLine);
    EXPECT_NE(FindText(texts, "Class " + Field(zenith, "CLASSES")), nullptr);
    // ACME's item is a title and a word mark high, and as high as its class column.
    const CZrPrintItem& item = job_.GetPage(1).items.at(0);
    EXPECT_EQ(item.mark.GetRecordNumber(), acme.GetRecordNumber());
    EXPECT_EQ(item.height, kHalfLine + 2 * kLine);
    EXPECT_EQ(job_.GetPage(1).items.at(1).top, item.top + item.height);
}

TEST_F(PrintLayout, AMarkWithoutRecordSaysSo) {
    const CMark missing(0xfffff0, 'u', 0, 0, 0, CMark::kPermanentKeep);
    document_.MergeMark(missing);
    Layout();
    EXPECT_NE(FindText(Texts(1), "Cannot find details for 0xfffff0-117"), nullptr);
}

TEST_F(PrintLayout, NoTextIsSetPastTheRightEdgeOfTheColumns) {
    for (const char* word :
         {"ACME", "ACME ZENITH", "STAR BRIGHT", "ALPHA OMEGA", "NEW WORLD ORDER"})
        Keep('u', word, 0, true);
    Keep('c', "ACME", 0, true);
    SetPage(600, 1400);
    const int pages = Layout();
    const int right = job_.GetRect().right;
    int texts = 0;
    for (int n = 1; n <= pages; ++n) {
        for (const CTextCall& call : Texts(n)) {
            ++texts;
            // The text is ASCII but for Greek letters of two bytes each.
            const std::size_t letters = call.text.size();
            const int width = static_cast<int>(
                10 * letters - 5 * std::count(call.text.begin(), call.text.end(), ' '));
            EXPECT_LE(call.x + width, right) << n << ": " << call.text;
        }
    }
    EXPECT_GT(texts, 100);
}

TEST(PrintHeading, TheTemplateCodes) {
    EXPECT_EQ(FormatHeading("&b&d&bPage &p", "1 Jan 2024", 3),
              (CHeadingTexts{"", "1 Jan 2024", "Page 3"}));
    EXPECT_EQ(FormatHeading("A&&B", "d", 1), (CHeadingTexts{"A&B", "", ""}));
    EXPECT_EQ(FormatHeading("L&bC&bR&bdropped &p", "d", 1), (CHeadingTexts{"L", "C", "R"}));
    EXPECT_EQ(FormatHeading("&x&Page &p&", "d", 12), (CHeadingTexts{"age 12", "", ""}));
}

TEST(CriteriaRows, EveryRowOfACriteriaBlockInOrder) {
    CSearch search(0, 3);
    CCriteria& criteria = search.GetCriteria();
    criteria.SetDbIds("uc");
    criteria.AddCountry("GB", true);
    criteria.AddCountry("FR", true);
    criteria.SetClasses("25");
    criteria.SetWordTerms({"AC*"});
    ASSERT_TRUE(criteria.AddAndWordTerm("NOVA", 0, nullptr, 3));
    ASSERT_TRUE(criteria.AddExcludedWordTerm("ACNE", 0, nullptr, 2));
    criteria.SetStatus("rp");
    criteria.SetSet("AddedLastWeek");
    criteria.SetImageCats({"1.3.1", "2.1.1", "3.7.1"});
    criteria.SetImageCatsMatchAll(true);
    criteria.SetLocarnoClasses({"01-01", "02-02"});
    criteria.SetOwnerNames({"Acme Ltd", "Zenith SA"});
    criteria.SetAgentNames({"Blackwood"});
    criteria.AddGoods("soap");
    criteria.AddExcludedGoods("shoes");
    CTermMapper mapper;
    mapper.Add('*', '#');
    const CRegisterWording wording;
    const std::vector<CCriteriaRow> expected = {
        {"Databases:", wording.DbCodesToNames("uc")},
        {"Countries:", criteria.GetCountries().GetText()},
        {"Classes:", "25"},
        {"Match Word:", "AC#"},
        {"Similar Mark:", "NOVA"},
        {"But not Similar Word:", "ACNE"},
        {"Status:", "Registered Pending"},
        {"Search Set:", "AddedLastWeek"},
        {"Device Classification:", "1.3.1\nAnd 2.1.1\nAnd 3.7.1"},
        {"Locarno:", "01-01\n02-02"},
        {"Owners:", "Acme Ltd\nZenith SA"},
        {"Agents:", "Blackwood"},
        {"Goods A:", "soap"},
        {"Goods C:", "shoes"},
    };
    EXPECT_EQ(BuildCriteriaRows(search, wording, mapper, false), expected);
    search.SetOrder(4);
    search.SetFound(10);
    search.SetMarkCount(7);
    std::vector<CCriteriaRow> run = expected;
    run.push_back({"Number of Hits:", "10", true});
    EXPECT_EQ(BuildCriteriaRows(search, wording, mapper, false), run);
    run.back().value = "7";
    EXPECT_EQ(BuildCriteriaRows(search, wording, mapper, true), run);
}

} // namespace
