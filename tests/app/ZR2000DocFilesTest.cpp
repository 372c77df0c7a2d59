// The document's files: saving and opening, what failures leave behind, the database check on
// opening, merging, the quick save and the caveat search.

#include "DocFixture.h"
#include "app/document/DatabaseCheck.h"
#include "app/document/ZreFile.h"
#include "core/SystemOptions.h"
#include "platform/AtomicFile.h"
#include "registers/RegisterWording.h"

#include <filesystem>

namespace {

const CZrDate kSaved = MakeDate(2020, 3, 1);
const CZrDate kNewer = MakeDate(2020, 4, 1);

class DocFilesTest : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        registers.engines.insert_or_assign('u', MakeEngine('u', kSaved, 0x20000, "Office"));
        registers.engines.insert_or_assign('c', MakeEngine('c', kSaved, 0x80000, "Web"));
        repository.engines['u'] = {MakeEngine('u', kSaved, 0x20000, "Office")};
        repository.engines['c'] = {MakeEngine('c', kSaved, 0x80000, "Web")};
    }
    void TearDown() override { TheSystemOptions().Load(folder / "none"); }

    // System settings with these lines after the locations.
    void LoadSystemSettings(const std::string& lines) {
        folder.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + (folder / "home") + "\n" + lines);
        TheSystemOptions().Load(folder / "prog");
    }

    // An examination of two searches and their marks, saved to the path.
    void FillAndSave(CZR2000Doc& document, const std::string& path) {
        document.SetClient("Acme");
        document.SetExamId("E-7");
        CDbSelection selection = registers.catalogue;
        selection.SelectFromDbCodes("uc");
        selection.SetSelected("WT", "WTM", true);
        document.SetDbSelection(selection);
        const int uk = document.AddSearch(MakeRunSearch(1, "u", 1, 3));
        const int eu = document.AddSearch(MakeRunSearch(2, "c", 2, 1));
        // Edited in its sheet, the class field emptied.
        CSearch edited = document.FindSearch(eu);
        edited.GetCriteria().SetClasses("");
        document.ReplaceSearch(edited);
        const std::uint32_t ukRecords[] = {10, 12, 14};
        document.AddFoundMarks(ukRecords, 'u', 1, uk, true, false);
        const std::uint32_t euRecords[] = {20};
        document.AddFoundMarks(euRecords, 'c', 2, eu, false, false);
        ASSERT_TRUE(document.OnSaveDocument(path));
        // As the framework's save does.
        document.SetPathName(path);
    }

    std::string Bytes(const std::string& path) const {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return bytes;
    }

    // A file of these marks in this order, as another program may have written it, saved with
    // the registers' engines.
    std::string WriteMarks(const std::string& name, std::initializer_list<CMark> marks) {
        CMarkList list;
        for (const CMark& mark : marks)
            list.Append(mark);
        std::vector<CDbInfo> databases;
        for (char code : registers.connectedCodes)
            databases.push_back(SavedDatabase(code, registers.GetDbEngine(code)));
        CZreFile file;
        const std::string path = folder / name;
        file.OpenForWrite(path);
        file.WriteHeader(CExamInfo(), databases);
        file.WriteSearches(CSearchList(), nullptr);
        file.WriteMarks(list, nullptr);
        std::string error;
        EXPECT_TRUE(file.Close(error)) << error;
        return path;
    }
    // Opens the file and saves it under the name; the saved bytes.
    std::string OpenAndSave(const std::string& path, const std::string& name) {
        CZR2000Doc document(registers, repository, host);
        EXPECT_TRUE(document.OnOpenDocument(path));
        EXPECT_TRUE(document.OnSaveDocument(folder / name));
        return Bytes(folder / name);
    }
};

// Every field of every mark, in list order.
std::vector<std::string> MarkFields(const CZrDocData& data) {
    std::vector<std::string> fields;
    for (int i = 0; i < data.GetMarkCount(); ++i) {
        const CMark& m = data.GetMark(i);
        fields.push_back(std::to_string(m.GetRecordNumber()) + "|" +
                         std::to_string(m.GetRegisterCode()) + "|" +
                         std::to_string(m.GetAppNumber()) + "|" + std::to_string(m.GetSearchId()) +
                         "|" + std::to_string(m.GetSection()) + "|" + std::to_string(m.GetFlags()));
    }
    return fields;
}

