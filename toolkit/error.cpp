#include "toolkit/error.h"

#include <windows.h>

namespace toolkit {

namespace {
std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring FromUtf8(const char* text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (size <= 1) return {};
    std::wstring result(size - 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), size);
    return result;
}
} // namespace

Error::Error(std::wstring message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

std::wstring ExceptionMessage(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const Error& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return FromUtf8(error.what());
    } catch (...) {
        return L"Unknown error";
    }
}

} // namespace toolkit
