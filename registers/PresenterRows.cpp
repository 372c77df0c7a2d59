#include "registers/PresenterRows.h"

#include "registers/AppNumFormats.h"
#include "registers/AsciiText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr unsigned kHeadingStyle = kStyleLabelBold | kStyleTextBold;
constexpr std::string_view kMadridLabel = "International registration:";

// The text before the first separator and the text after it; without one the whole text is the
// head.
struct CSplit {
    std::string_view head;
    std::string_view tail;
    bool found = false;
};
CSplit SplitAt(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos)
        return {text, {}, false};
    return {text.substr(0, at), text.substr(at + 1), true};
}

// A history entry ends at a backslash followed by one or two digits and a blank: the date of
// the next entry.
bool IsEntryBreak(std::string_view text, std::size_t at) {
    auto charAt = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    if (charAt(at) != '\\' || !IsAsciiDigit(charAt(at + 1)))
        return false;
    return charAt(at + 2) == ' ' || (IsAsciiDigit(charAt(at + 2)) && charAt(at + 3) == ' ');
}

std::string_view ItemPart(const std::vector<std::string>& item, std::size_t index) {
    return index < item.size() ? std::string_view(item[index]) : std::string_view();
}

using AppNumParser = std::uint32_t (*)(std::string_view, int*);

// The length of the number text at the position: an optional "B", digits with single
// separators between digits, and letters right after the last digit (a suffix such as "a").
// A blank and a following word belong to the note, not to the number.
std::size_t NumberLength(std::string_view text, std::size_t at, std::string_view separators) {
    std::size_t end = at;
    if (end < text.size() && text[end] == 'B')
        ++end;
    while (end < text.size()) {
        if (IsAsciiDigit(text[end]))
            ++end;
        else if (separators.find(text[end]) != std::string_view::npos && end > at &&
                 IsAsciiDigit(text[end - 1]) && end + 1 < text.size() &&
                 IsAsciiDigit(text[end + 1]))
            ++end;
        else
            break;
    }
    while (end < text.size() && IsAsciiLetter(text[end]))
        ++end;
    return end - at;
}

// Hands the number that starts at the position to the output's AppendTo; answers the number of
// characters it took.
std::size_t AppendNumber(CPresenter& output, std::string_view text, std::size_t at,
                         AppNumParser parse, std::string_view separators, char registerCode,
                         int context1, int context2, std::string& value) {
    const std::string_view number = text.substr(at, NumberLength(text, at, separators));
    output.AppendTo(number, parse(number, nullptr), registerCode, context1, context2, value);
    return number.size();
}

// Whether a word of a UK note makes the numbers after it references: "no", "num..." and
// "with..." do, "and..." keeps the state, any other word ends it.
bool UpdateReferenceCondition(std::string_view word, bool condition) {
    if (StartsWithNoCase(word, "and"))
        return condition;
    return StartsWithNoCase(word, "num") || StartsWithNoCase(word, "no") ||
           StartsWithNoCase(word, "with");
}

} // namespace

void PresentHistory(std::string_view history, CPresenter& output) {
    if (history.empty())
        return;
    output.EndParagraph(true);
    output.AddTwoColumns("Week Ending", "Recent History", kHeadingStyle, kTextLatin);
    std::string_view rest = history;
    while (!rest.empty()) {
        const CSplit date = SplitAt(rest, ':');
        std::string_view entry = date.tail;
        if (!entry.empty() && entry.front() == ' ')
            entry.remove_prefix(1);
        std::size_t end = 0;
        while (end < entry.size() && !IsEntryBreak(entry, end))
            ++end;
        if (end > 0)
            output.AddTwoColumns(date.head, entry.substr(0, end), 0, kTextDecide);
        rest = end < entry.size() ? entry.substr(end + 1) : std::string_view();
    }
    output.SetParagraphPending(true);
}

void PresentTransactionHistory(const CZrData& record, CPresenter& output) {
    std::vector<std::vector<std::string>> items;
    if (!record.GetItemList("TXHISTORY", items) || items.empty())
        return;
    output.EndParagraph(true);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string_view date = ItemPart(items[i], 0);
        const std::string_view office = ItemPart(items[i], 1);
        if (i == 0 || office != ItemPart(items[i - 1], 1))
            output.AddTwoColumns(office == "??" ? "International" : office, "", kStyleLabelBold,
                                 kTextLatin);
        const std::string shownDate = date.empty() || EqualsNoCase(date, "Unknown")
                                          ? std::string("   -- --- ----")
                                          : "   " + std::string(date);
        output.AddTwoColumns(shownDate, ItemPart(items[i], 2), 0, kTextLatin);
    }
    output.SetParagraphPending(true);
}

