#pragma once
// The catalogue of searchable databases as the user chooses them: groups (a country or region,
// or the training databases), each with its databases, every group and database with a selected
// flag. From the choice come the registers to search and each register's Madrid country filter.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct CDbEntry {
    std::string id;          // within the group, such as "IN"; several entries may share one
    char letter = 0;         // the register code that searches it
    std::string displayName; // beside its check box
    // Madrid country filter: "" none, "EM" that country, "!GB" every country but that one.
    std::string filter;
    bool selected = false;

    bool operator==(const CDbEntry&) const = default;
};

struct CDbGroup {
    std::string code; // such as "UK"
    std::string name; // such as "United Kingdom"
    bool training = false;
    bool secondKind = false; // collected under the second switch of CollectSelection
    bool selected = false;
    std::vector<CDbEntry> databases;

    bool operator==(const CDbGroup&) const = default;
};

class CDbSelection {
public:
    // The built-in catalogue: every group unselected, databases in their initial state.
    CDbSelection();
    CDbSelection(const CDbSelection&) = default;
    CDbSelection& operator=(const CDbSelection&) = default;
    virtual ~CDbSelection() = default;

    bool operator==(const CDbSelection& other) const { return groups_ == other.groups_; }

    // "NTR YTR-UK YTR-RW NUK YUK-UK ...": per group a token of its flag and code, then per
    // database its flag, the group code, "-" and its id.
    std::string GetSelectionString() const;
    // Clears every group's flag, then reads the tokens; database flags not named stay. Tokens
    // are matched by position, so databases that share an id keep their own flags.
    void SetSelectionString(std::string_view text);

    // Adds the other catalogue's selected groups and databases: a group not yet selected here
    // starts from no database selected.
    void Merge(const CDbSelection& other);

    // Every group with that code (empty id), or every database with that id in such groups;
    // false when nothing matched.
    bool SetSelected(std::string_view groupCode, std::string_view dbId, bool flag);
    void SelectAllGroups(bool flag);
    // Every database of the first group with the given group's code.
    void SelectGroupDbs(const CDbGroup& group, bool flag);
    // Every database, in every group, searched by that register.
    void SelectDb(char letter, bool flag);
    // A selected group with that code holds that database, itself selected (or the id is
    // empty).
    bool IsSelected(std::string_view groupCode, std::string_view dbId) const;
    // A selected group holds a selected database searched by that register.
    bool IsDbIdSelected(char letter) const;
    // Selects exactly the databases whose ids map to one of the codes (and which that register
    // searches), and the groups that then hold a selected database.
    void SelectFromDbCodes(std::string_view codes);

    // The register codes to search, each with its Madrid filter (comma-separated; "" when any
    // database of that register has none), from the selected groups of the kinds switched on.
    std::map<char, std::string> CollectSelection(bool firstKind, bool secondKind) const;
    std::map<char, std::string> GetSelection() const { return CollectSelection(true, true); }
    // The codes of GetSelection in ascending order.
    std::string GetSelectedCodes() const;

    // The flag of the group at that index, or of that group's database at that index; nothing
    // for an index outside the catalogue.
    void SetGroupSelectedAt(std::size_t group, bool flag);
    void SetDbSelectedAt(std::size_t group, std::size_t db, bool flag);

    void AddGroup(CDbGroup group) { groups_.push_back(std::move(group)); }
    const std::vector<CDbGroup>& GetGroups() const { return groups_; }

private:
    // The n-th group with that code, the n-th database with that id in a group; null when none.
    CDbGroup* FindGroup(std::string_view code, int occurrence);
    static CDbEntry* FindDb(CDbGroup& group, std::string_view id, int occurrence);

    std::vector<CDbGroup> groups_;
};

// False when the codes mix the training databases ('0', '1') with others; anyTraining tells
// whether a training code occurs.
bool CheckTrainingMix(std::string_view codes, bool& anyTraining);
// True when the list is empty or one of its comma-separated items equals the item.
bool IsInCommaList(std::string_view list, std::string_view item);
// The comma-separated items, empty ones dropped.
std::vector<std::string> SplitCommaList(std::string_view text);
