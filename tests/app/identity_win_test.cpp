#include "base/codepage_win.h"
#include "base/file_win.h"
#include "support/temp_dir_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

namespace {

std::wstring probePath()
{
    std::wstring self = ownExecutablePath();
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"agent_id_probe.exe";
}

// Copies the probe to `copy`, appends `tail`, runs it and returns what it read.
std::string stampAndRun(const std::wstring& copy, const std::string& tail)
{
    EXPECT_TRUE(CopyFileW(probePath().c_str(), copy.c_str(), FALSE));
    {
        std::ofstream out(std::filesystem::path(copy), std::ios::binary | std::ios::app);
        out << tail;
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + copy + L"\"";
    EXPECT_TRUE(CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::ifstream in(std::filesystem::path(copy + L".out"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(ReadAgentId, ReadsTheDigitsAppendedToItsOwnFile)
{
    TempDir dir;
    EXPECT_EQ(stampAndRun(dir.path() + L"\\installer.exe", "00076984"), "00076984");
}

TEST(ReadAgentId, WorksFromAFolderWithAChineseName)
{
    TempDir dir;
    std::wstring folder = dir.path() + L"\\" + toWide("代理安装");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    EXPECT_EQ(stampAndRun(folder + L"\\" + toWide("安装程序.exe"), "12345678"), "12345678");
}

TEST(ReadAgentId, StampedTwiceReadsTheLastEightBytes)
{
    TempDir dir;
    EXPECT_EQ(stampAndRun(dir.path() + L"\\twice.exe", "0000000100000042"), "00000042");
}
