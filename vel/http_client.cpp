#include "vel/http_client.h"

#include <windows.h>
#include <winhttp.h>

#include <utility>

#include "vel/utf8.h"
#include "vel/version.h"

namespace vel {

namespace {

class InternetHandle {
  public:
    explicit InternetHandle(HINTERNET h) : h_(h) {}
    ~InternetHandle() {
        if (h_) WinHttpCloseHandle(h_);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    HINTERNET h_;
};

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS;
    // WinHTTP's own errors (12xxx) are described in its module, the rest by the system.
    const DWORD n = FormatMessageW(flags, GetModuleHandleW(L"winhttp.dll"), code, 0,
                                   reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n ? std::wstring(text, n) : L"";
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return ToUtf8(message);
}

[[noreturn]] void FailWith(const HttpRequest& request, const char* what, DWORD code) {
    const std::string detail = SystemMessage(code);
    throw ENetworkError(what + (" " + ToUtf8(request.Url)) + " (" +
                            (detail.empty() ? "" : detail + ", ") + "error " +
                            std::to_string(code) + ")",
                        code);
}

// Takes the error code before anything else can overwrite it.
[[noreturn]] void Fail(const HttpRequest& request, const char* what) {
    FailWith(request, what, GetLastError());
}

struct UrlParts {
    std::wstring host;
    std::wstring pathAndQuery;
    INTERNET_PORT port = 0;
    bool secure = false;
};

UrlParts CrackUrl(const HttpRequest& request) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength =
        static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(request.Url.c_str(), 0, 0, &parts)) Fail(request, "Invalid address");
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        FailWith(request, "Not an http or https address", ERROR_WINHTTP_UNRECOGNIZED_SCHEME);
    UrlParts url;
    url.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    url.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    url.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (url.pathAndQuery.empty()) url.pathAndQuery = L"/";
    url.port = parts.nPort;
    url.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return url;
}

HINTERNET OpenSession() {
    // The automatic proxy (Windows 8.1 and later) follows the system's proxy settings
    // and scripts; older WinHTTP versions only know the default one.
    HINTERNET session = WinHttpOpen(L"VelVersionCheck/1.0", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                    WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session)
        session = WinHttpOpen(L"VelVersionCheck/1.0", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                              WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    return session;
}

DWORD StatusCode(HINTERNET request) {
    DWORD status = 0, size = sizeof(status);
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    return status;
}

std::wstring StatusText(HINTERNET request) {
    wchar_t text[256] = L"";
    DWORD size = sizeof(text);
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_TEXT, WINHTTP_HEADER_NAME_BY_INDEX, text,
                        &size, WINHTTP_NO_HEADER_INDEX);
    return text;
}

std::string ReadBody(const HttpRequest& request, HINTERNET handle) {
    std::string body;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!WinHttpReadData(handle, buffer, sizeof(buffer), &got))
            Fail(request, "Reading the answer failed for");
        if (got == 0) return body;
        body.append(buffer, got);
    }
}

} // namespace

std::string HttpFetch(const HttpRequest& request) {
    const UrlParts url = CrackUrl(request);
    InternetHandle session(OpenSession());
    if (!session) Fail(request, "WinHTTP is not available for");
    if (request.Tls12Only) {
        DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
        if (!WinHttpSetOption(session.Get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                              sizeof(protocols)))
            Fail(request, "TLS 1.2 cannot be required for");
    }
    InternetHandle connection(WinHttpConnect(session.Get(), url.host.c_str(), url.port, 0));
    if (!connection) Fail(request, "Cannot reach");
    InternetHandle handle(WinHttpOpenRequest(
        connection.Get(), request.Method.c_str(), url.pathAndQuery.c_str(), nullptr,
        WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, url.secure ? WINHTTP_FLAG_SECURE : 0));
    if (!handle) Fail(request, "Cannot open a request for");
    const DWORD bodySize = static_cast<DWORD>(request.Body.size());
    if (!WinHttpSendRequest(
            handle.Get(),
            request.Headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : request.Headers.c_str(),
            static_cast<DWORD>(-1L),
            bodySize ? const_cast<char*>(request.Body.data()) : WINHTTP_NO_REQUEST_DATA, bodySize,
            bodySize, 0) ||
        !WinHttpReceiveResponse(handle.Get(), nullptr))
        Fail(request, "Request failed for");
    const DWORD status = StatusCode(handle.Get());
    if (status < 200 || status > 299) {
        throw ENetworkError("The server answered " + std::to_string(status) + " " +
                                ToUtf8(StatusText(handle.Get())) + " for " + ToUtf8(request.Url),
                            status);
    }
    return ReadBody(request, handle.Get());
}

} // namespace vel
