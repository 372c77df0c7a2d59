#include "registers/DbSelection.h"

#include <algorithm>
#include <cstddef>

namespace {

CDbEntry Db(const char* id, char letter, const char* displayName, const char* filter = "",
            bool selected = true) {
    return CDbEntry{id, letter, displayName, filter, selected};
}

// The databases every national group offers beside its own.
CDbEntry EutmDb(const char* displayName = "EUTM") {
    return Db("CM", 'c', displayName);
}
CDbEntry ReservedWordsDb() {
    return Db("RW", 'a', "Reserved Words");
}
CDbEntry DesignsDb() {
    return Db("CD", 'o', "Community Designs", "", false);
}

std::vector<CDbGroup> BuiltInCatalogue() {
    return {
        {"TR",
         "Free training databases",
         true,
         false,
         false,
         {Db("UK", '0', "Old UK", "BaseMadrid"), Db("RW", '1', "Old Reserved Words")}},
        {"UK",
         "United Kingdom",
         false,
         false,
         false,
         {Db("UK", 'u', "UK (includes GB Madrid)", "BaseMadrid"), Db("IN", 'i', "IR - EM", "EM"),
          Db("IN", 'i', "IR - GB", "GB"), Db("IN", 'i', "IRp - GB", "!GB"), EutmDb(),
          ReservedWordsDb(), DesignsDb()}},
        {"IE",
         "Ireland",
         false,
         false,
         false,
         {Db("IE", 'e', "IE (includes IE Madrid)"), Db("IN", 'i', "IR - EM", "EM"),
          Db("IN", 'i', "IRp - IE", "!IE"), EutmDb(), ReservedWordsDb(), DesignsDb()}},
        {"DE",
         "Germany",
         false,
         false,
         false,
         {Db("DE", 'd', "DE (excludes DE Madrid)"), Db("IND", 'i', "IR - DE", "DE"),
          Db("IN", 'i', "IR - EM", "EM"), EutmDb(), ReservedWordsDb(), DesignsDb()}},
        {"US",
         "USA",
         false,
         false,
         false,
         {Db("US", 's', "US (includes US Madrid)"), Db("IN", 'i', "IRp - US", "!US", false),
          ReservedWordsDb()}},
        {"CA",
         "Canada",
         false,
         false,
         false,
         {Db("CA", 'n', "CA (excludes CA Madrid)"), Db("IN", 'i', "IR - CA", "CA"),
          ReservedWordsDb()}},
        {"AU",
         "Australia",
         false,
         false,
         false,
         {Db("AU", 't', "AU (excludes AU Madrid)"), Db("IN", 'i', "IR - AU", "AU"),
          ReservedWordsDb()}},
        {"EM",
         "Europe",
         false,
         false,
         false,
         {EutmDb("EUTM (excludes EM Madrid)"), Db("IN", 'i', "IR - EM", "EM"), ReservedWordsDb(),
          DesignsDb()}},
        {"GL", "Global", false, false, false, {Db("IN", 'i', "IR"), ReservedWordsDb()}},
    };
}

// The register code of a database id, for SelectFromDbCodes; 0 for ids it does not map.
char RegisterOfDbId(std::string_view id) {
    struct CIdCode {
        std::string_view id;
        char code;
    };
    static constexpr CIdCode kCodes[] = {{"UK", 'u'},    {"IN", 'i'}, {"CM", 'c'}, {"RW", 'a'},
                                         {"UKDOM", 'k'}, {"CD", 'o'}, {"IE", 'e'}, {"PL", 'p'},
                                         {"DE", 'd'},    {"US", 's'}};
    for (const CIdCode& entry : kCodes)
        if (entry.id == id)
            return entry.code;
    return 0;
}

bool IsTokenEnd(char c) {
    return c == ' ' || c == '-';
}

// The characters from the position up to the end, a blank or a "-".
std::string_view ReadTokenPart(std::string_view text, std::size_t& position) {
    const std::size_t start = position;
    while (position < text.size() && !IsTokenEnd(text[position]))
        ++position;
    return text.substr(start, position - start);
}

} // namespace

CDbSelection::CDbSelection() : groups_(BuiltInCatalogue()) {}

std::string CDbSelection::GetSelectionString() const {
    std::string text;
    auto append = [&text](bool selected, const std::string& token) {
        if (!text.empty())
            text += ' ';
        text += selected ? 'Y' : 'N';
        text += token;
    };
    for (const CDbGroup& group : groups_) {
        append(group.selected, group.code);
        for (const CDbEntry& db : group.databases)
            append(db.selected, group.code + "-" + db.id);
    }
    return text;
}

void CDbSelection::SetSelectionString(std::string_view text) {
    for (CDbGroup& group : groups_)
        group.selected = false;
    // Where each group code stands in the text: which of the groups with that code its tokens
    // name now (-1 before its first group token), and how often each database id has come up
    // within that group.
    struct CPlace {
        int group = -1;
        std::map<std::string, int, std::less<>> dbs;
    };
    std::map<std::string, CPlace, std::less<>> places;
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == ' ') {
            ++position;
            continue;
        }
        const bool flag = text[position] == 'Y' || text[position] == 'y';
        ++position;
        const std::string_view code = ReadTokenPart(text, position);
        CPlace& place = places[std::string(code)];
        if (position < text.size() && text[position] == '-') {
            ++position;
            const std::string_view id = ReadTokenPart(text, position);
            const int occurrence = place.dbs[std::string(id)]++;
            CDbGroup* group = FindGroup(code, std::max(place.group, 0));
            if (CDbEntry* db = group ? FindDb(*group, id, occurrence) : nullptr)
                db->selected = flag;
            continue;
        }
        ++place.group;
        place.dbs.clear();
        if (CDbGroup* group = FindGroup(code, place.group))
            group->selected = flag;
    }
}

