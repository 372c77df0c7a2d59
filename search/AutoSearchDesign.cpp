#include "search/AutoSearchDesign.h"

#include "app/document/ZR2000Doc.h"
#include "core/ClassList.h"
#include "core/Criteria.h"
#include "core/Search.h"

namespace {

// Together a pair's texts stay below this many words.
constexpr int kWordLimit = 12;
// Single words are searched this many at a time.
constexpr std::size_t kWordsPerSearch = 12;

int CountWords(const std::string& text) {
    int words = 0;
    bool inWord = false;
    for (const char c : text) {
        if (c == ' ')
            inWord = false;
        else if (!inWord) {
            inWord = true;
            ++words;
        }
    }
    return words;
}

// A text of a pair with its word count kept, as texts only ever grow by appended words.
struct CCountedText {
    std::string text;
    int words;

    void Append(const CCountedText& other) {
        text += ' ';
        text += other.text;
        words += other.words;
    }
};

// When the shared text equals the matched one and the grown text stays below the word limit,
// the added text is appended to the grown one.
bool GrowWhenShared(const CCountedText& shared, const CCountedText& matched, CCountedText& grown,
                    const CCountedText& added) {
    if (shared.text != matched.text || grown.words + added.words >= kWordLimit)
        return false;
    grown.Append(added);
    return true;
}

struct CWordPair {
    CCountedText first;
    CCountedText second;

    // Merges head and tail into the pair by the first of the four cases that fits.
    bool Merge(const CCountedText& head, const CCountedText& tail) {
        return GrowWhenShared(first, head, second, tail) ||
               GrowWhenShared(first, tail, second, head) ||
               GrowWhenShared(second, head, first, tail) ||
               GrowWhenShared(second, tail, first, head);
    }
};

} // namespace

std::vector<std::pair<std::string, std::string>>
DesignWordGroups(const std::vector<std::string>& entries) {
    std::vector<CWordPair> pairs;
    std::vector<std::string> singles;
    for (const std::string& entry : entries) {
        const std::size_t blank = entry.find(' ');
        const std::size_t tailStart =
            blank == std::string::npos ? std::string::npos : entry.find_first_not_of(' ', blank);
        if (tailStart == std::string::npos) {
            singles.push_back(entry);
            continue;
        }
        const std::string headText = entry.substr(0, blank);
        const std::string tailText = entry.substr(tailStart);
        const CCountedText head{headText, CountWords(headText)};
        const CCountedText tail{tailText, CountWords(tailText)};
        bool merged = false;
        for (CWordPair& pair : pairs)
            if ((merged = pair.Merge(head, tail)))
                break;
        if (!merged)
            pairs.push_back({head, tail});
    }
    std::vector<std::pair<std::string, std::string>> groups;
    for (CWordPair& pair : pairs)
        groups.emplace_back(std::move(pair.first.text), std::move(pair.second.text));
    for (std::size_t i = 0; i < singles.size(); i += kWordsPerSearch) {
        std::string words;
        for (std::size_t j = i; j < singles.size() && j < i + kWordsPerSearch; ++j)
            words += (j == i ? "" : " ") + singles[j];
        groups.emplace_back(std::move(words), std::string());
    }
    return groups;
}

std::vector<CAutoSearch> BuildAutoSearches(const CAutoDesignTerms& terms, const CClassList& primary,
                                           const CClassList& secondary) {
    const std::pair<const std::vector<std::string>*, const CClassList*> sections[] = {
        {&terms.exact, &primary},
        {&terms.exact, &secondary},
        {&terms.substring, &primary},
        {&terms.similar, &primary}};
    std::vector<CAutoSearch> searches;
    for (int section = 0; section < 4; ++section) {
        const auto& [entries, classes] = sections[section];
        if (entries->empty() || classes->IsEmpty())
            continue;
        const std::string classText = classes->GetSummaryText(true);
        for (auto& [mainTerms, andTerms] : DesignWordGroups(*entries))
            searches.push_back({section, classText, std::move(mainTerms), std::move(andTerms)});
    }
    return searches;
}

std::string MakeAutoCriteria(const CAutoSearch& search, const std::string& databaseCodes,
                             const std::string& status, CCriteria& criteria) {
    criteria.SetDbIds(databaseCodes);
    criteria.SetStatus(status);
    // The classes are a class list's own text: they cannot be refused.
    criteria.SetClasses(search.classes);
    std::string refusal;
    if (!criteria.AddWordTerm(search.mainTerms, kValidateNewExamination, nullptr, kTermWordMatch))
        refusal = criteria.GetLastError();
    if (!criteria.AddAndWordTerm(search.andTerms, kValidateNewExamination, nullptr,
                                 kTermWordMatch) &&
        refusal.empty())
        refusal = criteria.GetLastError();
    return refusal;
}

bool AddAutoSearches(const std::vector<CAutoSearch>& searches, const std::string& databaseCodes,
                     const std::string& status, CZR2000Doc& document) {
    bool allAccepted = true;
    for (const CAutoSearch& designed : searches) {
        CCriteria criteria;
        allAccepted &= MakeAutoCriteria(designed, databaseCodes, status, criteria).empty();
        if (criteria.GetWordTerms().empty()) {
            allAccepted = false;
            continue;
        }
        CSearch search(designed.section);
        search.SetCriteria(criteria);
        document.AddSearch(search);
    }
    return allAccepted;
}
