// Watches over the local service: an examination's kept marks converted to a watch through the
// document, and watch runs whose found marks land in their watched mark's section, over the
// record set of the settings, whether the run ends, is cancelled or stops at a failure.

#include "app/document/TableRegisters.h"
#include "registers/RecordRows.h"
#include "search/WatchController.h"
#include "search/WatchProgress.h"
#include "tests/engines/ConnectedFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

using Ids = std::set<std::uint32_t>;

// The document's host, its repository and the conversion's windows: messages and questions
// answered No, a progress whose Cancel is pressed at an item (0: never), the options dialog
// answering with its options.
class CWatchHost : public IDocumentHost, public IExamRepository, public IWatchWindows {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void ChangeEngines(const std::string&) override {}
    void SetWatchMode(bool watch) override { watchModes.push_back(watch); }
    void SetStatusText(const std::string&) override {}
    void SaveAs(const std::string&) override {}
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override {
        captions.push_back(caption);
        return std::make_unique<CProgress>(*this);
    }
    std::vector<CZrDbEngine> GetEngines(char) const override { return {}; }
    CZrDbEngine GetPreferredEngine(char code) const override {
        return CZrDbEngine(static_cast<unsigned char>(code));
    }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
    bool SaveDocument() override {
        ++saves;
        return saved;
    }
    bool EditOptions(CWatchOptions& shown) override {
        ++dialogs;
        shown = options;
        return accept;
    }
    void ShowWatch() override { ++watchesShown; }

    int cancelAt = 0;
    std::vector<bool> watchModes;
    std::vector<std::string> captions;
    std::vector<std::string> progressTexts;
    CWatchOptions options{false, true, true};
    bool accept = true;
    bool saved = true;
    int saves = 0;
    int dialogs = 0;
    int watchesShown = 0;

private:
    class CProgress : public IProgress {
    public:
        explicit CProgress(CWatchHost& host) : host_(host) {}
        void SetRange(int, int, int) override {}
        void SetProgress(const std::string& text, int item) override {
            host_.progressTexts.push_back(text);
            item_ = item;
        }
        void Finish() override {}
        bool IsCancelled() const override { return host_.cancelAt != 0 && item_ >= host_.cancelAt; }

    private:
        CWatchHost& host_;
        int item_ = 0;
    };
};

// The examination document of the engines' tests, telling each time marks are added.
class CWatchDocument : public CTestExamDocument {
public:
    int AddFoundMarks(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                      bool isLong) override {
        std::string codes;
        for (const CRecordSet& set : sets)
            codes += static_cast<char>(set.registerCode);
        additions.push_back(std::to_string(section) + "|" + std::to_string(searchId) + "|" + codes);
        return CTestExamDocument::AddFoundMarks(sets, section, searchId, keep, isLong);
    }
    // The record ids of the marks found in the section.
    Ids FoundIn(int section) {
        Ids ids;
        for (int i = 0; i < Marks().GetCount(); ++i) {
            const CMark& mark = Marks().GetAt(i);
            if (mark.GetSection() == section && mark.GetSearchId() != 0)
                ids.insert(mark.GetRecordNumber());
        }
        return ids;
    }

    std::vector<std::string> additions;
};

CCriteria WordCriteria(char code, const std::string& term, const std::string& set) {
    CCriteria criteria;
    criteria.ResetWithDbIds(std::string(1, code));
    criteria.AddWord(term);
    criteria.SetSet(set);
    return criteria;
}

class WatchWire : public ConnectedFixture {
protected:
    void SetUp() override {
        ConnectedFixture::SetUp();
        remote_ = local_service::Logon(local_service::Remote(), "");
    }