void PresentClaimRows(const PairList& pairs, std::string_view heading, CPresenter& output) {
    if (pairs.empty())
        return;
    output.AddPlainField("", heading, kStyleTextBold, kTextLatin, true, false);
    for (const auto& [date, claim] : pairs) {
        // "country:reference:description"; without any ":" the whole text is the reference.
        const CSplit country = SplitAt(claim, ':');
        const CSplit reference = country.found ? SplitAt(country.tail, ':') : CSplit{claim, {}};
        output.AddText("Country: ", kStyleTextBold);
        output.AddText(country.found ? country.head : std::string_view(), 0);
        output.AddText("   ", 0);
        output.AddText("Ref: ", kStyleTextBold);
        output.AddText(reference.head, 0);
        output.AddText("   ", 0);
        output.AddText("Date: ", kStyleTextBold);
        output.AddText(date, 0);
        if (!reference.tail.empty()) {
            output.AddText("   ", 0);
            output.AddText("Description: ", kStyleTextBold);
            output.AddText(reference.tail, 0);
        }
        output.AppendLineBreak();
    }
    output.RequestParagraph();
}

void PresentPairRows(std::string_view label, const CZrData& record, std::string_view field,
                     CPresenter& output) {
    PairList pairs;
    record.GetPairList(field, pairs);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        output.AddPlainField(label, pairs[i].first, kStyleLabelBold, kTextLatin, i == 0, false);
        output.AddPlainField("", pairs[i].second, 0, kTextLatin, false, false);
    }
    if (!pairs.empty())
        output.RequestParagraph();
}

void PresentUkRefRow(CPresenter& output, std::string_view label, std::string_view text,
                     unsigned style, int context1, int context2, bool newBlock, bool endBlock) {
    std::string value;
    bool condition = false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const bool startsNumber =
            IsAsciiDigit(c) || (c == 'B' && i + 1 < text.size() && IsAsciiDigit(text[i + 1]));
        if (startsNumber && condition && depth == 0) {
            i +=
                AppendNumber(output, text, i, ParseUkAppNum, " ,-", 'u', context1, context2, value);
        } else if (IsAsciiLetter(c)) {
            std::size_t end = i;
            while (end < text.size() && IsAsciiLetter(text[end]))
                ++end;
            const std::string_view word = text.substr(i, end - i);
            condition = UpdateReferenceCondition(word, condition);
            value += word;
            i = end;
        } else {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            value += c;
            ++i;
        }
    }
    output.AddPlainField(label, value, style, kTextLatin, newBlock, endBlock);
}

void PresentUsRefRow(CPresenter& output, std::string_view label, std::string_view text,
                     unsigned style, int context1, int context2, bool newBlock, bool endBlock) {
    std::string value;
    for (std::size_t i = 0; i < text.size();) {
        if (IsAsciiDigit(text[i]))
            i += AppendNumber(output, text, i, ParseUsAppNum, " ,-_", 's', context1, context2,
                              value);
        else
            value += text[i++];
    }
    output.AddPlainField(label, value, style, kTextLatin, newBlock, endBlock);
}

void PresentClassRangeRow(CPresenter& output, std::string_view firstClass,
                          std::string_view lastClass, std::string_view goods, bool newBlock,
                          bool endBlock) {
    if (firstClass.empty())
        return;
    std::string label = "Class " + std::string(firstClass);
    if (!EqualsNoCase(firstClass, lastClass))
        label.append("-").append(lastClass);
    label += ": ";
    output.AddField(kFieldGoods, label, goods, kStyleLabelBold, kTextLatin, newBlock, endBlock);
}

void PresentMadridTextRow(const CZrData& record, CPresenter& output) {
    const std::string_view text = record.GetField("MADRIDTEXT");
    if (text.substr(0, kMadridLabel.size()) == kMadridLabel)
        output.AddPlainField(kMadridLabel, text.substr(kMadridLabel.size()),
                             kStyleLabelBold | kStyleTextItalic, kTextLatin, false, false);
    else
        output.AddPlainField("", text, kStyleTextItalic, kTextLatin, false, false);
}