TEST_F(DocFilesTest, SavedExaminationOpensAsItWas) {
    // A register an engine defines for itself, its group in the register table's catalogue.
    registers.catalogue.AddGroup(
        {"WT", "Web town", false, true, false, {{"WTM", 'w', "Web marks", "", false}}});
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.progressCaptions, (std::vector<std::string>{"Saving Examination"}));
    // Marks without an application number got theirs from the registers before saving.
    EXPECT_EQ(doc.GetMark(0).GetAppNumber(), 1020);

    CFakeHost otherHost;
    CZR2000Doc opened(registers, repository, otherHost);
    CRecordingView otherView;
    opened.AddView(&otherView);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    EXPECT_TRUE(otherHost.messages.empty());
    EXPECT_EQ(opened.GetPathName(), path);
    EXPECT_FALSE(opened.IsModified());
    EXPECT_EQ(opened.GetClient(), "Acme");
    EXPECT_EQ(opened.GetExamId(), "E-7");
    EXPECT_EQ(opened.CZrDocData::GetDatabaseCodes(), "uc");
    EXPECT_TRUE(opened.GetDbSelection() == doc.GetDbSelection());
    EXPECT_EQ(opened.GetSearchCount(), 2);
    EXPECT_EQ(opened.FindSearch(1).GetFound(), 3);
    // Each search's line, new or edited, reads as it did.
    const CRegisterWording wording;
    for (const int id : {1, 2})
        EXPECT_EQ(opened.FindSearch(id).GetDescription(false, nullptr, wording),
                  doc.FindSearch(id).GetDescription(false, nullptr, wording));
    ASSERT_EQ(opened.GetMarkCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(opened.GetMark(i).GetRecordNumber(), doc.GetMark(i).GetRecordNumber());
        EXPECT_EQ(opened.GetMark(i).GetFlags(), doc.GetMark(i).GetFlags());
    }
    EXPECT_EQ(opened.GetTemplateCriteria().GetDbIds(), "uc");
    EXPECT_EQ(otherHost.watchModes, (std::vector<bool>{false}));
    EXPECT_EQ(otherView.hints, (std::vector<int>{4, 4}));
    // Each database takes its preferred engine; built-in registers not used lose theirs.
    EXPECT_EQ(registers.GetDbEngine('u').GetName(), "Office");
    EXPECT_NE(std::find(registers.switches.begin(), registers.switches.end(), "s:"),
              registers.switches.end());
}

TEST_F(DocFilesTest, FailedOpenLeavesTheDocumentAsItWas) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    doc.SetMark(0, CMark(10, 'u', 1, 1, 1010, CMark::kKept | CMark::kLong), 1);
    ASSERT_TRUE(doc.IsModified());

    const std::string missing = folder / "missing.zre";
    EXPECT_FALSE(doc.OnOpenDocument(missing));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "W305 Cannot open: " + missing + " due to: No such file or directory");

    const std::string damaged = folder.Write("damaged.zre", Bytes(path).substr(0, 700));
    EXPECT_FALSE(doc.OnOpenDocument(damaged));
    EXPECT_EQ(host.messages.back().rfind(
                  "Could not load " + damaged + " \nZRE file is damaged or incomplete: ", 0),
              0u);

    registers.known.erase('c');
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(host.messages.back(),
              "Could not load " + path + " \nZRE file uses databases (c) not currently available");

    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetMarkCount(), 4);
    EXPECT_EQ(doc.GetSearchCount(), 2);
    EXPECT_EQ(doc.GetClient(), "Acme");
}

