#include "installer/error_text.h"

#include <windows.h>

#include "installer/free_space.h"
#include "vel/zip_archive.h"

namespace installer {

std::wstring ErrorText(const std::exception& error) {
    if (auto zip = dynamic_cast<const vel::ZipError*>(&error)) return zip->Message();
    if (auto space = dynamic_cast<const NotEnoughSpace*>(&error)) return space->Message();
    // Messages of the runtime and of std::system_error come in the ANSI code page.
    std::string text = error.what();
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
        wide.pop_back();
    return wide;
}

} // namespace installer
