#include "search/WatchBuilder.h"

#include "core/ClassList.h"
#include "core/Latin1.h"
#include "core/TermValidation.h"
#include "core/UserOptions.h"
#include "registers/RecordRows.h"

#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c) {
    return c == ' ' || c == '\\';
}

// The tokens of a word mark: runs of letters, runs of digits, each wildcard character escaped
// as "\" and itself, and each other character alone; blanks and backslashes only separate.
std::vector<std::string> SplitWordMark(std::string_view word) {
    std::vector<std::string> tokens;
    std::size_t at = 0;
    while (at < word.size()) {
        const char c = word[at];
        const auto runOf = [&](bool (*sameKind)(char)) {
            const std::size_t start = at;
            while (at < word.size() && sameKind(word[at]))
                ++at;
            tokens.emplace_back(word.substr(start, at - start));
        };
        if (IsAlphaLatin1(c)) {
            runOf(IsAlphaLatin1);
        } else if (IsDigit(c)) {
            runOf(IsDigit);
        } else {
            if (IsWildcardChar(c))
                tokens.push_back(std::string("\\") + c);
            else if (!IsSeparator(c))
                tokens.emplace_back(1, c);
            ++at;
        }
    }
    return tokens;
}

bool IsSingleAlnum(const std::string& token) {
    return token.size() == 1 && (IsAlphaLatin1(token[0]) || IsDigit(token[0]));
}

bool SameKind(char a, char b) {
    return IsDigit(a) == IsDigit(b);
}

// The other spellings searched with a symbol term.
std::vector<std::string> SpellingsOf(const std::string& term) {
    if (term == "@")
        return {"at"};
    if (term == "\xA3") // the pound sign
        return {"pound", "#"};
    if (term == "$")
        return {"dollar", "#"};
    if (term == "#")
        return {"\xA3", "$", "pound", "dollar"};
    return {};
}

std::string ReplaceAll(std::string_view text, char from, std::string_view to) {
    std::string result;
    for (const char c : text) {
        if (c == from)
            result += to;
        else
            result += c;
    }
    return result;
}

} // namespace

CWatchOptions CWatchOptions::Load(const CUserOptions& settings) {
    return {settings.GetWatchIncludeCrossClasses(), settings.GetWatchDevices(),
            settings.GetWatchTermMatch() != 0};
}

void CWatchOptions::Store(CUserOptions& settings) const {
    settings.SetWatchIncludeCrossClasses(includeCrossClasses);
    settings.SetWatchDevices(devices);
    settings.SetWatchTermMatch(substringMatch ? 1 : 0);
}

CWatchBuilder::CWatchBuilder(const CWatchOptions& options, IWatchRecords& records,
                             CrossClassReader crossClasses)
    : options_(options), records_(records), crossClasses_(std::move(crossClasses)) {}

void CWatchBuilder::AddMark(int n, const CMark& mark) {
    CMark watched = mark;
    watched.SetSection(n);
    watched.SetSearchId(0);
    marks_.MergeMark(watched);

    const std::shared_ptr<const CZrData> record = records_.GetTextRecord(mark);
    if (!record)
        return;
    const char code = static_cast<char>(mark.GetRegisterCode());
    std::string classes(record->GetField("CLASSES"));
    if (options_.includeCrossClasses)
        classes = CrossClasses(classes);
    AddWordSearches(n, code, classes, std::string(record->GetField("WORDMARK")));
    if (!options_.devices)
        return;
    const std::vector<std::string> categories = StringListItems(*record, "DEVCATS");
    if (!categories.empty())
        AddDeviceSearch(n, code, classes, categories);
}

std::string CWatchBuilder::CrossClasses(const std::string& classes) const {
    CClassList own;
    own.SetFromText(classes);
    CClassList all = own;
    std::vector<std::string> items;
    own.GetText(items);
    for (const std::string& item : items) {
        CClassList cross;
        if (cross.SetFromText(crossClasses_(item)))
            all.Merge(cross);
    }
    return all.GetSummaryText(true);
}