TEST_F(DocFilesTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    const std::string before = Bytes(path);

    doc.SetValue(200, std::string(70000, 'x'));
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(host.messages.back(),
              "W306 Cannot write: " + path +
                  " due to: The examination setting under key 200 is 70000 bytes long and "
                  "cannot be saved: the file holds texts of up to 65530 bytes");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Bytes(path), before);

    doc.SetValue(200, "short");
    const std::string nowhere = folder / "no/such/folder/exam.zre";
    EXPECT_FALSE(doc.OnSaveDocument(nowhere));
    EXPECT_EQ(host.messages.back().rfind("W306 Cannot write: " + nowhere + " due to: ", 0), 0u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

// One record held several times in one section, partly by one search, and its marks' group
// flags and numbers as another program left them: opened and saved, then opened and saved
// again without an edit, the file is the same.
TEST_F(DocFilesTest, AnExaminationSavedAgainWithoutAnEditKeepsItsBytes) {
    const std::string numbered =
        WriteMarks("numbered.zre", {CMark(10, 'u', 1, 5, 1010, 0), CMark(10, 'u', 1, 3, 1010, 0),
                                    CMark(10, 'u', 1, 1, 1010, CMark::kDuplicate)});
    const std::string a = OpenAndSave(numbered, "a.zre");
    EXPECT_EQ(OpenAndSave(folder / "a.zre", "b.zre"), a);

    // Numbers filled in while saving take part in the order of otherwise equal marks.
    const std::string unnumbered =
        WriteMarks("unnumbered.zre", {CMark(10, 'u', 1, 3, 0, 0), CMark(10, 'u', 1, 5, 0, 0),
                                      CMark(10, 'u', 1, 5, 7, 0), CMark(12, 'u', 1, 5, 0, 0)});
    const std::string c = OpenAndSave(unnumbered, "c.zre");
    EXPECT_EQ(OpenAndSave(folder / "c.zre", "d.zre"), c);
}

// Pasted marks of one record whose group flags came with them: merged, they stand in mark order,
// but their numbers no longer order those equal in it; the file has the order a reader restores.
TEST_F(DocFilesTest, PastedMarksAreSavedInTheOrderOfReading) {
    const CMark pasted[] = {CMark(10, 'u', 0, 0, 100, CMark::kKept),
                            CMark(10, 'u', 0, 0, 300, CMark::kKept),
                            CMark(10, 'u', 0, 0, 200, CMark::kKept | CMark::kDuplicate)};
    doc.AddMarks(pasted, 1, 0);
    const std::string path = folder / "pasted.zre";
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(OpenAndSave(path, "again.zre"), Bytes(path));
    EXPECT_EQ(MarkFields(doc), (std::vector<std::string>{"10|117|100|0|1|16", "10|117|200|0|1|20",
                                                         "10|117|300|0|1|20"}));
}

// Marks of registers that no database block names (no engine when saved, or no register here)
// are saved with the others and come back unchanged.
TEST_F(DocFilesTest, MarksOfRegistersWithoutADatabaseBlockSurvive) {
    const std::string path = folder / "exam.zre";
    const std::uint32_t uk[] = {10};
    doc.AddFoundMarks(uk, 'u', 1, 0, true, false);
    const CMark others[] = {CMark(20, 'd', 1, 0, 2020, CMark::kPermanentKeep),
                            CMark(30, 'z', 2, 0, 3030, CMark::kPermanentKeep | CMark::kLong)};
    doc.MergeMarks(others);
    ASSERT_TRUE(doc.OnSaveDocument(path));

    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(opened.CZrDocData::GetDatabaseCodes(), "uc");
    EXPECT_EQ(MarkFields(opened), MarkFields(doc));
    EXPECT_EQ(MarkFields(opened).size(), 3u);
}

TEST_F(DocFilesTest, CancelledPreparationSavesNothing) {
    const std::uint32_t records[] = {1};
    doc.AddFoundMarks(records, 'u', 1, 0, false, false);
    host.cancelAt = "Preparing for save";
    EXPECT_FALSE(doc.OnSaveDocument(folder / "exam.zre"));
    EXPECT_FALSE(std::filesystem::exists(folder / "exam.zre"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocFilesTest, ApplicationNumbersAreAskedForInBatches) {
    std::vector<std::uint32_t> records;
    for (std::uint32_t i = 1; i <= 301; ++i)
        records.push_back(i);
    doc.AddFoundMarks(records, 'u', 1, 0, false, false);
    const std::uint32_t eu[] = {7};
    doc.AddFoundMarks(eu, 'c', 1, 0, false, false);
    // Numbers the engine cannot tell are not asked for again.
    registers.appNumberOffset = 0;
    const std::uint32_t unknown[] = {0};
    doc.AddFoundMarks(unknown, 'd', 1, 0, false, false);
    ASSERT_TRUE(doc.OnSaveDocument(folder / "exam.zre"));
    EXPECT_EQ(registers.appNumberCalls, (std::vector<std::size_t>{1, 1, 300, 1}));
}

TEST_F(DocFilesTest, QuickSaveToThePendingFolderLeavesTheDocumentModified) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    const std::string before = Bytes(path);
    std::filesystem::create_directories(folder / "pending");
    LoadSystemSettings("PendingDir=" + (folder / "pending") + "\n");

    doc.SetClient("Changed");
    doc.SetModifiedFlag();
    doc.QuickSave();
    EXPECT_EQ(host.statusTexts, (std::vector<std::string>{"Saving...", "Saved"}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Bytes(path), before);
    EXPECT_TRUE(std::filesystem::exists(folder / "pending/exam.zre"));

    CZR2000Doc empty(registers, repository, host);
    empty.QuickSave();
    EXPECT_EQ(host.saveAsFolders, (std::vector<std::string>{folder / "pending"}));
}

TEST_F(DocFilesTest, QuickSaveWithoutPendingFolderSavesTheDocument) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    doc.SetModifiedFlag();
    doc.QuickSave();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocFilesTest, ChangedDatabaseResetsItsSearchesOnOpening) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    // The saved UK engine is gone; a newer one took its place.
    repository.engines['u'] = {MakeEngine('u', kNewer, 0x20000, "Office")};
    registers.newRecordOffset = 5000;

    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0], "The DB-u(1 Mar 2020) database that this examination was saved "
                                "with is no longer available");
    EXPECT_EQ(host.messages[1],
              "U208 The database has changed since this examination was last saved.\nContinuing "
              "will result in searches being reset but kept marks will be retained.");
    EXPECT_FALSE(opened.FindSearch(1).HasRun());
    EXPECT_TRUE(opened.FindSearch(2).HasRun());
    // The UK marks, kept in their open results when saved, stay out of their search under the
    // records of their numbers, kept in their section's list.
    int ukMarks = 0;
    for (int i = 0; i < opened.GetMarkCount(); ++i) {
        const CMark& mark = opened.GetMark(i);
        if (mark.GetRegisterCode() == 'u') {
            ++ukMarks;
            EXPECT_EQ(mark.GetSearchId(), 0);
            EXPECT_EQ(mark.GetRecordNumber(), mark.GetAppNumber() + 5000u);
            EXPECT_EQ(mark.GetFlags() & CMark::kAnyKeep, CMark::kPermanentKeep);
        }
    }
    EXPECT_EQ(ukMarks, 3);
    EXPECT_EQ(registers.recordCalls, (std::vector<std::size_t>{3}));
}

