#pragma once
// One HTTP(S) request with WinHTTP, for the small fetches of the utility library.
#include <string>

namespace vel {

struct HttpRequest {
    std::wstring Method = L"GET";
    std::wstring Url;
    std::wstring Headers; // extra header lines, each ending in "\r\n"
    std::string Body;
    bool Tls12Only = false; // https refuses every protocol but TLS 1.2
};

// The body of a 2xx answer. Throws ENetworkError (vel/version.h) when the address is
// not a valid http or https URL, the request fails, or the server refuses it.
std::string HttpFetch(const HttpRequest& request);

} // namespace vel
