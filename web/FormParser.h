#pragma once
// Collects every form of a page, with the values a browser would submit, as requests that a
// register walk can change and fetch.

#include "web/HtmlPage.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CHtmlPageFormParser : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;

    void Reset() override;
    void OnToken(const CHtmlToken& token) override;

    // The request of the first form whose name equals `name` ignoring case; none when absent.
    // The caller may change and fetch it in place.
    CHtmlRequest* GetForm(std::string_view name);
    const std::vector<std::pair<std::string, CHtmlRequest>>& GetForms() const { return forms_; }

private:
    struct OpenSelect {
        std::string name;
        std::string value;
        bool takeFirstOption = true;
    };
    struct OpenOption {
        std::string text;
        bool selected = false;
        bool hasValue = false;
    };
    struct OpenTextArea {
        std::string name;
        std::string text;
    };

    void StartForm(const CHtmlToken& token);
    void AddInput(const CHtmlToken& token);
    void StartOption(const CHtmlToken& token);
    void FinishOption();
    void OfferOptionValue(const std::string& value, bool selected);
    void CloseSelect();

    std::vector<std::pair<std::string, CHtmlRequest>> forms_;
    bool formOpen_ = false;
    std::string formName_;
    CHtmlRequest form_;
    std::optional<OpenTextArea> textArea_;
    std::optional<OpenSelect> select_;
    std::optional<OpenOption> option_;
};