void CWatchBuilder::AddWordSearches(int n, char code, const std::string& classes,
                                    const std::string& word) {
    const std::vector<std::string> tokens = SplitWordMark(word);
    // Single letters (or digits) in a row, searched joined: "A B C" and "I.B.M." give ABC, IBM.
    std::string run;
    const auto searchRun = [&] {
        if (run.size() > 1)
            AddTermSearch(n, code, classes, run, options_.substringMatch);
    };
    for (const std::string& token : tokens) {
        if (token.size() > 1)
            AddTermSearch(n, code, classes, token, options_.substringMatch);
        else if (!IsAlphaLatin1(token[0]) || tokens.size() < 2)
            AddTermSearch(n, code, classes, token, false);

        if (IsSingleAlnum(token) && (run.empty() || SameKind(run[0], token[0]))) {
            run += token;
            continue;
        }
        searchRun();
        if (IsSingleAlnum(token))
            run = token;
        else if (IsAlnumLatin1(token[0]))
            run.clear();
    }
    searchRun();
    AddAtSpellings(n, code, classes, word);
}

void CWatchBuilder::AddAtSpellings(int n, char code, const std::string& classes,
                                   const std::string& word) {
    for (std::size_t at = word.find('@'); at != std::string::npos; at = word.find('@', at)) {
        std::size_t start = at;
        while (start > 0 && IsAlphaLatin1(word[start - 1]))
            --start;
        std::size_t end = start;
        while (end < word.size() && (IsAlphaLatin1(word[end]) || word[end] == '@'))
            ++end;
        const std::string_view piece = std::string_view(word).substr(start, end - start);
        const std::string spokenAt = ReplaceAll(piece, '@', "at");
        if (spokenAt.size() > 2) {
            AddTermSearch(n, code, classes, spokenAt, options_.substringMatch);
            AddTermSearch(n, code, classes, ReplaceAll(piece, '@', "a"), options_.substringMatch);
        }
        at = end;
    }
}

void CWatchBuilder::AddTermSearch(int n, char code, const std::string& classes,
                                  const std::string& term, bool substring) {
    std::string message;
    if (!ValidateWordTerm(term, kValidateQuickSearch, kTermWordMatch, message))
        return;
    std::string searched = term;
    if (substring) {
        if (term.size() > kMaxSubstringTerm)
            searched = "-" + term.substr(0, kMaxSubstringTerm) + "-";
        else if ((IsAlphaLatin1(term[0]) && term.size() > 1) || IsDigit(term[0]))
            searched = "-" + term + "-";
    }
    if (!searched.empty())
        AddWordSearch(n, code, classes, searched);
    for (const std::string& spelling : SpellingsOf(term))
        AddWordSearch(n, code, classes, spelling);
}

void CWatchBuilder::AddWordSearch(int n, char code, const std::string& classes,
                                  const std::string& term) {
    CCriteria criteria = MakeCriteria(code, classes);
    criteria.AddWord(term);
    AddSearch(n, criteria);
}

void CWatchBuilder::AddDeviceSearch(int n, char code, const std::string& classes,
                                    const std::vector<std::string>& categories) {
    CCriteria criteria = MakeCriteria(code, classes);
    criteria.SetImageCats(categories);
    AddSearch(n, criteria);
}

CCriteria CWatchBuilder::MakeCriteria(char code, const std::string& classes) {
    CCriteria criteria;
    criteria.ResetWithDbIds(std::string(1, code));
    criteria.SetClasses(classes);
    return criteria;
}

void CWatchBuilder::AddSearch(int n, const CCriteria& criteria) {
    std::vector<CCriteria>& held = sectionCriteria_[n];
    for (const CCriteria& existing : held) {
        const int comparison = criteria.Compare(existing);
        if (comparison == 1 || comparison == 3)
            return;
    }
    held.push_back(criteria);
    CSearch search(n);
    search.SetCriteria(criteria);
    searches_.Add(search);
}
