#pragma once
// A fetch that no server answered, worded for the user: which page, which server, what to try,
// with the library's own words in brackets for whoever helps. The fetch's client exchanges
// through the wording's watch, which keeps the last exchange nobody answered.

#include "web/HttpTransport.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

class CNoAnswerWording {
public:
    // `page` names what was fetched as a sentence begins with it ("The register's page for UK
    // 1234"); `retry` is how the user asks for it again ("Reload Original Page on the PTO tab's
    // menu").
    CNoAnswerWording(std::string page, std::string retry)
        : page_(std::move(page)), retry_(std::move(retry)) {}
    // The watch keeps a reference to the wording.
    CNoAnswerWording(const CNoAnswerWording&) = delete;
    CNoAnswerWording& operator=(const CNoAnswerWording&) = delete;

    // The transport of the fetch's client, watched; the wording must outlive the client.
    std::unique_ptr<IHttpTransport> Watch(std::unique_ptr<IHttpTransport> transport);
    // The fetch's failure as the user reads it: worded when its last exchange found no server,
    // as it is otherwise (a server's answer says why itself).
    std::string Word(const std::string& error) const;

private:
    struct CNoAnswer {
        std::string url;
        // No connection could be made (refused or timed out), as against a name that did not
        // resolve or a transfer cut short.
        bool connectFailed = false;
    };
    class CWatch;

    std::string page_;
    std::string retry_;
    std::optional<CNoAnswer> last_;
};
