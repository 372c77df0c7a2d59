#include "app/document/SearchDocument.h"

std::vector<int> CSearchDocument::GetFilteredSearchIds(const CFilter& filter) const {
    std::vector<int> ids;
    document_.GetFilteredSearchIds(filter, ids);
    return ids;
}

std::vector<CMark> CSearchDocument::GetFilteredMarks(const CFilter& filter) const {
    TVmRec<int> indexes;
    document_.FilterMarks(filter, indexes);
    std::vector<CMark> marks;
    marks.reserve(static_cast<std::size_t>(indexes.GetSize()));
    for (int i = 0; i < indexes.GetSize(); ++i)
        marks.push_back(document_.GetMark(indexes.GetAt(i)));
    return marks;
}
