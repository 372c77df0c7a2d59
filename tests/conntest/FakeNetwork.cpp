#include "FakeNetwork.h"

#include <gtest/gtest.h>

namespace {

class FakeStack : public INetworkStack {
public:
    explicit FakeStack(FakeNetwork& script) : script_(script) {}
    StackStatus Start() override {
        script_.calls.push_back("start");
        return script_.stack;
    }

private:
    FakeNetwork& script_;
};

class FakeResolver : public IResolver {
public:
    explicit FakeResolver(FakeNetwork& script) : script_(script) {}
    Resolution Resolve(const std::string& host) override {
        script_.calls.push_back("resolve " + host);
        return script_.resolution;
    }

private:
    FakeNetwork& script_;
};

class FakeHttp : public IHttpClient {
public:
    explicit FakeHttp(FakeNetwork& script) : script_(script) {}
    HttpResult Get(const std::string& server) override {
        script_.calls.push_back("get " + server);
        return script_.http;
    }

private:
    FakeNetwork& script_;
};

class FakeConnector : public IConnector {
public:
    explicit FakeConnector(FakeNetwork& script) : script_(script) {}
    int Connect(const std::string& host, int port) override {
        script_.calls.push_back("connect " + host + ":" + std::to_string(port));
        const auto error = script_.portErrors.find(port);
        return error == script_.portErrors.end() ? 0 : error->second;
    }

private:
    FakeNetwork& script_;
};

} // namespace

ConnTestNetwork FakeNetwork::Make() {
    return {std::make_unique<FakeStack>(*this), std::make_unique<FakeResolver>(*this),
            std::make_unique<FakeHttp>(*this), std::make_unique<FakeConnector>(*this)};
}

void RecordingWindow::SetPortRow(const std::string& name, int port, const std::string& mainText,
                                 const std::string& altText) {
    const int row = port - kFirstPort;
    ASSERT_TRUE(row >= 0 && row < kRowCount) << port;
    EXPECT_EQ(name, kConnTestRows[row].database);
    mainCells[row] = mainText;
    altCells[row] = altText;
}

std::vector<std::string> Column(const char* repository, const char* engines) {
    std::vector<std::string> column(kRowCount, engines);
    column[0] = repository;
    return column;
}
