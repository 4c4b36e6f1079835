#pragma once
// Four-part version numbers: parsing, comparing, printing, and fetching one over HTTP.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace vel {

enum class TRelation { Smaller = 0, Equal = 1, Bigger = 2 };

// A network operation could not fetch its answer (connection, TLS, HTTP status).
class ENetworkError : public std::runtime_error {
  public:
    ENetworkError(const std::string& message, unsigned long code)
        : std::runtime_error(message), Code(code) {}
    unsigned long Code; // the WinHTTP/Win32 error, or the HTTP status for a refused request
};

// An answer arrived but is not what the operation expects (invalid JSON, missing value).
class EResponseError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct TVersionRec {
    uint32_t Major = 0;
    uint32_t Minor = 0;
    uint32_t Maintenance = 0;
    uint32_t Build = 0;
    // The last answer of APILoad; shared with whoever keeps it, untouched by everything else.
    std::shared_ptr<nlohmann::json> APIResponse;

    void Clear();
    // Reads "1.2.3.4", "1,2,3,4", "1-2-3-4" or "7". Throws std::invalid_argument naming the
    // piece when one is not a decimal number that fits 32 bits; the numbers before it stay.
    void Parse(const std::wstring& from);

    TRelation CompareTo(const TVersionRec& v) const;
    bool NewerThan(const TVersionRec& v) const;

    // "1.3.0", or "1.3.0.0" with the build number, or with another separator.
    std::wstring ToString() const;
    std::wstring ToString(bool includeBuild) const;
    std::wstring ToString(wchar_t separator, bool includeBuild) const;

    // HTTP GET of url; the body is parsed as it is.
    void NetworkLoad(const std::wstring& url);
    // HTTP GET of url bypassing caches; the body is trimmed, its carriage returns and
    // surrounding single quotes removed, then parsed.
    void HtmlLoad(const std::wstring& url);
    // POSTs {"mode": "getversion", "app": appName} to endpoint (an https endpoint is
    // reached over TLS 1.2 only), keeps the JSON answer in APIResponse and parses its
    // "version".
    void APILoad(const std::wstring& appName, const std::wstring& endpoint);
    // The text at a path like "links.windows[0].url" in APIResponse; empty when there is
    // no answer, no such value, or the value is an object, an array or null.
    std::wstring GetDownloadLink(const std::wstring& jsonValue) const;
};

TVersionRec MakeVersion(uint32_t major, uint32_t minor, uint32_t maintenance, uint32_t build);

// Bigger when a > b, Smaller when a < b, Equal otherwise.
TRelation CompareNumbers(double a, double b);

} // namespace vel
