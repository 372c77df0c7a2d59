#include "app/Announcements.h"

#include "core/UserOptions.h"
#include "core/ZrDate.h"
#include "platform/MessageBox.h"

#include <algorithm>

namespace {

// The library's message may be long; the user sees its start.
constexpr std::size_t kMaxErrorLength = 256;

} // namespace

bool CAnnouncements::IsNewerThanDismissed(const std::string& date,
                                          const std::string& dismissedDate) {
    if (date.empty() || dismissedDate.empty())
        return true;
    CZrDate announced, dismissed;
    if (!announced.Parse(date.c_str()) || !dismissed.Parse(dismissedDate.c_str()))
        return true;
    return dismissed < announced;
}

void CAnnouncements::FetchAndShowNewest() {
    std::string internetError;
    std::vector<CAnnouncementItem> fetched = source_.Fetch(internetError);
    if (!internetError.empty()) {
        platform::ShowMessageBox({internetError.substr(0, kMaxErrorLength), ""});
        return;
    }
    if (fetched.empty())
        return;
    items_ = std::move(fetched);
    const std::string& date = items_.front().date;
    if (!IsNewerThanDismissed(date, user_.GetLatestDontShowDate()))
        return;
    if (!ShowAnnouncement(0, true))
        user_.SetLatestDontShowDate(date);
}

std::vector<std::string> CAnnouncements::GetMenuTitles() const {
    std::vector<std::string> titles;
    const std::size_t count = std::min<std::size_t>(items_.size(), kMaxMenuItems);
    for (std::size_t i = 0; i < count; ++i)
        titles.push_back(items_[i].title);
    return titles;
}

bool CAnnouncements::ShowAnnouncement(int index, bool firstTime) {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return true;
    const std::string& url = items_[index].url;
    if (url.empty())
        return true;
    return window_.Show(url, firstTime);
}
