#include "core/Mark.h"

#include "core/MarkOrder.h"

std::uint64_t CMark::GetSortKey() const {
    return CMarkKeys()(*this);
}

bool CMark::operator<(const CMark& other) const {
    return IsBeforeInMarkOrder(*this, other);
}
