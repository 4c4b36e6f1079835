#include <gtest/gtest.h>

#include <winsock2.h>
#include <ws2tcpip.h>

#include <functional>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "tests/support/support.h"
#include "vel/version.h"

namespace vel {
namespace {

std::string Answer(const std::string& status, const std::string& contentType,
                   const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
           body;
}

class Winsock {
  public:
    Winsock() {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
    }
    ~Winsock() { WSACleanup(); }
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;
};

// A listening socket on 127.0.0.1 with a port chosen by the system.
SOCKET ListenOnLoopback(u_short& port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(s, 4) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port = ntohs(address.sin_port);
    return s;
}

// A small HTTP server on 127.0.0.1, on a thread of its own: it answers every request with
// the same prepared answer and keeps the last request it read.
class LoopbackServer {
  public:
    explicit LoopbackServer(std::string answer) : answer_(std::move(answer)) {
        listener_ = ListenOnLoopback(port_);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackServer() {
        closesocket(listener_); // ends the blocked accept
        thread_.join();
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::wstring Url(const std::wstring& path) const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }
    std::string LastRequest() const {
        std::lock_guard lock(mutex_);
        return request_;
    }

  private:
    void Serve() {
        for (SOCKET client; (client = accept(listener_, nullptr, nullptr)) != INVALID_SOCKET;
             closesocket(client)) {
            const std::string request = ReadRequest(client);
            {
                std::lock_guard lock(mutex_);
                request_ = request;
            }
            send(client, answer_.data(), static_cast<int>(answer_.size()), 0);
            shutdown(client, SD_SEND);
        }
    }

    // The head up to the blank line, then as many body bytes as Content-Length says.
    static std::string ReadRequest(SOCKET client) {
        std::string data;
        char buffer[4096];
        size_t bodyStart = std::string::npos, length = 0;
        while (bodyStart == std::string::npos || data.size() < bodyStart + length) {
            const int got = recv(client, buffer, sizeof(buffer), 0);
            if (got <= 0) break;
            data.append(buffer, static_cast<size_t>(got));
            if (bodyStart != std::string::npos) continue;
            const size_t headEnd = data.find("\r\n\r\n");
            if (headEnd == std::string::npos) continue;
            bodyStart = headEnd + 4;
            const size_t field = data.find("Content-Length: ");
            if (field != std::string::npos && field < headEnd)
                length = std::stoul(data.substr(field + 16));
        }
        return data;
    }

    Winsock winsock_;
    std::string answer_;
    u_short port_ = 0;
    SOCKET listener_ = INVALID_SOCKET;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::string request_;
};

std::string Body(const std::string& request) {
    return request.substr(request.find("\r\n\r\n") + 4);
}

TEST(VersionNetwork, NetworkLoadParsesTheBodyOfAGet) {
    LoopbackServer server(Answer("200 OK", "text/plain", "2.5.1.7"));
    TVersionRec v;
    v.NetworkLoad(server.Url(L"/quillpad/version.txt"));
    EXPECT_EQ(v.ToString(true), L"2.5.1.7");
    EXPECT_EQ(server.LastRequest().rfind("GET /quillpad/version.txt HTTP/1.1\r\n", 0), 0u)
        << server.LastRequest();
}

TEST(VersionNetwork, HtmlLoadAsksPastCachesAndCleansTheText) {
    LoopbackServer server(Answer("200 OK", "text/html", "\xEF\xBB\xBF  '1.4\r.0'\r\n\r\n"));
    TVersionRec v;
    v.HtmlLoad(server.Url(L"/version?app=quillpad"));
    EXPECT_EQ(v.ToString(true), L"1.4.0.0");
    const std::string request = server.LastRequest();
    EXPECT_EQ(request.rfind("GET /version?app=quillpad HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nCache-Control: no-cache\r\n"), std::string::npos) << request;
}

TEST(VersionNetwork, APILoadPostsTheAppAndKeepsTheAnswer) {
    const std::string answer = R"({"version": "3.1.4", "size": 1234, "beta": false, "notes": null,
        "links": {"windows": [{"url": "https://example.test/Quillpad-3.1.4.exe"}],
                  "a.b": "dotted"}})";
    LoopbackServer server(Answer("200 OK", "application/json", answer));
    TVersionRec v;
    v.APILoad(L"Quillpad St\u00FCdio", server.Url(L"/api"));
    EXPECT_EQ(v.ToString(true), L"3.1.4.0");

