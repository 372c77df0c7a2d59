#pragma once
// String finders of several registers as their engines would serve them: each register holds a
// word list; a finder for a text lists that register's words from the first one not ordered
// before the text, at most a page of them. The merge folds a word that several registers hold
// into one entry carrying all their codes.

#include "core/MergedStringSource.h"

#include <map>
#include <string>
#include <vector>

class CFakeStringFinders : public CMergedStringSource {
public:
    struct Request {
        std::string text;
        int mode;
        int pageSize;
    };

    void AddRegister(char code, std::vector<std::string> words);
    // The register's engine gives no finder, as after a lost connection.
    void FailRegister(char code);

    std::unique_ptr<CMergedStringList> OpenMerge(const std::string& text, int mode,
                                                 int pageSize) override;

    const std::vector<Request>& GetRequests() const { return requests_; }

private:
    std::map<char, std::vector<std::string>> registers_;
    std::vector<Request> requests_;
};
