#include "web/FormParser.h"

#include "core/Latin1.h"
#include "registers/AsciiText.h"

#include <algorithm>

void CHtmlPageFormParser::Reset() {
    CHtmlPage::Reset();
    forms_.clear();
    formOpen_ = false;
    formName_.clear();
    form_.Clear();
    textArea_.reset();
    select_.reset();
    option_.reset();
}

void CHtmlPageFormParser::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.GetKind() == CHtmlToken::kText) {
        if (textArea_)
            textArea_->text += token.GetText();
        else if (option_ && !option_->hasValue)
            option_->text += token.GetText();
    } else if (token.IsStartTag("form")) {
        StartForm(token);
    } else if (token.IsEndTag("form")) {
        CloseSelect();
        // A stray end tag adds no copy of the form before it.
        if (formOpen_)
            forms_.emplace_back(formName_, form_);
        formOpen_ = false;
    } else if (token.IsStartTag("input")) {
        CloseSelect();
        AddInput(token);
    } else if (token.IsStartTag("textarea")) {
        textArea_ = OpenTextArea{token.GetAttribute("name"), {}};
    } else if (token.IsEndTag("textarea")) {
        if (textArea_)
            form_.AddParam(textArea_->name, textArea_->text);
        textArea_.reset();
    } else if (token.IsStartTag("select")) {
        CloseSelect();
        select_ = OpenSelect{token.GetAttribute("name"), {}, true};
    } else if (token.IsStartTag("option")) {
        StartOption(token);
    } else if (token.IsEndTag("select")) {
        CloseSelect();
    }
}

void CHtmlPageFormParser::StartForm(const CHtmlToken& token) {
    formOpen_ = true;
    form_.Clear();
    textArea_.reset();
    select_.reset();
    option_.reset();
    formName_ = token.GetAttribute("name");
    if (formName_.empty())
        formName_ = token.GetAttribute("id");
    if (formName_.empty())
        formName_ = "_" + std::to_string(forms_.size());
    // On a fetched page the address is resolved as a browser would (an empty one is the page
    // itself) and kept only when http or https; a parsed file or buffer keeps it as written.
    const std::string action = token.GetAttribute("action");
    form_.SetUrl(GetFinalUrl().empty() ? action : ResolveLink(action),
                 EqualsNoCase(token.GetAttribute("method"), "post"));
}

void CHtmlPageFormParser::AddInput(const CHtmlToken& token) {
    std::string type;
    const bool typed = token.GetAttribute("type", &type);
    const std::string name = token.GetAttribute("name");
    std::string value = token.GetAttribute("value");
    if (!typed || EqualsNoCase(type, "hidden") || EqualsNoCase(type, "text") ||
        EqualsNoCase(type, "password")) {
        form_.AddParam(name, value);
    } else if (EqualsNoCase(type, "checkbox") && token.GetAttribute("checked", nullptr)) {
        form_.AddParam(name, value.empty() ? "on" : value);
    } else if (EqualsNoCase(type, "radio") && token.GetAttribute("checked", nullptr)) {
        form_.AddParam(name, value);
    }
}

void CHtmlPageFormParser::StartOption(const CHtmlToken& token) {
    FinishOption();
    OpenOption option;
    option.selected = token.GetAttribute("selected", nullptr);
    std::string value;
    option.hasValue = token.GetAttribute("value", &value);
    option_ = option;
    if (option.hasValue)
        OfferOptionValue(value, option.selected);
}

void CHtmlPageFormParser::FinishOption() {
    if (option_ && !option_->hasValue)
        OfferOptionValue(std::string(TrimWhite(option_->text)), option_->selected);
    option_.reset();
}

// The select's value is its first option's, replaced by every later selected one's.
void CHtmlPageFormParser::OfferOptionValue(const std::string& value, bool selected) {
    if (!select_)
        return;
    if (select_->takeFirstOption) {
        select_->value = value;
        select_->takeFirstOption = false;
    }
    if (selected)
        select_->value = value;
}

void CHtmlPageFormParser::CloseSelect() {
    FinishOption();
    if (select_)
        form_.AddParam(select_->name, select_->value);
    select_.reset();
}

CHtmlRequest* CHtmlPageFormParser::GetForm(std::string_view name) {
    const auto found = std::find_if(forms_.begin(), forms_.end(), [&](const auto& form) {
        return EqualsNoCase(form.first, name);
    });
    return found == forms_.end() ? nullptr : &found->second;
}