    // The record ids that a search of the term over the set finds, asked of the engine bare.
    Ids Expected(char code, const std::string& term, const std::string& set) {
        const std::vector<CORBA::ULong> found =
            local_service::Search(local_service::Find(remote_.in(), code),
                                  WordCriteria(code, term, set).WriteEngineText().c_str());
        return Ids(found.begin(), found.end());
    }
    int AddWatchSearch(int section, char code, const std::string& term,
                       const std::string& set = "") {
        CSearch search(section);
        search.SetCriteria(WordCriteria(code, term, set));
        return watch_.Searches().Add(search);
    }
    // The marks with exactly that word mark.
    std::vector<std::uint32_t> MarksOf(char code, const std::string& wordMark) {
        std::vector<std::uint32_t> ids;
        for (const CORBA::ULong id : local_service::Search(
                 local_service::Find(remote_.in(), code), ("TMARK=\"" + wordMark + "\"").c_str())) {
            const RecordPtr record = zrDbs_.GetDb(static_cast<unsigned char>(code))
                                         ->FetchTextRecord(CMark(id, code, 0, 0));
            if (record && record->GetField("WORDMARK") == wordMark)
                ids.push_back(id);
        }
        return ids;
    }
    static Ids Union(std::initializer_list<Ids> sets) {
        Ids all;
        for (const Ids& set : sets)
            all.insert(set.begin(), set.end());
        return all;
    }

    EngineInfoSeq_var remote_;
    CWatchDocument watch_;
};

class ConvertToWatch : public WatchWire {
protected:
    // An examination whose kept marks are ACME (in sections 1 and 2) and ACME ZENITH, a device
    // mark, of the UK register.
    void SetUp() override {
        WatchWire::SetUp();
        acme_ = MarksOf('u', "ACME");
        acmeZenith_ = MarksOf('u', "ACME ZENITH");
        ASSERT_EQ(acme_.size(), 1u);
        ASSERT_EQ(acmeZenith_.size(), 1u);
        doc_.AddFoundMarks(acme_, 'u', 1, 0, true, false);
        const CMark again(acme_[0], 'u', 2, 0, 0, CMark::kKept);
        doc_.MergeMarks({&again, 1});
        doc_.AddFoundMarks(acmeZenith_, 'u', 2, 0, true, false);
        // Not kept: not watched.
        doc_.AddFoundMarks(MarksOf('u', "NOVA"), 'u', 1, 0, false, false);
        doc_.SetModifiedFlag(false);
    }
    bool Generate() {
        CWatchController controller(doc_, host_, host_, records_, settings_.User());
        return controller.GenerateWatch();
    }
    // Per section of the watch: the word mark of its watched mark, then each search's register
    // and terms, "devices" for the record's device categories, and whether its classes are not
    // the record's.
    std::vector<std::string> Sections() {
        std::vector<std::string> sections;
        for (int section = 1; section <= doc_.GetMarkCount(); ++section) {
            CMark watched;
            if (!doc_.GetFilteredMark(MakeSectionFilter(section, true), 0, watched))
                continue;
            const RecordPtr record = zrDbs_.GetDbOfMark(watched)->FetchTextRecord(watched);
            CClassList classes;
            classes.SetFromText(std::string(record->GetField("CLASSES")));
            std::string text = std::string(record->GetField("WORDMARK")) + ":";
            std::vector<int> ids;
            doc_.GetFilteredSearchIds(MakeNotRunFilter(section), ids);
            for (const int id : ids) {
                const CCriteria& criteria = doc_.FindSearch(id).GetCriteria();
                text += " " + criteria.GetDbIds() + "/";
                for (const std::string& term : criteria.GetWordTerms())
                    text += term;
                if (!criteria.GetImageCats().empty())
                    text += criteria.GetImageCats() == StringListItems(*record, "DEVCATS")
                                ? "devices"
                                : "other devices";
                if (criteria.GetClasses().Compare(classes) != 1)
                    text += "/other classes";
            }
            sections.push_back(text);
        }
        return sections;
    }

    CTableRegisters registers_{zrDbs_};
    CWatchHost host_;
    CZR2000Doc doc_{registers_, host_, host_};
    CTableWatchRecords records_{zrDbs_};
    std::vector<std::uint32_t> acme_;
    std::vector<std::uint32_t> acmeZenith_;
};

} // namespace

