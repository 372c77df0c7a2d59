#include "registers/WebTemplate.h"

#include "core/Tokeniser.h"
#include "registers/AsciiText.h"
#include "report/template/ReportTokeniser.h"

namespace {

bool TestHolds(const CReportToken& tag, const CZrData& record) {
    const std::string_view field = record.GetField(tag.name);
    const bool condition = tag.value.empty() ? !field.empty() : EqualsNoCase(field, tag.value);
    return tag.negated ? !condition : condition;
}

} // namespace

std::string ExpandTemplate(std::string_view layoutTemplate, const CZrData& record) {
    // One entry per open test: whether its part is written. A stack rather than recursion, so
    // that no template, however deeply nested, can exhaust the call stack.
    std::vector<bool> open;
    auto writing = [&] { return open.empty() || open.back(); };
    std::string text;
    CReportTokeniser tokeniser(layoutTemplate);
    CReportToken token;
    while (tokeniser.NextToken(token)) {
        if (!token.isTag) {
            if (writing())
                text += token.name;
        } else if (token.name.empty()) {
            if (!open.empty())
                open.pop_back();
        } else if (token.isTest) {
            open.push_back(writing() && TestHolds(token, record));
        } else if (writing()) {
            text += record.GetField(token.name);
        }
    }
    return text;
}

std::vector<std::string> SplitLayoutItems(std::string_view text) {
    std::vector<std::string> items(1);
    CTokeniser tokeniser(std::string(text), "|");
    while (!tokeniser.AtEnd()) {
        bool isBar = false;
        std::string token = tokeniser.NextToken(&isBar);
        if (isBar)
            items.emplace_back();
        else
            items.back() = std::move(token);
    }
    return items;
}
