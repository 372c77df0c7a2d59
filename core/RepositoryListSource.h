#pragma once
// Where the list of remote repositories published on the maker's web site comes from. The web
// layer supplies the HTTP implementation (with its own time-out); tests supply fixed lists.

#include <string>
#include <vector>

class CRepositoryListSource {
public:
    virtual ~CRepositoryListSource() = default;

    // Fetches the page at the path of the maker's web server and gives the texts of its
    // "repository" elements in page order. False with a text for the user when the page cannot
    // be fetched; the list is then left as it was.
    virtual bool FetchRepositoryList(const std::string& path,
                                     std::vector<std::string>& repositories,
                                     std::string& error) = 0;
};
