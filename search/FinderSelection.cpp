#include "search/FinderSelection.h"

#include "core/Latin1.h"
#include "core/ZrData.h"

#include <algorithm>

CFinderSelection::CFinderSelection(CStringFinder& finder, EFinderList kind,
                                   std::vector<std::string> selected, bool aligned, int maxSelected)
    : finder_(finder), kind_(kind), selected_(std::move(selected)), aligned_(aligned),
      maxSelected_(static_cast<std::size_t>(std::max(maxSelected, 0))) {}

CFoundString CFinderSelection::GetLine(int index) {
    CFoundString line = finder_.GetString(index);
    if (kind_ == EFinderList::Strings && finder_.GetMode() == kLocarnoPrefixMode &&
        !line.GetText().empty())
        line.Prepend(FormatLocarnoRange(static_cast<std::uint32_t>(line.GetCount())) + " ");
    return line;
}

bool CFinderSelection::IsSelected(const CFoundString& line) const {
    return !line.GetText().empty() && IsSelected(GetToggleText(line));
}

bool CFinderSelection::ClickLine(int index) {
    const CFoundString line = GetLine(index);
    if (line.GetText().empty())
        return true;
    const std::string text = GetToggleText(line);
    const auto ticked = std::find_if(selected_.begin(), selected_.end(), [&](const auto& held) {
        return EqualNoCaseLatin1(held, text);
    });
    if (ticked != selected_.end())
        selected_.erase(ticked);
    else if (selected_.size() < maxSelected_)
        selected_.push_back(text);
    return true;
}

bool CFinderSelection::StepSelection(int delta) {
    alignColumn_ = std::clamp(alignColumn_ + delta, 0, kMaxAlignColumn);
    return aligned_;
}

bool CFinderSelection::IsSelected(std::string_view text) const {
    return std::any_of(selected_.begin(), selected_.end(),
                       [&](const std::string& held) { return EqualNoCaseLatin1(held, text); });
}

std::string CFinderSelection::GetCodeText(const CFoundString& line) const {
    if (kind_ == EFinderList::Vienna)
        return FormatCode(line.GetCount());
    return FormatLocarnoRange(static_cast<std::uint32_t>(line.GetCount()));
}

std::vector<CTextSpan> CFinderSelection::GetHighlightSpans(std::string_view description) const {
    const std::string& wanted = finder_.GetText();
    std::vector<CTextSpan> spans;
    for (std::size_t at = FindAtWordStart(description, wanted); at != std::string_view::npos;
         at = FindAtWordStart(description, wanted, at + wanted.size()))
        spans.push_back({at, wanted.size()});
    return spans;
}

std::size_t CFinderSelection::GetAlignedCharacter(const CFoundString& line) {
    return static_cast<std::size_t>(
        std::clamp(line.GetPosition(), 0, static_cast<int>(line.GetText().size())));
}

std::string CFinderSelection::GetToggleText(const CFoundString& line) const {
    switch (kind_) {
    case EFinderList::Locarno:
        return GetCodeText(line) + " " + line.GetText();
    case EFinderList::Vienna:
    case EFinderList::Strings:
        break;
    }
    return line.GetText();
}
