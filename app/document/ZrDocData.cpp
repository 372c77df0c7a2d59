#include "app/document/ZrDocData.h"

#include "app/document/DocumentServices.h"
#include "core/CoreServices.h"

#include <algorithm>

void SortAndGroup(CMarkList& marks) {
    marks.Sort();
    marks.SetGroupFlags();
    marks.Sort();
}

void CZrDocData::GetSearchPosition(int id, int& position, int& count) const {
    if (IsWatch())
        marks_.GetSectionPosition(id, &position, &count);
    else
        searches_.GetSearchPosition(id, &position, &count);
}

int CZrDocData::GetFirstSearch() const {
    return IsWatch() ? marks_.GetFirstSection() : searches_.GetFirstId();
}

int CZrDocData::GetNextSearch(int id) const {
    return IsWatch() ? marks_.GetNextSection(id) : searches_.GetNextId(id);
}

int CZrDocData::GetPreviousSearch(int id) const {
    return IsWatch() ? marks_.GetPreviousSection(id) : searches_.GetPreviousId(id);
}

void CZrDocData::Clear(bool withSettings) {
    marks_.RemoveAll();
    searches_.RemoveAll();
    if (withSettings)
        info_.Reset();
}

int CZrDocData::GetNewSection() const {
    return std::max(marks_.NewSection(), searches_.NewSection());
}

std::string CZrDocData::GetConnectedDatabaseCodes() {
    return GetRegisterServices().GetConnectedDatabaseCodes();
}

std::vector<std::string> CZrDocData::GetSetNames(const IExamRegisters& registers) {
    std::vector<std::string> names;
    for (char code : GetConnectedDatabaseCodes()) {
        for (const std::string& name : registers.GetSystemSets(code)) {
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}