TEST_F(DocFilesTest, ResetSearchesGoBehindTheRunOnesOfTheirSection) {
    const int uk = doc.AddSearch(MakeRunSearch(1, "u", 1, 3));
    const int eu = doc.AddSearch(MakeRunSearch(1, "c", 2, 1));
    const std::string path = folder / "exam.zre";
    ASSERT_TRUE(doc.OnSaveDocument(path));
    repository.engines['u'] = {MakeEngine('u', kNewer, 0x20000, "Office")};
    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    ASSERT_EQ(opened.GetSearchCount(), 2);
    EXPECT_EQ(opened.GetSearch(0).GetSearchId(), eu);
    EXPECT_EQ(opened.GetSearch(1).GetSearchId(), uk);
    EXPECT_FALSE(opened.GetSearch(1).HasRun());
}

TEST_F(DocFilesTest, ReidentifiedMarksStayInMarkOrder) {
    // Records 10 and 12 turn out to be one record of the new data: one group, in mark order.
    const std::string path = WriteMarks(
        "exam.zre", {CMark(10, 'u', 1, 3, 1010, CMark::kPermanentKeep),
                     CMark(10, 'u', 1, 1, 1010, CMark::kPermanentKeep | CMark::kDuplicate),
                     CMark(12, 'u', 1, 2, 1010, CMark::kPermanentKeep)});
    repository.engines['u'] = {MakeEngine('u', kNewer, 0x20000, "Office")};
    registers.newRecordOffset = 5000;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(MarkFields(doc),
              (std::vector<std::string>{"6010|117|1010|2|1|1", "6010|117|1010|1|1|5",
                                        "6010|117|1010|3|1|5"}));
}

