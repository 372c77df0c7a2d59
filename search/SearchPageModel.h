#pragma once
// The base of every search page without its window: a caption, a state and the message of the
// page's red status line. The state drives the tab's caption colour and the sheet's OK button:
// OK needs some page with criteria entered and no page in error.

#include <cstdint>
#include <string>

class CCriteria;

enum SearchPageState : int {
    kPageEmpty = 0,   // nothing entered
    kPageError = 1,   // error; the status line says why
    kPagePartial = 2, // entered, but not enough to search on
    kPageEntered = 3, // criteria entered
};

// Text colours in the system's blue-green-red byte order.
inline constexpr std::uint32_t kStatusLineColour = 0x0000FF;
// The tab caption colour of a state: black, red, blue, green.
std::uint32_t GetPageStateColour(int state);

// What a page asks of the sheet that holds it.
class ISearchSheet {
public:
    virtual ~ISearchSheet() = default;
    // The database codes ticked on the Databases page.
    virtual std::string GetSelectedDatabases() const = 0;
    // Whether a field may be re-formatted as it loses the focus: not while the user is leaving
    // the sheet or clearing it.
    virtual bool GetFocusCheck() const = 0;
    // A page's state or message changed.
    virtual void UpdateOk() = 0;
    // The ticked databases changed: the Devices page validates again.
    virtual void RevalidateDevices() = 0;
};

class CSearchPageModel {
public:
    explicit CSearchPageModel(std::string caption) : caption_(std::move(caption)) {}
    CSearchPageModel(const CSearchPageModel&) = delete;
    CSearchPageModel& operator=(const CSearchPageModel&) = delete;
    virtual ~CSearchPageModel() = default;

    // Fills the page from criteria; what the page keeps beside them starts afresh.
    virtual void Load(const CCriteria& criteria) = 0;
    // Works the state and the message out from the page's values.
    virtual void Validate() = 0;
    // Writes the page's share of the criteria.
    virtual void Store(CCriteria& criteria) const = 0;
    // Empties the page and validates it again.
    virtual void Clear() = 0;

    const std::string& GetCaption() const { return caption_; }
    int GetState() const { return state_; }
    const std::string& GetMessage() const { return message_; }

    void SetSheet(ISearchSheet* sheet) { sheet_ = sheet; }

protected:
    // Nothing happens when state and message (compared without regard to case) are those shown
    // already; otherwise they are stored and the sheet hears of it.
    void SetState(int state, const std::string& message);
    // "" without a sheet.
    std::string GetSelectedDatabases() const;
    // False without a sheet.
    bool GetFocusCheck() const;
    ISearchSheet* GetSheet() const { return sheet_; }

private:
    std::string caption_;
    int state_ = kPageEmpty;
    std::string message_;
    ISearchSheet* sheet_ = nullptr;
};
