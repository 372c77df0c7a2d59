#include "engines/selection/DbSelectionPanel.h"

#include "engines/RegisterTable.h"
#include "engines/ZrDbEngineSet.h"

namespace {

// Days since 1 Jan 1970 of a calendar date, for whole-day differences that no clock change
// disturbs.
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Whole days from the date's midnight, local time, to the time given.
long DaysSince(const CZrDate& date, std::time_t now) {
    CZrDate today;
    today.SetTime(now);
    return DaysFromCivil(today.GetYear(), today.GetMonth(), today.GetDay()) -
           DaysFromCivil(date.GetYear(), date.GetMonth(), date.GetDay());
}

std::string NoticeLinkText(const CDbEntry& entry) {
    return "important notices about " + entry.id + " Direct";
}

} // namespace

CDbSelectionPanel::CDbSelectionPanel(const IRegisterTable& registers,
                                     const CZrRepository& repository, int wheelLines)
    : registers_(registers), repository_(repository),
      window_(CDbSelectionControls().visibleRows, wheelLines) {}

void CDbSelectionPanel::SetControls(const CDbSelectionControls& controls) {
    controls_ = controls;
    window_.SetVisibleRows(controls.visibleRows);
}

void CDbSelectionPanel::Init(const CDbSelection& catalogue, const std::string& usedCodes,
                             const std::string& fixedCodes) {
    catalogue_ = catalogue;
    usedCodes_ = usedCodes;
    window_.Reset();
    engines_.Build(registers_.GetDbCodes(), fixedCodes, registers_, repository_);
    for (const CDbGroup& group : catalogue.GetGroups())
        for (const CDbEntry& entry : group.databases)
            if (!engines_.HasEngines(static_cast<unsigned char>(entry.letter)))
                catalogue_.SelectDb(entry.letter, false);
    BuildRows();
}

void CDbSelectionPanel::BuildRows() {
    rows_.clear();
    const std::vector<CDbGroup>& groups = catalogue_.GetGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].secondKind != (tab_ == 1))
            continue;
        rows_.push_back({RowType::Group, g, 0, true, groups[g].name});
        if (groups[g].selected)
            AddDatabaseRows(g);
    }
    window_.SetRowCount(static_cast<int>(rows_.size()));
}

void CDbSelectionPanel::AddDatabaseRows(std::size_t g) {
    const std::size_t count = catalogue_.GetGroups()[g].databases.size();
    for (std::size_t d = 0; d < count; ++d) {
        const CDbGroup& group = catalogue_.GetGroups()[g];
        const CDbEntry& entry = group.databases[d];
        const char letter = entry.letter;
        bool enabled = engines_.HasEngines(static_cast<unsigned char>(letter));
        if (letter == 'i' && enabled && !IsIrEntryUsable(group, d)) {
            enabled = false;
            catalogue_.SetDbSelectedAt(g, d, false);
        }
        const std::string text = DatabaseText(catalogue_.GetGroups()[g].databases[d]);
        if (letter == '0' && controls_.trainingLink)
            rows_.push_back({RowType::Training, g, d, true, {}});
        rows_.push_back({RowType::Database, g, d, enabled, text});
        if (letter == 'd') {
            if (controls_.dataCreditStatic)
                rows_.push_back({RowType::DataCredit, g, d, true, {}});
        } else if (controls_.noticeLinks &&
                   registers_.IsWebDb(static_cast<unsigned char>(letter))) {
            rows_.push_back({RowType::Notice, g, d, true, {}});
        }
    }
}

bool CDbSelectionPanel::IsIrEntryUsable(const CDbGroup& group, std::size_t db) const {
    const std::string& filter = group.databases[db].filter;
    const auto has = [this](char letter) {
        return engines_.HasEngines(static_cast<unsigned char>(letter));
    };
    if (filter == "EM")
        return has('d') || has('c') || has('u') || has('e') || has('p');
    static const std::pair<const char*, char> kCountryRegisters[] = {
        {"DE", 'd'}, {"PL", 'p'}, {"AU", 't'}, {"CA", 'n'}};
    for (const auto& [country, letter] : kCountryRegisters)
        if (filter == country)
            return has(letter);
    if (filter.empty()) {
        const CZrDbEngine* chosen = ChosenEngine('i');
        return chosen && chosen->GetEngineCode() == 'i';
    }
    // Any other filter needs the group's own database.
    for (std::size_t d = 0; d < db; ++d)
        if (group.databases[d].id == group.code)
            return has(group.databases[d].letter);
    return false;
}

const CZrDbEngine* CDbSelectionPanel::ChosenEngine(char letter) const {
    const CDbEngineSelection* selection = engines_.Find(static_cast<unsigned char>(letter));
    return selection ? selection->GetSelectedEngine() : nullptr;
}

std::string CDbSelectionPanel::DatabaseText(const CDbEntry& entry) const {
    std::string text = entry.displayName;
    const CZrDbEngine* chosen = ChosenEngine(entry.letter);
    if (chosen && !chosen->GetDate().IsEmpty())
        text += " to " + chosen->GetDate().Format();
    if (engines_.HasVariants())
        text += " (" + (chosen ? chosen->GetLocationLabel() : std::string()) + ")";
    return text;
}

