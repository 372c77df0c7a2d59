#include "app/Announcements.h"

#include "core/CleanString.h"
#include "core/UserOptions.h"
#include "core/ZrDate.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <optional>

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

void CAnnouncements::Take(std::vector<CAnnouncementItem> fetched,
                          const std::string& internetError) {
    if (!internetError.empty()) {
        platform::ShowMessageBox({internetError.substr(0, kMaxErrorLength), ""});
        return;
    }
    if (fetched.empty())
        return;
    items_ = std::move(fetched);
    // A date cell may break its line or space its words out; the date is read as a date only
    // with single blanks.
    for (CAnnouncementItem& item : items_)
        item.date = CCleanString(item.date).GetText();
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

struct CAnnouncementsFetch::Handover {
    struct Page {
        std::vector<CAnnouncementItem> fetched;
        std::string error;
    };

    void HandOver() {
        if (!delivering || !page)
            return;
        // Taken first: what it is handed to may open a window, whose event loop runs on.
        Page taken = std::move(*page);
        page.reset();
        arrived(std::move(taken.fetched), taken.error);
    }

    Arrived arrived;
    bool delivering = false;
    std::optional<Page> page;
};

CAnnouncementsFetch::CAnnouncementsFetch(std::unique_ptr<IAnnouncementSource> source, Post post,
                                         Arrived arrived)
    : handover_(std::make_shared<Handover>(Handover{std::move(arrived), false, std::nullopt})),
      source_(std::move(source)) {
    worker_ = std::jthread([this, post = std::move(post),
                            handover = std::weak_ptr<Handover>(handover_)](std::stop_token stop) {
        std::string error;
        std::vector<CAnnouncementItem> fetched = source_->Fetch(error, stop);
        post([handover, page = Handover::Page{std::move(fetched), std::move(error)}]() mutable {
            if (const std::shared_ptr<Handover> alive = handover.lock()) {
                alive->page = std::move(page);
                alive->HandOver();
            }
        });
    });
}

CAnnouncementsFetch::~CAnnouncementsFetch() = default;

void CAnnouncementsFetch::Deliver() {
    handover_->delivering = true;
    handover_->HandOver();
}
