#include "core/Mark.h"

#include "core/CoreServices.h"
#include "core/MarkOrder.h"

std::uint64_t CMark::GetSortKey() const {
    return ApplySortOrder(GetRegisterServices().GetMarkKey(*this),
                          GetUserSettings().GetSortOrder());
}

bool CMark::operator<(const CMark& other) const {
    return IsBeforeInMarkOrder(*this, GetSortKey(), other, other.GetSortKey());
}
