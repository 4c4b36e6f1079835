#include "bench/block_copy.h"

#include <windows.h>

#include <stdexcept>

#include "vel/handle.h"
#include "vel/utf8.h"

namespace bench {

namespace {

[[noreturn]] void Fail(const char* what, const std::wstring& file) {
    throw std::runtime_error(std::string(what) + " " + vel::ToUtf8(file) + " (error " +
                             std::to_string(GetLastError()) + ")");
}

} // namespace

void CopyFileBlocks(const std::wstring& from, const std::wstring& to, std::vector<char>& buffer) {
    vel::UniqueHandle in(CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in) Fail("cannot open", from);
    vel::UniqueHandle out(CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) Fail("cannot create", to);
    DWORD got = 0;
    for (;;) {
        if (!ReadFile(in.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            Fail("cannot read", from);
        if (got == 0) return;
        DWORD written = 0;
        if (!WriteFile(out.Get(), buffer.data(), got, &written, nullptr) || written != got)
            Fail("cannot write", to);
    }
}

} // namespace bench
