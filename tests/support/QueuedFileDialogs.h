#pragma once
// File dialogs answered from a queue of paths (cancelled once it is empty); the requests are
// kept.

#include "app/FileDialogs.h"

#include <deque>
#include <string>
#include <vector>

class CQueuedFileDialogs : public IFileDialogs {
public:
    bool Ask(const CFileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        if (answers.empty())
            return false;
        path = answers.front();
        answers.pop_front();
        return true;
    }
    std::deque<std::string> answers;
    std::vector<CFileDialogRequest> requests;
};
