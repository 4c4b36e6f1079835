#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "tests/support/support.h"
#include "tests/support/windows.h"
#include "vel/process.h"
#include "vel/shell.h"

namespace vel {
namespace {

std::wstring LowerPath(std::wstring path) {
    CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    return path;
}

TEST(ProcessList, ListsAndKillsARealChild) {
    const std::wstring exe = test::BuildFile(L"resources\\Quillpad.exe");
    test::StartedProcess child;
    test::StartProcess(L"\"" + exe + L"\"", child);
    ASSERT_NE(test::WaitForWindow(L"Quillpad Studio 1.3.0.0", child.pid), nullptr);

    auto list = GetProcessList();
    auto found = std::find_if(list.begin(), list.end(), [&](const TProcess& p) {
        return p.PID == static_cast<int32_t>(child.pid);
    });
    ASSERT_NE(found, list.end());
    EXPECT_EQ(found->Module, L"Quillpad.exe");
    EXPECT_EQ(LowerPath(found->FileName), LowerPath(exe));
    EXPECT_EQ(found->ParentPID, static_cast<int32_t>(GetCurrentProcessId()));
    EXPECT_GE(found->Threads, 1);
    auto icon = found->GetIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->Transparent);
    EXPECT_FALSE(icon->Empty());

    found->KillProcess();
    EXPECT_NE(child.Wait(20000), static_cast<DWORD>(WAIT_TIMEOUT))
        << "taskkill /F ends the process";
}

TEST(ProcessList, KillingRunsTheSystemsTaskkillNotOnePlantedInTheCurrentFolder) {
    const std::wstring exe = test::BuildFile(L"resources\\Quillpad.exe");
    test::StartedProcess child;
    test::StartProcess(L"\"" + exe + L"\"", child);
    ASSERT_NE(test::WaitForWindow(L"Quillpad Studio 1.3.0.0", child.pid), nullptr);

    // A taskkill.exe that would not end anything, in the current folder and first on the
    // search path.
    test::ScratchFolder planted;
    const std::wstring fake = planted.Path() + L"\\taskkill.exe";
    ASSERT_TRUE(
        CopyFileW(test::BuildFile(L"tests\\console_probe.exe").c_str(), fake.c_str(), FALSE));
    wchar_t previousFolder[MAX_PATH], previousPath[32767];
    GetCurrentDirectoryW(MAX_PATH, previousFolder);
    GetEnvironmentVariableW(L"PATH", previousPath, std::size(previousPath));
    SetCurrentDirectoryW(planted.Path().c_str());
    SetEnvironmentVariableW(L"PATH", (planted.Path() + L";" + previousPath).c_str());
    TProcess process;
    process.PID = static_cast<int32_t>(child.pid);
    process.KillProcess();
    SetCurrentDirectoryW(previousFolder);
    SetEnvironmentVariableW(L"PATH", previousPath);
    EXPECT_NE(child.Wait(20000), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the system's taskkill ended the process";
}

TEST(ProcessList, IncludesThisProcessAndNoIconForAMissingFile) {
    auto list = GetProcessList();
    auto self = std::find_if(list.begin(), list.end(), [](const TProcess& p) {
        return p.PID == static_cast<int32_t>(GetCurrentProcessId());
    });
    ASSERT_NE(self, list.end());
    EXPECT_FALSE(self->FileName.empty());
    TProcess gone;
    gone.FileName = L"C:\\no\\such\\program.exe";
    EXPECT_EQ(gone.GetIcon(), nullptr);
}

TEST(Shortcut, WritesALinkThatReadsBack) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    test::ScratchFolder folder;
    const std::wstring target = folder.Path() + L"\\App Folder\\Quillpad.exe";
    const std::wstring link = folder.Path() + L"\\Quillpad.lnk";
    CreateDirectoryW((folder.Path() + L"\\App Folder").c_str(), nullptr);
    test::WriteTextFile(target, "MZ");
    CreateShortcut(target, link, L"Quillpad Studio", L"-new \"a b\"");
    ASSERT_TRUE(test::FileExists(link));

    IShellLinkW* shell = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IShellLinkW, reinterpret_cast<void**>(&shell)));
    IPersistFile* file = nullptr;
    ASSERT_HRESULT_SUCCEEDED(
        shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    ASSERT_HRESULT_SUCCEEDED(file->Load(link.c_str(), STGM_READ));
    wchar_t text[MAX_PATH * 2];
    shell->GetPath(text, MAX_PATH * 2, nullptr, 0);
    EXPECT_EQ(LowerPath(text), LowerPath(target));
    shell->GetDescription(text, MAX_PATH * 2);
    EXPECT_STREQ(text, L"Quillpad Studio");
    shell->GetArguments(text, MAX_PATH * 2);
    EXPECT_STREQ(text, L"-new \"a b\"");
    shell->GetWorkingDirectory(text, MAX_PATH * 2);
    EXPECT_EQ(LowerPath(text), LowerPath(folder.Path() + L"\\App Folder"));
    file->Release();
    shell->Release();
    CoUninitialize();
}

} // namespace
} // namespace vel