const CDbSelectionPanel::Row* CDbSelectionPanel::RowOfSlot(int n) const {
    const int row = window_.GetFirstRow() + n;
    if (n < 0 || n >= controls_.visibleRows || row >= GetRowCount())
        return nullptr;
    return &rows_[static_cast<std::size_t>(row)];
}

std::vector<CDbSelectionSlot> CDbSelectionPanel::GetSlots() const {
    std::vector<CDbSelectionSlot> slots(static_cast<std::size_t>(controls_.visibleRows));
    for (int n = 0; n < controls_.visibleRows; ++n) {
        const Row* row = RowOfSlot(n);
        if (!row)
            continue;
        CDbSelectionSlot& slot = slots[static_cast<std::size_t>(n)];
        const CDbGroup& group = catalogue_.GetGroups()[row->group];
        switch (row->type) {
        case RowType::Group:
            slot = {CDbSelectionSlot::Kind::Group, row->text, group.selected, true, {}, {}};
            break;
        case RowType::Database:
            slot = {CDbSelectionSlot::Kind::Database,
                    row->text,
                    group.databases[row->db].selected && row->enabled,
                    row->enabled,
                    {},
                    {}};
            break;
        case RowType::DataCredit:
            slot.kind = CDbSelectionSlot::Kind::DataCredit;
            break;
        case RowType::Notice: {
            const CDbEntry& entry = group.databases[row->db];
            slot = {CDbSelectionSlot::Kind::Notice,
                    kNoticeCheckText,
                    confirmedCodes_.find(entry.letter) != std::string::npos,
                    true,
                    NoticeLinkText(entry),
                    makerSite_.GetNoticesPage(entry.id)};
            break;
        }
        case RowType::Training:
            slot = {CDbSelectionSlot::Kind::Training, {}, false, true, "(Click for Training help)",
                    makerSite_.GetTrainingPage()};
            break;
        }
    }
    return slots;
}

std::vector<std::string> CDbSelectionPanel::GetNoticeLinkTexts() const {
    std::vector<std::string> texts;
    if (!controls_.noticeLinks)
        return texts;
    for (const CDbGroup& group : catalogue_.GetGroups())
        for (const CDbEntry& entry : group.databases)
            if (registers_.IsWebDb(static_cast<unsigned char>(entry.letter)))
                texts.push_back(NoticeLinkText(entry));
    return texts;
}

void CDbSelectionPanel::OnCheckClicked(int n, bool checked) {
    const Row* row = RowOfSlot(n);
    if (!row)
        return;
    switch (row->type) {
    case RowType::Group:
        catalogue_.SetGroupSelectedAt(row->group, checked);
        BuildRows();
        break;
    case RowType::Database:
        catalogue_.SetDbSelectedAt(row->group, row->db, checked);
        break;
    case RowType::Notice: {
        const char letter = catalogue_.GetGroups()[row->group].databases[row->db].letter;
        std::erase(confirmedCodes_, letter);
        if (checked)
            confirmedCodes_ += letter;
        break;
    }
    case RowType::DataCredit:
    case RowType::Training:
        break;
    }
}

std::uint32_t CDbSelectionPanel::GetRowColour(int n, std::time_t now) const {
    const Row* row = RowOfSlot(n);
    if (!row || (row->type != RowType::Group && row->type != RowType::Database))
        return 0;
    const CDbGroup& group = catalogue_.GetGroups()[row->group];
    if (group.training)
        return kTrainingColour;
    if (row->type == RowType::Group)
        return 0;
    const char letter = group.databases[row->db].letter;
    if (registers_.IsWebDb(static_cast<unsigned char>(letter)))
        return kDirectColour;
    const CZrDbEngine* chosen = ChosenEngine(letter);
    if (chosen && !chosen->GetDate().IsEmpty() && DaysSince(chosen->GetDate(), now) >= kOldDataDays)
        return kOldDataColour;
    return 0;
}

std::vector<std::string> CDbSelectionPanel::GetTabs() const {
    std::vector<std::string> tabs = {"Velorin Databases"};
    if (registers_.HasWebDbs())
        tabs.emplace_back("Patent Office Direct Databases");
    return tabs;
}

void CDbSelectionPanel::OnTabChange(int tab) {
    if ((tab != 0 && tab != 1) || tab == tab_)
        return;
    tab_ = tab;
    window_.Reset();
    BuildRows();
}

std::uint32_t CDbSelectionPanel::GetTabColour(int tab) const {
    return catalogue_.CollectSelection(tab == 0, tab == 1).empty() ? 0 : kSelectedTabColour;
}

std::string CDbSelectionPanel::GetSelectedEngines(CZrDbEngineSet& engines) const {
    engines.Clear();
    std::string codes;
    for (const auto& [letter, filter] : catalogue_.GetSelection())
        if (const CZrDbEngine* chosen = ChosenEngine(letter)) {
            engines.AddEngine(*chosen, filter);
            codes += letter;
        }
    return codes;
}

std::string CDbSelectionPanel::FindUnconfirmedNotice(const std::string& codes) const {
    for (const char c : codes)
        if (registers_.IsWebDb(static_cast<unsigned char>(c)) &&
            confirmedCodes_.find(c) == std::string::npos)
            return "You must read and understand the important notices about " +
                   registers_.GetShortName(static_cast<unsigned char>(c)) +
                   " Direct if you wish to use that database.";
    return {};
}
