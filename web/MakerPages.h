#pragma once
// The pages of the maker's web server: the announcements offered as menu items, the list of
// repositories, and the login of the web search service. The texts taken from them hold no
// control character: each is read as a blank, so that any value can be kept in the settings.

#include "web/HtmlPage.h"

#include <string>
#include <vector>

class CAnnouncement {
public:
    CAnnouncement(std::string date, std::string url, std::string title)
        : date_(std::move(date)), url_(std::move(url)), title_(std::move(title)) {}
    const std::string& GetDate() const { return date_; }
    // An http or https address, resolved against the announcements page.
    const std::string& GetUrl() const { return url_; }
    const std::string& GetTitle() const { return title_; }

private:
    std::string date_;
    std::string url_;
    std::string title_;
};

// The rows of the table whose id is "announcements": date in the first cell, title in the
// second, the link of the row's anchor. A row without a web link or without a title is dropped.
class CHtmlPageAnnouncements : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::vector<CAnnouncement>& GetAnnouncements() const { return announcements_; }

private:
    std::vector<CAnnouncement> announcements_;
    bool inTable_ = false;
    bool inCell_ = false;
    std::string date_;
    std::string link_;
    std::string title_;
};

// The texts inside "repository" elements, in page order.
class CHtmlPageRepositories : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::vector<std::string>& GetRepositories() const { return repositories_; }

private:
    std::vector<std::string> repositories_;
    bool inRepository_ = false;
};

// A form posted to the maker's server; problems are shown to the user in message boxes at once.
class CWebPage {
public:
    CWebPage(CWebConnection& connection, std::string objectPath);
    virtual ~CWebPage() = default;
    CWebPage(const CWebPage&) = delete;
    CWebPage& operator=(const CWebPage&) = delete;

    // Appends name=value, each urlencoded, to the form data.
    void AddParam(std::string_view name, std::string_view value);
    // Posts the form and passes the 200 answer's tokens through OnToken; any failure is shown
    // (ShowError, ShowHttpError) and gives false.
    bool Post();

protected:
    virtual void ShowError(const std::string& text);
    virtual void ShowHttpError(int status);
    virtual void OnToken(const CHtmlToken&) {}

private:
    CWebConnection& connection_;
    std::string objectPath_;
    std::string formData_;
};

// The login of the web search service: its answer's frame address carries the session's cookie,
// client name and company.
class CWebLoginPage : public CWebPage {
public:
    static constexpr const char* kLoginPath = "/cgi-bin/du2v.dll";

    // The form starts with an empty "Login" field; the caller adds the user's fields and posts.
    explicit CWebLoginPage(CWebConnection& connection);
    const std::string& GetCookie() const { return cookie_; }
    const std::string& GetCName() const { return cname_; }
    const std::string& GetCompany() const { return company_; }

protected:
    void OnToken(const CHtmlToken& token) override;

private:
    std::string cookie_;
    std::string cname_;
    std::string company_;
};
