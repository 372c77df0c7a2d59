#include "report/job/ReportLists.h"

#include "core/TagTokeniser.h"
#include "core/ZrDate.h"
#include "registers/AsciiText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Where the value that starts at `from` ends: at a backslash followed by a date, or the end.
std::size_t FindHistoryBreak(std::string_view text, std::size_t from) {
    for (std::size_t at = text.find('\\', from); at != std::string_view::npos;
         at = text.find('\\', at + 1)) {
        CZrDate date;
        int consumed = 0;
        if (date.Parse(std::string(text.substr(at + 1)).c_str(), &consumed))
            return at;
    }
    return text.size();
}

} // namespace

PairList ParseHistoryList(std::string_view text) {
    PairList entries;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t colon = std::min(text.find(':', at), text.size());
        std::string key(text.substr(at, colon - at));
        at = colon;
        if (at < text.size())
            ++at;
        if (at < text.size() && text[at] == ' ')
            ++at;
        const std::size_t end = FindHistoryBreak(text, at);
        std::string value(text.substr(at, end - at));
        if (!value.empty())
            entries.emplace_back(std::move(key), std::move(value));
        // The backslash before the next date is consumed.
        at = end + 1;
    }
    return entries;
}

PairList ParseTxHistoryList(std::string_view text) {
    PairList entries;
    std::string office;
    PairList run;
    const auto endRun = [&] {
        if (!office.empty() && !run.empty())
            entries.emplace_back(office, FormatPairList(run));
        run.clear();
    };
    CTagTokeniser tokeniser(text);
    for (std::vector<std::string> item; tokeniser.GetNextList(item);) {
        item.resize(std::max<std::size_t>(item.size(), 3));
        std::string& date = item[0];
        if (date.empty() || EqualsNoCase(date, "Unknown"))
            date = "-- --- ----";
        const std::string itemOffice = item[1] == "??" ? "International" : item[1];
        if (itemOffice != office) {
            endRun();
            office = itemOffice;
        }
        run.emplace_back(std::move(date), std::move(item[2]));
    }
    endRun();
    return entries;
}

PairList FilterEnglishGoods(const PairList& goods) {
    static constexpr std::string_view kEnglish = "[English] ";
    const auto hasEnglish = [&](const std::string& niceClass) {
        return std::any_of(goods.begin(), goods.end(), [&](const StringPair& entry) {
            return entry.first == niceClass && StartsWithNoCase(entry.second, "[English]");
        });
    };
    PairList english;
    for (std::size_t i = 0; i < goods.size(); ++i) {
        const std::string& niceClass = goods[i].first;
        const std::string& text = goods[i].second;
        if (StartsWithNoCase(text, kEnglish)) {
            english.emplace_back(niceClass, text.substr(kEnglish.size()));
        } else if (StartsWithNoCase(text, "[See Class") || (!text.empty() && text[0] != '[')) {
            english.push_back(goods[i]);
        } else {
            const bool firstOfClass =
                std::find_if(goods.begin(), goods.end(), [&](const StringPair& entry) {
                    return entry.first == niceClass;
                }) == goods.begin() + static_cast<std::ptrdiff_t>(i);
            if (firstOfClass && !hasEnglish(niceClass))
                english.emplace_back(niceClass, "");
        }
    }
    return english;
}
