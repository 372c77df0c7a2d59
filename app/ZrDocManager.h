#pragma once
// The examination files of the main window: New, Open, Save, Save As, Merge and the quick save,
// the question before a modified examination is left, the four recent files, and the folder the
// next file dialog starts in.

#include "app/FileDialogs.h"

#include <functional>
#include <string>
#include <vector>

class CZR2000Doc;
class CSystemOptions;

// The recent-files list of the File menu.
class IRecentFiles {
public:
    virtual ~IRecentFiles() = default;
    virtual void Add(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The new-examination wizard: on Finish it gives the document its new examination.
class INewExamination {
public:
    virtual ~INewExamination() = default;
    // False when the user cancelled; the document is then unchanged.
    virtual bool Run(CZR2000Doc& document) = 0;
};

class CZrDocManager {
public:
    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kZreFilter = "ZRPro Files (*.zre)|*.zre|All Files (*.*)|*.*|";

    // The windows that show a search's marks close when the document is left.
    using CloseWindows = std::function<void()>;

    CZrDocManager(CZR2000Doc& document, const CSystemOptions& system, IFileDialogs& dialogs,
                  IRecentFiles& recent, INewExamination& wizard, CloseWindows closeWindows);

    // The folder the next file dialog starts in; "" for the dialog's own choice.
    void SetPromptDirectory(const std::string& folder) { promptDir_ = folder; }
    // A file dialog for an examination file; false when cancelled.
    bool PromptFileName(std::string& path, const std::string& title, CFileDialogRequest::Kind kind);

    bool FileNew();
    // The file dialog from OpenDir, then OpenDocumentFile.
    bool FileOpen();
    // Leaves the current examination (asking when it is modified) and loads the file.
    bool OpenDocumentFile(const std::string& path);
    // As OpenDocumentFile; a recent file that cannot be loaded leaves the list.
    bool OpenRecentFile(const std::string& path);
    // To the document's file; without one as Save As.
    bool FileSave();
    // The file dialog, from SaveAsDir unless a folder is given.
    bool FileSaveAs(const std::string& folder = {});
    // A .zre file from OpenDir merged in; not for a watch.
    bool FileMerge();
    bool CanMerge() const;
    void QuickSave();

    // Asks whether to save a modified examination: Yes saves, No goes on, Cancel stays. When it
    // does not stay, the results and details windows close. True when the document may go.
    bool SaveModified();

    // The file name of the document's file, or "Untitled".
    std::string GetTitle() const;

private:
    // Loads the file into the examination, which is left without asking.
    bool Load(const std::string& path);
    bool SaveTo(const std::string& path);

    CZR2000Doc& document_;
    const CSystemOptions& system_;
    IFileDialogs& dialogs_;
    IRecentFiles& recent_;
    INewExamination& wizard_;
    CloseWindows closeWindows_;
    std::string promptDir_;
};