TEST_F(DocFilesTest, ChangedWatchIsToldInItsOwnWords) {
    const std::string path = folder / "watch.zre";
    CMarkList marks;
    marks.Append(CMark(10, 'u', 1, 0, 0, CMark::kPermanentKeep));
    doc.SetWatchContents(marks, CSearchList());
    ASSERT_TRUE(doc.OnSaveDocument(path));
    repository.engines['u'] = {MakeEngine('u', kNewer, 0x20000, "Office")};
    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    EXPECT_EQ(host.messages.back(),
              "U208 The database has changed since this watch was last saved.\nYou need to run "
              "the watch again to get the latest information.");
    EXPECT_EQ(host.watchModes.back(), true);
}

TEST_F(DocFilesTest, SkippingTheConversionKeepsTheSearches) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    LoadSystemSettings("[Test]\nNoZreConvert=1\n");
    repository.engines['u'] = {MakeEngine('u', kNewer, 0x20000, "Office")};
    host.answers = {true};
    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Do you want to skip the zre conversion"}));
    EXPECT_TRUE(opened.FindSearch(1).HasRun());
}

TEST_F(DocFilesTest, NewerDataOffersTheEngineChoice) {
    const std::string path = folder / "exam.zre";
    FillAndSave(doc, path);
    repository.engines['u'] = {MakeEngine('u', kSaved, 0x20000, "Office"),
                               MakeEngine('u', kNewer, 0x80000, "Web")};
    host.answers = {true};
    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    EXPECT_EQ(host.questions,
              (std::vector<std::string>{"There are more up to date versions of the DB-u(1 Mar "
                                        "2020) databases now available\r\rDo you want to change "
                                        "the databases?"}));
    EXPECT_EQ(host.engineChoices, (std::vector<std::string>{"u"}));
    // The saved engine is still there: nothing changed.
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(opened.FindSearch(1).HasRun());
}

TEST_F(DocFilesTest, OldCriteriaOfCountrySubsetsAreReported) {
    CSearch search = MakeSearch(1, "u");
    search.GetCriteria().AddCountry("FR", true);
    doc.AddSearch(search);
    const std::string path = folder / "old.zre";
    ASSERT_TRUE(doc.OnSaveDocument(path));
    std::string bytes = Bytes(path);
    bytes.replace(40, 4, std::string(4, '\0')); // written by an unknown older program
    folder.Write("old.zre", bytes);
    CZR2000Doc opened(registers, repository, host);
    ASSERT_TRUE(opened.OnOpenDocument(path));
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().rfind("U210 The examination you have just loaded has search "
                                         "criteria specifying a subset of countries",
                                         0),
              0u);
}

TEST_F(DocFilesTest, MergedSearchIdsFollowTheExaminations) {
    const std::string path = folder / "other.zre";
    {
        CZR2000Doc other(registers, repository, host);
        FillAndSave(other, path);
    }
    for (int i = 0; i < 4; ++i)
        doc.AddSearch(MakeSearch(1, "u"));
    doc.SetModifiedFlag(false);
    view.hints.clear();
    ASSERT_TRUE(doc.MergeDocument(path));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.GetSearchCount(), 6);
    EXPECT_EQ(doc.FindSearch(5).GetSection(), 1);
    EXPECT_EQ(doc.FindSearch(6).GetSection(), 2);
    EXPECT_EQ(doc.FindSearch(5).GetOrder(), 1);
    EXPECT_EQ(doc.FindSearch(6).GetOrder(), 2);
    EXPECT_EQ(doc.CountMarks(MakeSearchIdFilter(5, false, true)), 3);
    EXPECT_EQ(doc.CountMarks(MakeSearchIdFilter(6, false, true)), 1);
    EXPECT_EQ(doc.FindSearch(5).GetMarkCount(), 3);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, (std::vector<int>{4}));
}