    const std::string request = server.LastRequest();
    EXPECT_EQ(request.rfind("POST /api HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nContent-Type: application/json\r\n"), std::string::npos) << request;
    const nlohmann::json expected{{"mode", "getversion"}, {"app", "Quillpad St\u00FCdio"}};
    EXPECT_EQ(nlohmann::json::parse(Body(request)), expected);

    const TVersionRec copy = v; // the answer goes with the record
    const struct {
        const wchar_t* path;
        const wchar_t* expected;
    } links[] = {
        {L"links.windows[0].url", L"https://example.test/Quillpad-3.1.4.exe"},
        {L"links['a.b']", L"dotted"},
        {L"version", L"3.1.4"},
        {L"size", L"1234"},
        {L"beta", L"false"},
        {L"notes", L""},
        {L"links", L""},
        {L"links.windows", L""},
        {L"links.windows[1].url", L""},
        {L"links.windows[x]", L""},
        {L"links.windows[0", L""},
        {L"links.mac.url", L""},
        {L"version.major", L""},
    };
    for (const auto& link : links)
        EXPECT_EQ(copy.GetDownloadLink(link.path), link.expected)
            << testing::PrintToString(std::wstring(link.path));
    EXPECT_EQ(TVersionRec().GetDownloadLink(L"version"), L"") << "no answer yet";
}

// Which kind of error a call raises.
std::string ErrorKind(const std::function<void()>& call) {
    try {
        call();
        return "none";
    } catch (const ENetworkError&) {
        return "network";
    } catch (const EResponseError&) {
        return "response";
    } catch (const std::invalid_argument&) {
        return "version";
    } catch (...) {
        return "other";
    }
}

TEST(VersionNetwork, AnswersWithoutAVersionRaiseByKind) {
    const struct {
        std::string answer;
        bool api;
        std::string kind;
        bool answerKept; // APIResponse holds the answer although the version failed
    } cases[] = {
        {Answer("404 Not Found", "text/plain", "missing"), false, "network", false},
        {Answer("500 Internal Server Error", "application/json", "{}"), true, "network", false},
        {Answer("200 OK", "text/plain", "1.2-beta"), false, "version", false},
        {Answer("200 OK", "text/plain", "1.4.0\n"), false, "version", false}, // taken as it is
        {Answer("200 OK", "application/json", "{\"version\": "), true, "response", false},
        {Answer("200 OK", "application/json", "[\"1.0\"]"), true, "response", false},
        {Answer("200 OK", "application/json", "{\"version\": 3}"), true, "response", true},
        {Answer("200 OK", "application/json", "{\"version\": \"x.1\"}"), true, "version", true},
    };
    for (const auto& c : cases) {
        LoopbackServer server(c.answer);
        TVersionRec v;
        EXPECT_EQ(ErrorKind([&] {
                      if (c.api)
                          v.APILoad(L"Quillpad", server.Url(L"/api"));
                      else
                          v.NetworkLoad(server.Url(L"/v"));
                  }),
                  c.kind)
            << c.answer;
        EXPECT_EQ(v.APIResponse != nullptr, c.answerKept) << c.answer;
    }
}

TEST(VersionNetwork, StatusAndConnectionFailuresCarryTheirCode) {
    {
        LoopbackServer server(Answer("404 Not Found", "text/plain", ""));
        try {
            TVersionRec().NetworkLoad(server.Url(L"/gone"));
            ADD_FAILURE() << "no error for 404";
        } catch (const ENetworkError& e) {
            EXPECT_EQ(e.Code, 404u);
            EXPECT_NE(std::string(e.what()).find("404"), std::string::npos) << e.what();
        }
    }
    u_short port = 0;
    {
        Winsock winsock;
        closesocket(ListenOnLoopback(port)); // a port where nobody listens any more
    }
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(port) + L"/v";
    for (const std::wstring& url :
         {closed, std::wstring(L"ftp://127.0.0.1/v"), std::wstring(L"no address")}) {
        try {
            TVersionRec().HtmlLoad(url);
            ADD_FAILURE() << "no error for " << test::Narrow(url);
        } catch (const ENetworkError& e) {
            EXPECT_NE(e.Code, 0u);
            EXPECT_NE(std::string(e.what()).find(test::Narrow(url)), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace vel
