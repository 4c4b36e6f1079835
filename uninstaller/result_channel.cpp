#include "uninstaller/result_channel.h"

namespace uninstaller {

namespace {
// Each record is one kind character, its text and a line feed, in UTF-16.
constexpr wchar_t kLineRecord = L'L';
constexpr wchar_t kResultRecord = L'E';
} // namespace

void TResultWriter::Send(wchar_t kind, const std::wstring& text) {
    if (!pipe_) return;
    std::wstring record = kind + text + L'\n';
    for (size_t i = 1; i + 1 < record.size(); ++i)
        if (record[i] == L'\n' || record[i] == L'\r') record[i] = L' ';
    DWORD written = 0;
    if (!WriteFile(pipe_.Get(), record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)),
                   &written, nullptr))
        pipe_.Reset(); // the reader is gone; the work goes on without it
}

void TResultWriter::Line(const std::wstring& text) {
    Send(kLineRecord, text);
}

void TResultWriter::Finish(TUninstallResult result) {
    Send(kResultRecord, std::to_wstring(ExitCode(result)));
    pipe_.Reset();
}

std::optional<TUninstallResult>
ReadResults(HANDLE pipe, const std::function<void(const std::wstring&)>& onLine) {
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
        const size_t whole = bytes.size() / sizeof(wchar_t);
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), whole);
        size_t start = 0;
        for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
            const std::wstring record = text.substr(start, end - start);
            if (record.empty()) continue;
            if (record[0] == kResultRecord)
                return static_cast<TUninstallResult>(_wtoi(record.c_str() + 1));
            if (record[0] == kLineRecord) onLine(record.substr(1));
        }
        bytes.erase(0, start * sizeof(wchar_t));
    }
    return std::nullopt;
}

} // namespace uninstaller