TEST_F(DocFilesTest, MergeRefusesWatchesAndTrainingMixes) {
    const std::string watchPath = folder / "watch.zre";
    {
        CZR2000Doc watch(registers, repository, host);
        watch.SetWatchContents(CMarkList(), CSearchList());
        ASSERT_TRUE(watch.OnSaveDocument(watchPath));
    }
    EXPECT_FALSE(doc.MergeDocument(watchPath));
    EXPECT_EQ(host.messages.back(), "U209 You cannot merge a watch into an examination.");

    registers.connectedCodes = "0";
    registers.engines.insert_or_assign('0', MakeEngine('0', kSaved, 0x80000, "Training"));
    const std::string trainingPath = folder / "training.zre";
    {
        CZR2000Doc training(registers, repository, host);
        ASSERT_TRUE(training.OnSaveDocument(trainingPath));
    }
    registers.connectedCodes = "uc";
    EXPECT_FALSE(doc.MergeDocument(trainingPath));
    EXPECT_EQ(host.messages.back(),
              "U213 You cannot merge training databases with live databases.");
    EXPECT_EQ(doc.GetSearchCount(), 0);
}

TEST_F(DocFilesTest, CaveatSearchAsksInBatchesAndAddsTheChangedMarks) {
    const std::string path = folder / "kept.zre";
    {
        CZR2000Doc kept(registers, repository, host);
        std::vector<std::uint32_t> records;
        for (std::uint32_t i = 1; i <= 5000; ++i)
            records.push_back(i);
        kept.AddFoundMarks(records, 'u', 1, 0, false, false);
        for (int i = 0; i < kept.GetMarkCount(); ++i) {
            CMark mark = kept.GetMark(i);
            mark.SetFlags(CMark::kPermanentKeep);
            kept.SetMark(i, mark, 0);
        }
        const std::uint32_t unkept[] = {9001};
        kept.AddFoundMarks(unkept, 'c', 1, 0, false, false);
        ASSERT_TRUE(kept.OnSaveDocument(path));
    }
    doc.SetClient("Acme");
    int searchId = 0;
    int found = 0;
    ASSERT_TRUE(doc.CaveatSearch(path, "UpdatedLastWeek", 2, searchId, found));
    EXPECT_EQ(searchId, 1);
    EXPECT_EQ(registers.caveatCalls, (std::vector<std::size_t>{4096, 904}));
    EXPECT_EQ(found, 2500);
    EXPECT_EQ(doc.CountMarks(MakeSearchIdFilter(1, false, true)), 2500);
    EXPECT_EQ(doc.GetMark(0).GetSection(), 2);
    ASSERT_EQ(repository.logged.size(), 1u);
    EXPECT_EQ(repository.logged[0], "|Acme||Caveat search of " + path + " with 5001 marks");

    registers.caveatFails = true;
    EXPECT_FALSE(doc.CaveatSearch(path, "UpdatedLastWeek", 2, searchId, found));
    EXPECT_EQ(host.messages.back(), "Error retieving results from DB-u engine");
}

TEST_F(DocFilesTest, ReidentifiesMarksInBatches) {
    CMarkList marks;
    CSearchList searches;
    for (std::uint32_t i = 1; i <= 151; ++i)
        marks.Append(CMark(i, 'u', 1, 0, static_cast<int>(i), 0));
    CDatabaseCheck check(registers, repository, host);
    check.ResetChangedSearches("u", false, marks, searches);
    EXPECT_EQ(registers.recordCalls, (std::vector<std::size_t>{150, 1}));
}

} // namespace