void CDbSelection::Merge(const CDbSelection& other) {
    std::map<std::string, int, std::less<>> groupOccurrences;
    for (const CDbGroup& theirs : other.groups_) {
        const int groupOccurrence = groupOccurrences[theirs.code]++;
        CDbGroup* ours = FindGroup(theirs.code, groupOccurrence);
        if (!theirs.selected || !ours)
            continue;
        if (!ours->selected) {
            for (CDbEntry& db : ours->databases)
                db.selected = false;
            ours->selected = true;
        }
        std::map<std::string, int, std::less<>> dbOccurrences;
        for (const CDbEntry& db : theirs.databases) {
            const int occurrence = dbOccurrences[db.id]++;
            if (CDbEntry* match = db.selected ? FindDb(*ours, db.id, occurrence) : nullptr)
                match->selected = true;
        }
    }
}

bool CDbSelection::SetSelected(std::string_view groupCode, std::string_view dbId, bool flag) {
    bool matched = false;
    for (CDbGroup& group : groups_) {
        if (group.code != groupCode)
            continue;
        if (dbId.empty()) {
            group.selected = flag;
            matched = true;
            continue;
        }
        for (CDbEntry& db : group.databases) {
            if (db.id == dbId) {
                db.selected = flag;
                matched = true;
            }
        }
    }
    return matched;
}

void CDbSelection::SelectAllGroups(bool flag) {
    for (CDbGroup& group : groups_)
        group.selected = flag;
}

void CDbSelection::SelectGroupDbs(const CDbGroup& group, bool flag) {
    if (CDbGroup* ours = FindGroup(group.code, 0))
        for (CDbEntry& db : ours->databases)
            db.selected = flag;
}

void CDbSelection::SelectDb(char letter, bool flag) {
    for (CDbGroup& group : groups_)
        for (CDbEntry& db : group.databases)
            if (db.letter == letter)
                db.selected = flag;
}

bool CDbSelection::IsSelected(std::string_view groupCode, std::string_view dbId) const {
    for (const CDbGroup& group : groups_) {
        if (!group.selected || group.code != groupCode)
            continue;
        if (dbId.empty())
            return true;
        const auto db = std::find_if(group.databases.begin(), group.databases.end(),
                                     [dbId](const CDbEntry& entry) { return entry.id == dbId; });
        if (db != group.databases.end())
            return db->selected;
    }
    return false;
}

bool CDbSelection::IsDbIdSelected(char letter) const {
    for (const CDbGroup& group : groups_)
        if (group.selected)
            for (const CDbEntry& db : group.databases)
                if (db.selected && db.letter == letter)
                    return true;
    return false;
}

void CDbSelection::SelectFromDbCodes(std::string_view codes) {
    for (CDbGroup& group : groups_) {
        group.selected = false;
        for (CDbEntry& db : group.databases) {
            // The training databases share ids with live ones but are searched by their own
            // registers: a live code must not select them.
            const char code = RegisterOfDbId(db.id);
            db.selected =
                code != 0 && code == db.letter && codes.find(code) != std::string_view::npos;
            group.selected = group.selected || db.selected;
        }
    }
}

std::map<char, std::string> CDbSelection::CollectSelection(bool firstKind, bool secondKind) const {
    std::map<char, std::string> filters;
    for (const CDbGroup& group : groups_) {
        if (!group.selected || !(group.secondKind ? secondKind : firstKind))
            continue;
        for (const CDbEntry& db : group.databases) {
            if (!db.selected)
                continue;
            auto [entry, isNew] = filters.try_emplace(db.letter, db.filter);
            std::string& filter = entry->second;
            if (isNew || filter.empty())
                continue; // a database without a filter means no restriction for its register
            if (db.filter.empty())
                filter.clear();
            else if (!IsInCommaList(filter, db.filter))
                filter += "," + db.filter;
        }
    }
    return filters;
}

std::string CDbSelection::GetSelectedCodes() const {
    std::string codes;
    for (const auto& [letter, filter] : GetSelection())
        codes += letter;
    return codes;
}

CDbGroup* CDbSelection::FindGroup(std::string_view code, int occurrence) {
    for (CDbGroup& group : groups_)
        if (group.code == code && occurrence-- == 0)
            return &group;
    return nullptr;
}

CDbEntry* CDbSelection::FindDb(CDbGroup& group, std::string_view id, int occurrence) {
    for (CDbEntry& db : group.databases)
        if (db.id == id && occurrence-- == 0)
            return &db;
    return nullptr;
}

bool CheckTrainingMix(std::string_view codes, bool& anyTraining) {
    const auto training = std::count_if(codes.begin(), codes.end(),
                                        [](char code) { return code == '0' || code == '1'; });
    anyTraining = training > 0;
    return training == 0 || training == static_cast<std::ptrdiff_t>(codes.size());
}

bool IsInCommaList(std::string_view list, std::string_view item) {
    if (list.empty())
        return true;
    const std::vector<std::string> items = SplitCommaList(list);
    return std::find(items.begin(), items.end(), item) != items.end();
}

std::vector<std::string> SplitCommaList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            items.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

void CDbSelection::SetGroupSelectedAt(std::size_t group, bool flag) {
    if (group < groups_.size())
        groups_[group].selected = flag;
}

void CDbSelection::SetDbSelectedAt(std::size_t group, std::size_t db, bool flag) {
    if (group < groups_.size() && db < groups_[group].databases.size())
        groups_[group].databases[db].selected = flag;
}
