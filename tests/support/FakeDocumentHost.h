#pragma once
// A document host for tests: it records messages, answers questions from a script, and hands out
// progress windows that record every step and are cancelled at a chosen text.

#include "app/document/DocumentServices.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CFakeHost : public IDocumentHost {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override;
    void ChangeEngines(const std::string& codes) override { engineChoices.push_back(codes); }
    void SetWatchMode(bool watch) override { watchModes.push_back(watch); }
    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void SaveAs(const std::string& folder) override { saveAsFolders.push_back(folder); }
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override;

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    // Answers in order; No once they run out.
    std::deque<bool> answers;
    std::vector<std::string> engineChoices;
    std::vector<bool> watchModes;
    std::vector<std::string> statusTexts;
    std::vector<std::string> saveAsFolders;
    std::vector<std::string> progressCaptions;
    // Every step of every progress that differs from the one before: "range <items> <from>-<to>",
    // "<text> @<item>", "finish".
    std::vector<std::string> progressSteps;
    // The progress of this item text is cancelled.
    std::string cancelAt;
    // Open progress windows.
    int openProgresses = 0;
};
