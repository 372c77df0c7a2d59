#include "app/ZrDocManager.h"

#include "app/document/ZR2000Doc.h"
#include "core/FilePath.h"
#include "core/SystemOptions.h"
#include "platform/MessageBox.h"

CZrDocManager::CZrDocManager(CZR2000Doc& document, const CSystemOptions& system,
                             IFileDialogs& dialogs, IRecentFiles& recent, INewExamination& wizard,
                             CloseWindows closeWindows)
    : document_(document), system_(system), dialogs_(dialogs), recent_(recent), wizard_(wizard),
      closeWindows_(std::move(closeWindows)) {}

bool CZrDocManager::PromptFileName(std::string& path, const std::string& title,
                                   CFileDialogRequest::Kind kind) {
    CFileDialogRequest request;
    request.kind = kind;
    request.title = title;
    request.filter = kZreFilter;
    request.folder = promptDir_;
    request.fileName = kind == CFileDialogRequest::Kind::Save ? FileNameOfPath(path) : "";
    std::string chosen;
    if (!dialogs_.Ask(request, chosen))
        return false;
    // The file type's extension for a name typed without one.
    if (kind == CFileDialogRequest::Kind::Save && FileExtOfPath(chosen).empty())
        chosen += ".zre";
    path = chosen;
    return true;
}

bool CZrDocManager::FileNew() {
    if (!SaveModified())
        return false;
    return wizard_.Run(document_);
}

bool CZrDocManager::FileOpen() {
    SetPromptDirectory(system_.GetOpenDir());
    std::string path;
    const bool chosen = PromptFileName(path, "Open", CFileDialogRequest::Kind::Open);
    SetPromptDirectory({});
    return chosen && OpenDocumentFile(path);
}

bool CZrDocManager::OpenDocumentFile(const std::string& path) {
    return SaveModified() && Load(path);
}

bool CZrDocManager::OpenRecentFile(const std::string& path) {
    // Staying with the examination (Cancel, or a save that failed) says nothing of the file.
    if (!SaveModified())
        return false;
    if (Load(path))
        return true;
    recent_.Remove(path);
    return false;
}

bool CZrDocManager::Load(const std::string& path) {
    if (!document_.OnOpenDocument(path))
        return false;
    document_.SetPathName(path);
    recent_.Add(path);
    return true;
}

bool CZrDocManager::SaveTo(const std::string& path) {
    if (!document_.OnSaveDocument(path))
        return false;
    document_.SetPathName(path);
    recent_.Add(path);
    return true;
}

bool CZrDocManager::FileSave() {
    if (document_.GetPathName().empty())
        return FileSaveAs();
    return SaveTo(document_.GetPathName());
}

bool CZrDocManager::FileSaveAs(const std::string& folder) {
    SetPromptDirectory(folder.empty() ? system_.GetSaveAsDir() : folder);
    std::string path = document_.GetPathName().empty() ? GetTitle() : document_.GetPathName();
    const bool chosen = PromptFileName(path, "Save As", CFileDialogRequest::Kind::Save);
    SetPromptDirectory({});
    return chosen && SaveTo(path);
}

bool CZrDocManager::CanMerge() const {
    return !document_.IsWatch();
}

bool CZrDocManager::FileMerge() {
    if (!CanMerge())
        return false;
    SetPromptDirectory(system_.GetOpenDir());
    std::string path;
    const bool chosen = PromptFileName(path, "Merge", CFileDialogRequest::Kind::Open);
    SetPromptDirectory({});
    return chosen && document_.MergeDocument(path);
}

void CZrDocManager::QuickSave() {
    document_.QuickSave();
}

bool CZrDocManager::SaveModified() {
    if (document_.IsModified()) {
        const platform::MessageAnswer answer = platform::ShowMessageBox(
            {"Save changes to " + GetTitle() + "?", "", platform::MessageButtons::YesNoCancel,
             platform::MessageIcon::Warning});
        if (answer == platform::MessageAnswer::Cancel)
            return false;
        if (answer == platform::MessageAnswer::Yes && !FileSave())
            return false;
    }
    if (closeWindows_)
        closeWindows_();
    return true;
}

std::string CZrDocManager::GetTitle() const {
    const std::string& path = document_.GetPathName();
    return path.empty() ? kUntitled : FileNameOfPath(path);
}