TEST_F(ConvertToWatch, EachKeptMarkBecomesASectionWithItsSearches) {
    CScriptedMessages messages;
    ASSERT_TRUE(Generate());
    EXPECT_THAT(messages.Texts(), IsEmpty());
    EXPECT_TRUE(doc_.IsWatch());
    EXPECT_EQ(doc_.GetWatchMarkCount(), 3);
    EXPECT_THAT(host_.watchModes, ElementsAre(true));
    EXPECT_EQ(host_.watchesShown, 1);
    EXPECT_THAT(host_.captions, ElementsAre("Generating watch"));
    EXPECT_THAT(host_.progressTexts, ElementsAre("Processing mark 1 of 3", "Processing mark 2 of 3",
                                                 "Processing mark 3 of 3"));
    // The same mark kept twice is watched twice; the device mark is watched for its devices.
    EXPECT_THAT(Sections(), UnorderedElementsAre("ACME: u/-ACME-", "ACME: u/-ACME-",
                                                 "ACME ZENITH: u/-ACME- u/-ZENITH- u/devices"));
    for (int section = 1; section <= 3; ++section)
        EXPECT_EQ(doc_.CountMarks(MakeSectionFilter(section, true)), 1) << section;
    // The options chosen are kept.
    EXPECT_FALSE(settings_.User().GetWatchIncludeCrossClasses());
}

TEST_F(ConvertToWatch, CancelLeavesTheExaminationAsItWas) {
    host_.cancelAt = 2;
    const int marks = doc_.GetMarkCount();
    CScriptedMessages messages;
    EXPECT_TRUE(Generate());
    EXPECT_FALSE(doc_.IsWatch());
    EXPECT_EQ(doc_.GetMarkCount(), marks);
    EXPECT_EQ(doc_.GetSearchCount(), 0);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_THAT(host_.watchModes, IsEmpty());
    EXPECT_EQ(host_.watchesShown, 0);
    EXPECT_THAT(host_.progressTexts,
                ElementsAre("Processing mark 1 of 3", "Processing mark 2 of 3"));
}

TEST_F(ConvertToWatch, NothingIsDoneUnlessTheUserAgrees) {
    doc_.SetModifiedFlag(true);
    {
        CScriptedMessages cancel({platform::MessageAnswer::Cancel});
        EXPECT_FALSE(Generate());
        ASSERT_EQ(cancel.Shown().size(), 1u);
        EXPECT_EQ(cancel.Shown()[0].text, CWatchController::kSaveFirstText);
        EXPECT_EQ(cancel.Shown()[0].buttons, platform::MessageButtons::YesNoCancel);
    }
    {
        // The save fails.
        host_.saved = false;
        CScriptedMessages yes({platform::MessageAnswer::Yes});
        EXPECT_FALSE(Generate());
        EXPECT_EQ(host_.saves, 1);
    }
    EXPECT_EQ(host_.dialogs, 0);
    {
        // Not saved, and the dialog cancelled: its options are not kept.
        host_.accept = false;
        CScriptedMessages no({platform::MessageAnswer::No});
        EXPECT_FALSE(Generate());
        EXPECT_EQ(host_.dialogs, 1);
        EXPECT_TRUE(settings_.User().GetWatchIncludeCrossClasses());
    }
    EXPECT_FALSE(doc_.IsWatch());
    EXPECT_THAT(host_.captions, IsEmpty());

    CZR2000Doc empty(registers_, host_, host_);
    CWatchController controller(empty, host_, host_, records_, settings_.User());
    CScriptedMessages messages;
    EXPECT_FALSE(controller.GenerateWatch());
    EXPECT_THAT(messages.Texts(), ElementsAre(CWatchController::kNoKeptMarksText));
}

