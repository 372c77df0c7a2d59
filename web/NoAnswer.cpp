#include "web/NoAnswer.h"

#include "web/HtmlUrl.h"

// Sees every exchange of a fetch, and keeps the last one when nothing answered it.
class CNoAnswerWording::CWatch : public IHttpTransport {
public:
    CWatch(std::unique_ptr<IHttpTransport> transport, std::optional<CNoAnswer>& last)
        : transport_(std::move(transport)), last_(last) {}

    HttpReply Exchange(const HttpExchange& exchange) override {
        HttpReply reply = transport_->Exchange(exchange);
        last_.reset();
        if (reply.status == 0)
            last_ = CNoAnswer{exchange.url, reply.connectFailed};
        return reply;
    }

private:
    std::unique_ptr<IHttpTransport> transport_;
    std::optional<CNoAnswer>& last_;
};

std::unique_ptr<IHttpTransport> CNoAnswerWording::Watch(std::unique_ptr<IHttpTransport> transport) {
    return std::make_unique<CWatch>(std::move(transport), last_);
}

std::string CNoAnswerWording::Word(const std::string& error) const {
    if (!last_)
        return error;
    const std::string server = CHtmlUrl(last_->url).GetHost();
    const char* refused = last_->connectFailed ? ", which did not accept a connection" : "";
    const char* advice =
        last_->connectFailed
            ? "The site may be down, or a firewall or proxy may be in the way: try again later"
            : "Check this computer's connection to the internet and its proxy settings, then "
              "try again";
    return page_ + " could not be fetched from " + server + refused + " (" + error + "). " +
           advice + " with " + retry_ + ".";
}
