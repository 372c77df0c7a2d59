#include "engines/VersionInfo.h"

#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"

#include <algorithm>
#include <strings.h>

std::string CVersionInfo::GetField(int n) const {
    if (n < 0)
        return {};
    std::size_t start = 0;
    for (int field = 0; field < n; ++field) {
        start = text_.find('\t', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return text_.substr(start, text_.find('\t', start) - start);
}

std::string CVersionInfo::GetLine(int i) const {
    const std::string first = GetField(0);
    int k = 0;
    if (!first.empty() && first.size() <= 6 &&
        std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; }))
        k = std::stoi(first);
    return GetField(i + k);
}

bool IsWebAddress(const std::string& address) {
    const auto hasScheme = [&address](const char* scheme) {
        const std::size_t length = std::char_traits<char>::length(scheme);
        return address.size() > length && strncasecmp(address.c_str(), scheme, length) == 0;
    };
    const bool blankOrControl = std::any_of(address.begin(), address.end(),
                                            [](unsigned char c) { return c <= 0x20 || c == 0x7f; });
    return (hasScheme("http://") || hasScheme("https://")) && !blankOrControl;
}

CVersionNotice::CVersionNotice(const CVersionInfo& info, Opener opener)
    : info_(info), opener_(opener ? std::move(opener) : Opener(platform::OpenUrl)) {}

std::string CVersionNotice::GetHeadline() const {
    return "A new version " + info_.GetVersion() + " of RO Vedaridarevu is available.";
}

bool CVersionNotice::Download() const {
    const std::string address = info_.GetAddress();
    // The address comes from the server: anything but a web address (a file, a program, another
    // scheme) is refused rather than handed to the desktop.
    const int result = IsWebAddress(address) ? opener_(address) : platform::kOpenUrlNoAssociation;
    if (result > 32)
        return true;
    platform::ShowMessageBox(
        {"W307 Unable to open hyperlink:\n\n" + platform::OpenUrlErrorText(result), "",
         platform::MessageButtons::Ok, platform::MessageIcon::Warning});
    return false;
}