TEST_F(WatchWire, ASectionsSearchesAddTheirMarksOnceTogether) {
    const int first = AddWatchSearch(1, 'u', "-TA-");
    AddWatchSearch(1, 'u', "-MO-");
    AddWatchSearch(1, 'u', "-RI-");
    AddWatchSearch(2, 'c', "-KO-");
    CWatchProgress progress(watch_, Services());
    ASSERT_TRUE(progress.CollectSearches(1));
    ASSERT_TRUE(progress.CollectSearches(2));
    ASSERT_TRUE(RunToEnd(progress));
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);

    // Each section's marks are of the section as their search, as the views pick them.
    EXPECT_THAT(watch_.additions, ElementsAre("1|1|u", "2|2|c"));
    const Ids section1 = watch_.FoundIn(1);
    EXPECT_EQ(section1,
              Union({Expected('u', "-TA-", "AddedLastWeek"), Expected('u', "-MO-", "AddedLastWeek"),
                     Expected('u', "-RI-", "AddedLastWeek")}));
    EXPECT_EQ(watch_.FoundIn(2), Expected('c', "-KO-", "AddedLastWeek"));
    ASSERT_GT(section1.size(), 3u);
    // [Watch] AutoKeep on, AutoLong off.
    for (int i = 0; i < watch_.Marks().GetCount(); ++i)
        EXPECT_EQ(watch_.Marks().GetAt(i).GetFlags() & 0x12, 0x10u);
    EXPECT_TRUE(watch_.FindSearch(first).HasRun());
    CWatchProgress again(watch_, Services());
    EXPECT_FALSE(again.CollectSearches(1));
}

TEST_F(WatchWire, EverySearchRunsOverTheWatchSet) {
    settings_.User().SetWatchSet("UpdatedLastWeek");
    settings_.User().SetWatchAutoLong(true);
    AddWatchSearch(1, 'u', "-TA-", "AddedLastWeek");
    AddWatchSearch(1, 'w', "-MO-");
    CWatchProgress progress(watch_, Services());
    progress.AddSearches(MakeKeptFilter(true, false));
    ASSERT_TRUE(RunToEnd(progress));

    const std::vector<std::string> started = Calls("StartSearch2(");
    ASSERT_EQ(started.size(), 2u);
    for (const std::string& call : started) {
        EXPECT_NE(call.find("UpdatedLastWeek"), std::string::npos) << call;
        EXPECT_EQ(call.find("AddedLastWeek"), std::string::npos) << call;
    }
    // The web register's hits are added too.
    EXPECT_THAT(watch_.additions, ElementsAre(testing::EndsWith("|uw")));
    EXPECT_EQ(watch_.FoundIn(1), Union({Expected('u', "-TA-", "UpdatedLastWeek"),
                                        Expected('w', "-MO-", "UpdatedLastWeek")}));
    EXPECT_EQ(watch_.Marks().GetAt(0).GetFlags() & 0x12, 0x12u);
}

TEST_F(WatchWire, ARunEndedInsideASectionAddsWhatItFound) {
    const int first = AddWatchSearch(1, 'u', "-TA-");
    const int second = AddWatchSearch(1, 'u', "-MO-");
    AddWatchSearch(1, 'u', "-RI-");
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "failed");
        watch_.Marks().RemoveAll();
        watch_.additions.clear();
        for (const int id : {first, second}) {
            CSearch reset = watch_.FindSearch(id);
            reset.SetOrder(0);
            reset.SetFlags(0);
            watch_.ReplaceSearch(reset);
        }
        CScriptedMessages messages;
        CWatchProgress progress(watch_, Services());
        ASSERT_TRUE(progress.CollectSearches(1));
        progress.Begin();
        while (!watch_.FindSearch(first).HasRun() && !progress.IsEnded())
            progress.Tick();
        if (cancel) {
            progress.Cancel();
        } else {
            // Every database of the second search fails: the run stops.
            control_->SetEngineFault("u", "failSearch", "disk full", 0);
            for (int tick = 0; tick < 50 && !progress.IsEnded(); ++tick)
                progress.Tick();
            control_->SetEngineFault("u", "none", "", 0);
            EXPECT_THAT(messages.Texts(),
                        ElementsAre(testing::StartsWith("The search could not be completed")));
        }
        ASSERT_EQ(progress.GetResult(), CSearchProgress::Result::Cancel);
        EXPECT_THAT(watch_.additions, ElementsAre("1|1|u"));
        EXPECT_EQ(watch_.FoundIn(1), Expected('u', "-TA-", "AddedLastWeek"));
        EXPECT_FALSE(watch_.FindSearch(second).HasRun());
    }
}
