#include "core/Tokeniser.h"
#include "registers/AsciiText.h"
#include "web/DetailsPages.h"
#include "web/PageText.h"

namespace {

constexpr std::string_view kTagStart = "[Tag = ";
constexpr std::string_view kRegisteredOn = "Registered on:";

} // namespace

void CHtmlPageUkdomDetails::Reset() {
    CHtmlPage::Reset();
    registrant.Empty();
    agentTag.clear();
    registeredOn.clear();
    heading_.clear();
}

bool CHtmlPageUkdomDetails::IsFound() const {
    return !registrant.IsEmpty() || !agentTag.empty() || !registeredOn.empty();
}

void CHtmlPageUkdomDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.GetKind() != CHtmlToken::kText || !IsInPre())
        return;
    CTokeniser lines(token.GetText(), "\r\n");
    while (!lines.AtEnd()) {
        bool isLineEnd = false;
        const std::string piece = lines.NextToken(&isLineEnd);
        if (!isLineEnd)
            OnLine(CCleanString(piece).GetText());
    }
}

void CHtmlPageUkdomDetails::OnLine(const std::string& line) {
    if (line.ends_with(':')) {
        heading_ = line;
    } else if (heading_ == "Registrant:") {
        if (registrant.IsEmpty())
            registrant.SetText(line);
    } else if (heading_ == "Registrant's Agent:" && agentTag.empty()) {
        if (const std::size_t at = line.find(kTagStart); at != std::string::npos) {
            const std::string_view rest = std::string_view(line).substr(at + kTagStart.size());
            agentTag = rest.substr(0, rest.find(']'));
        } else if (line.find("DETAGGED") != std::string::npos) {
            agentTag = "DETAGGED";
        }
    } else if (heading_ == "Relevant Dates:" && StartsWithNoCase(line, kRegisteredOn)) {
        registeredOn = TrimChars(std::string_view(line).substr(kRegisteredOn.size()), " ");
    }
}
