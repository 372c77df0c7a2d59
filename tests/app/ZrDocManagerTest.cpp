// The main window's files: the dialogs' folders, the question before leaving a modified
// examination, Save As and the recent-files list, over real examination files.

#include "app/ZrDocManager.h"

#include "DocFixture.h"
#include "core/SystemOptions.h"
#include "tests/engines/ScriptedMessages.h"

#include <deque>

namespace {

using Texts = std::vector<std::string>;
using platform::MessageAnswer;

struct Fakes : IFileDialogs, IRecentFiles, INewExamination {
    bool Ask(const CFileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        if (answers.empty())
            return false;
        path = answers.front();
        answers.pop_front();
        return !path.empty();
    }
    void Add(const std::string& path) override { recent.push_back("+" + path); }
    void Remove(const std::string& path) override { recent.push_back("-" + path); }
    bool Run(CZR2000Doc& document) override {
        ++wizardRuns;
        if (wizardFinishes)
            document.NewExamination({});
        return wizardFinishes;
    }

    std::vector<CFileDialogRequest> requests;
    std::deque<std::string> answers;
    Texts recent;
    int wizardRuns = 0;
    bool wizardFinishes = true;
};

class ZrDocManagerTest : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        folder.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder / "home" +
                                              "\nOpenDir=" + folder / "open" +
                                              "\nSaveAsDir=" + folder / "saved" + "\n");
        system.Load(folder / "prog");
        std::filesystem::create_directories(folder / "saved");
        registers.connectedCodes = "u";
    }
    // A saved examination with one search.
    std::string SavedExamination(const std::string& name) {
        doc.AddSearch(MakeSearch(1, "u"));
        const std::string path = folder / name;
        EXPECT_TRUE(doc.OnSaveDocument(path));
        doc.DeleteContents();
        return path;
    }

    Fakes fakes;
    CSystemOptions system;
    int windowsClosed = 0;
    CZrDocManager manager{doc, system, fakes, fakes, fakes, [this] { ++windowsClosed; }};
};

TEST_F(ZrDocManagerTest, OpenStartsInOpenDirAndRemembersTheFile) {
    const std::string path = SavedExamination("a.zre");
    fakes.answers = {path};
    ASSERT_TRUE(manager.FileOpen());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetSearchCount(), 1);
    EXPECT_EQ(manager.GetTitle(), "a.zre");
    EXPECT_EQ(fakes.recent, (Texts{"+" + path}));
    ASSERT_EQ(fakes.requests.size(), 1u);
    EXPECT_EQ(fakes.requests[0].folder, folder / "open");
    EXPECT_EQ(fakes.requests[0].kind, CFileDialogRequest::Kind::Open);
    EXPECT_EQ(fakes.requests[0].filter, "ZRPro Files (*.zre)|*.zre|All Files (*.*)|*.*|");

    // The folder is used once: the next dialog starts where the dialog likes.
    std::string chosen;
    manager.PromptFileName(chosen, "Open", CFileDialogRequest::Kind::Open);
    EXPECT_EQ(fakes.requests[1].folder, "");
}

TEST_F(ZrDocManagerTest, SaveAsAddsTheExtensionAndReopensTheSameExamination) {
    doc.AddSearch(MakeSearch(2, "u"));
    fakes.answers = {folder / "saved/new"};
    ASSERT_TRUE(manager.FileSave()); // no file yet: Save As
    EXPECT_EQ(fakes.requests[0].folder, folder / "saved");
    EXPECT_EQ(fakes.requests[0].fileName, "Untitled");
    EXPECT_EQ(doc.GetPathName(), folder / "saved/new.zre");
    EXPECT_FALSE(doc.IsModified());

    // Save now writes the file without asking.
    doc.AddSearch(MakeSearch(3, "u"));
    ASSERT_TRUE(manager.FileSave());
    EXPECT_EQ(fakes.requests.size(), 1u);
    doc.DeleteContents();
    ASSERT_TRUE(manager.OpenDocumentFile(folder / "saved/new.zre"));
    ASSERT_EQ(doc.GetSearchCount(), 2);
    EXPECT_EQ(doc.GetSearch(1).GetSection(), 3);
}

TEST_F(ZrDocManagerTest, LeavingAModifiedExaminationAsksFirst) {
    doc.AddSearch(MakeSearch(1, "u"));
    {
        // Cancel stays: nothing opens, no window closes.
        CScriptedMessages messages({MessageAnswer::Cancel});
        EXPECT_FALSE(manager.FileNew());
        EXPECT_EQ(messages.Texts(), (Texts{"Save changes to Untitled?"}));
        EXPECT_EQ(fakes.wizardRuns, 0);
        EXPECT_EQ(windowsClosed, 0);
        EXPECT_TRUE(doc.IsModified());
    }
    {
        // Yes saves through Save As; cancelling that dialog stays too.
        CScriptedMessages messages({MessageAnswer::Yes});
        EXPECT_FALSE(manager.FileNew());
        EXPECT_EQ(fakes.requests.size(), 1u);
        EXPECT_EQ(fakes.wizardRuns, 0);
    }
    {
        CScriptedMessages messages({MessageAnswer::Yes});
        fakes.answers = {folder / "kept.zre"};
        EXPECT_TRUE(manager.FileNew());
        EXPECT_TRUE(std::filesystem::exists(folder / "kept.zre"));
        EXPECT_EQ(fakes.wizardRuns, 1);
        EXPECT_EQ(windowsClosed, 1);
    }
    {
        // No leaves the changes unsaved.
        doc.AddSearch(MakeSearch(1, "u"));
        CScriptedMessages messages({MessageAnswer::No});
        EXPECT_TRUE(manager.SaveModified());
        EXPECT_EQ(windowsClosed, 2);
    }
}

TEST_F(ZrDocManagerTest, ARecentFileLeavesTheListOnlyWhenItCannotBeOpened) {
    const std::string kept = SavedExamination("kept.zre");
    doc.AddSearch(MakeSearch(1, "u"));
    // Staying with the modified examination: Cancel, or Yes with Save As cancelled.
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Yes}) {
        CScriptedMessages messages({answer});
        EXPECT_FALSE(manager.OpenRecentFile(kept));
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(fakes.recent, Texts{});
    doc.SetModifiedFlag(false);
    CScriptedMessages messages;
    EXPECT_FALSE(manager.OpenRecentFile(folder / "gone.zre"));
    EXPECT_EQ(fakes.recent, (Texts{"-" + folder / "gone.zre"}));
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(ZrDocManagerTest, MergeTakesAnExistingFileAndIsNotForAWatch) {
    const std::string path = SavedExamination("other.zre");
    doc.AddSearch(MakeSearch(1, "u"));
    fakes.answers = {path};
    ASSERT_TRUE(manager.FileMerge());
    EXPECT_EQ(fakes.requests[0].folder, folder / "open");
    EXPECT_EQ(doc.GetSearchCount(), 2);

    doc.SetWatchContents(CMarkList(), CSearchList());
    EXPECT_FALSE(manager.CanMerge());
    EXPECT_FALSE(manager.FileMerge());
    EXPECT_EQ(fakes.requests.size(), 1u);
}

} // namespace
