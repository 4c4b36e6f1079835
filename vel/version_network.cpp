// The online half of the version record: fetching a version over HTTP(S).
#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "vel/http_client.h"
#include "vel/utf8.h"
#include "vel/version.h"

namespace vel {

namespace {

// Text files saved by Windows editors often start with a byte order mark.
std::wstring BodyText(const std::string& body) {
    const std::string_view bom = "\xEF\xBB\xBF";
    return FromUtf8(std::string_view(body).substr(body.starts_with(bom) ? bom.size() : 0));
}

// A version published as a small text file: surrounding blanks and line breaks, stray
// carriage returns and quotes around the number are not part of it.
std::wstring CleanVersionText(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t\r\n\f\v");
    const size_t last = text.find_last_not_of(L" \t\r\n\f\v");
    std::wstring clean = first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
    std::erase(clean, L'\r');
    if (clean.size() >= 2 && clean.front() == L'\'' && clean.back() == L'\'')
        clean = clean.substr(1, clean.size() - 2);
    return clean;
}

struct PathStep {
    std::string name; // member name, when index is not set
    std::optional<size_t> index;
};

// "a.b[0].c" and "['a.b']" into names and array indexes; nothing when malformed.
std::optional<std::vector<PathStep>> SplitJsonPath(const std::string& path) {
    std::vector<PathStep> steps;
    for (size_t i = 0; i < path.size();) {
        if (path[i] == '.') {
            ++i;
        } else if (path[i] != '[') {
            const size_t end = std::min(path.find_first_of(".[", i), path.size());
            steps.push_back({path.substr(i, end - i), std::nullopt});
            i = end;
        } else {
            const size_t close = path.find(']', i);
            if (close == std::string::npos) return std::nullopt;
            const std::string inside = path.substr(i + 1, close - i - 1);
            i = close + 1;
            if (inside.size() >= 2 && (inside.front() == '\'' || inside.front() == '"') &&
                inside.back() == inside.front())
                steps.push_back({inside.substr(1, inside.size() - 2), std::nullopt});
            else if (!inside.empty() && inside.size() <= 9 &&
                     inside.find_first_not_of("0123456789") == std::string::npos)
                steps.push_back({"", std::stoul(inside)});
            else
                return std::nullopt;
        }
    }
    return steps;
}

const nlohmann::json* Find(const nlohmann::json& root, const std::string& path) {
    const auto steps = SplitJsonPath(path);
    if (!steps) return nullptr;
    const nlohmann::json* node = &root;
    for (const PathStep& step : *steps) {
        if (step.index) {
            if (!node->is_array() || *step.index >= node->size()) return nullptr;
            node = &(*node)[*step.index];
        } else {
            if (!node->is_object()) return nullptr;
            const auto found = node->find(step.name);
            if (found == node->end()) return nullptr;
            node = &*found;
        }
    }
    return node;
}

} // namespace

void TVersionRec::NetworkLoad(const std::wstring& url) {
    HttpRequest request;
    request.Url = url;
    Parse(BodyText(HttpFetch(request)));
}

void TVersionRec::HtmlLoad(const std::wstring& url) {
    HttpRequest request;
    request.Url = url;
    request.Headers = L"Cache-Control: no-cache\r\n";
    Parse(CleanVersionText(BodyText(HttpFetch(request))));
}

void TVersionRec::APILoad(const std::wstring& appName, const std::wstring& endpoint) {
    HttpRequest request;
    request.Method = L"POST";
    request.Url = endpoint;
    request.Headers = L"Content-Type: application/json\r\n";
    request.Body = nlohmann::json{{"mode", "getversion"}, {"app", ToUtf8(appName)}}.dump();
    request.Tls12Only = true;
    const std::string body = HttpFetch(request);

    nlohmann::json answer;
    try {
        answer = nlohmann::json::parse(body);
    } catch (const nlohmann::json::exception& e) {
        throw EResponseError("The answer of " + ToUtf8(endpoint) +
                             " is not valid JSON: " + e.what());
    }
    if (!answer.is_object())
        throw EResponseError("The answer of " + ToUtf8(endpoint) + " is not a JSON object");
    APIResponse = std::make_shared<nlohmann::json>(std::move(answer));

    const auto version = APIResponse->find("version");
    if (version == APIResponse->end() || !version->is_string())
        throw EResponseError("The answer of " + ToUtf8(endpoint) +
                             " has no text value \"version\"");
    Parse(FromUtf8(version->get<std::string>()));
}

std::wstring TVersionRec::GetDownloadLink(const std::wstring& jsonValue) const {
    if (!APIResponse) return L"";
    const nlohmann::json* value = Find(*APIResponse, ToUtf8(jsonValue));
    if (!value) return L"";
    if (value->is_string()) return FromUtf8(value->get<std::string>());
    if (value->is_number() || value->is_boolean()) return FromUtf8(value->dump());
    return L"";
}

} // namespace vel
