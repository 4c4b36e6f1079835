#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>

#include "tests/support/support.h"
#include "uninstaller/shortcuts.h"
#include "vel/shell.h"

namespace uninstaller {
namespace {

TEST(Shortcut, RecognisesItsTargetInAnySpelling) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        // Wine keeps a link's target in the ANSI code page, so the folder name stays within
        // it here; Windows keeps any name.
        test::ScratchFolder scratch;
        const std::wstring folder = scratch.Path() + L"\\Quillpad Stüdio";
        CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring exe = folder + L"\\Quillpad.exe";
        test::WriteTextFile(exe, "MZ");
        const std::wstring link = scratch.Path() + L"\\Quillpad.lnk";
        vel::CreateShortcut(exe, link, L"Quillpad Studio", L"");
        std::wstring upper = exe;
        CharUpperW(upper.data());

        EXPECT_TRUE(ShortcutPointsAt(link, exe));
        EXPECT_TRUE(ShortcutPointsAt(link, upper));
        EXPECT_FALSE(ShortcutPointsAt(link, folder + L"\\Other.exe"));
        EXPECT_FALSE(ShortcutPointsAt(scratch.Path() + L"\\Missing.lnk", exe));
    }
    CoUninitialize();
}

} // namespace
} // namespace uninstaller
