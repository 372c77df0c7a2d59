#pragma once
// The small pages of the register walks: each remembers the one or two links or values of one
// register's page that the walk goes on with. Links are kept as written; the walk resolves them
// against the page's address.

#include "web/HtmlPage.h"

#include <cstdint>
#include <optional>
#include <string>

// The UK domain registry's search page: the action of the form that holds the "query" input.
class CHtmlPageUkdomSearch : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetQueryFormAction() const { return queryFormAction_; }

private:
    std::string lastFormAction_;
    std::string queryFormAction_;
};

// The Polish register's start page: the link whose text is "link to English version".
class CHtmlPagePlHome : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetEnglishLink() const { return englishLink_; }

private:
    std::string lastHref_;
    std::string englishLink_;
};

// The Polish register's hit list: the patent id and source code of the first row that opens
// PatentDetails('id','source').
class CHtmlPagePlHits : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetPatentId() const { return patentId_; }
    const std::string& GetSourceCode() const { return sourceCode_; }

private:
    std::string patentId_;
    std::string sourceCode_;
};

// The German register's start page: the link titled "Trade marks" and the "English" link.
class CHtmlPageDeHome : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetTradeMarksLink() const { return tradeMarksLink_; }
    const std::string& GetEnglishLink() const { return englishLink_; }

private:
    std::string lastHref_;
    std::string tradeMarksLink_;
    std::string englishLink_;
};

// The German register's trade-marks page: the "Beginner" link.
class CHtmlPageDeTradeMarks : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetBeginnerLink() const { return beginnerLink_; }

private:
    std::string lastHref_;
    std::string beginnerLink_;
};

// The German register's results: the link in the fourth cell of the first row whose third cell
// reads "DE".
class CHtmlPageDeResults : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetDetailsLink() const { return detailsLink_; }

private:
    std::string detailsLink_;
    std::string thirdCellText_;
    std::string fourthCellHref_;
};

// The emblem register's results: the hit count from the first cell of the first table, and the
// first link in cell 2 or 3 of a third table.
class CHtmlPageWipoResults : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    // None until the page gave one; a count past the 32-bit range reads as its largest value.
    std::optional<std::int32_t> GetHitCount() const { return hitCount_; }
    const std::string& GetFirstLink() const { return firstLink_; }

private:
    std::optional<std::int32_t> hitCount_;
    std::string firstLink_;
};

// The plant-variety register's results: once the page has a link, the page's own path with
// "?A7&A1=1" opens the first result.
class CHtmlPageCpvrResults : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    const std::string& GetResultsLink() const { return resultsLink_; }

private:
    std::string resultsLink_;
};
