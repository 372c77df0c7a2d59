// Every page class of the register walks and of the maker's pages on one input, as a page saved
// from a browser or a response body.
#include "web/FormParser.h"
#include "web/HtmlParser.h"
#include "web/MakerPages.h"
#include "web/SitePages.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The login's token reader, fed without posting.
class LoginReader : public CWebLoginPage {
public:
    using CWebLoginPage::CWebLoginPage;
    void Read(std::string_view html) {
        CMemorySource source(html);
        CHtmlParser parser(source);
        for (CHtmlToken token; parser.NextToken(token);)
            OnToken(token);
    }
};

template <typename Page>
void Parse(std::string_view html) {
    Page page;
    page.ParseBuffer(html);
    if (page.GetDepth() < 0 || page.GetDepth() > CHtmlPage::kMaxDepth)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    CHtmlPageFormParser forms;
    forms.ParseBuffer(html);
    for (const auto& [name, form] : forms.GetForms())
        if (forms.GetForm(name) == nullptr)
            __builtin_trap();

    Parse<CHtmlPageUkdomSearch>(html);
    Parse<CHtmlPagePlHome>(html);
    Parse<CHtmlPagePlHits>(html);
    Parse<CHtmlPageDeHome>(html);
    Parse<CHtmlPageDeTradeMarks>(html);
    Parse<CHtmlPageDeResults>(html);
    Parse<CHtmlPageCpvrResults>(html);
    CHtmlPageWipoResults results;
    results.ParseBuffer(html);
    if (results.GetHitCount().value_or(0) < 0)
        __builtin_trap();

    CHtmlPageAnnouncements announcements;
    announcements.ParseBuffer(html);
    for (const CAnnouncement& announcement : announcements.GetAnnouncements())
        if (announcement.GetTitle().empty() || !CHtmlUrl(announcement.GetUrl()).IsWeb())
            __builtin_trap();
    CHtmlPageRepositories repositories;
    repositories.ParseBuffer(html);
    for (const std::string& repository : repositories.GetRepositories())
        if (repository.empty())
            __builtin_trap();

    static CWebClient client;
    static CWebConnection connection(client, CHtmlUrl("http://login.invalid"));
    LoginReader login(connection);
    login.Read(html);
    return 0;
}
