#include "search/SearchPageModel.h"

#include <strings.h>

std::uint32_t GetPageStateColour(int state) {
    switch (state) {
    case kPageError:
        return 0x0000FF;
    case kPagePartial:
        return 0xFF0000;
    case kPageEntered:
        return 0x008000;
    default:
        return 0;
    }
}

void CSearchPageModel::SetState(int state, const std::string& message) {
    if (state == state_ && strcasecmp(message.c_str(), message_.c_str()) == 0)
        return;
    state_ = state;
    message_ = message;
    if (sheet_)
        sheet_->UpdateOk();
}

std::string CSearchPageModel::GetSelectedDatabases() const {
    return sheet_ ? sheet_->GetSelectedDatabases() : std::string();
}

bool CSearchPageModel::GetFocusCheck() const {
    return sheet_ && sheet_->GetFocusCheck();
}
