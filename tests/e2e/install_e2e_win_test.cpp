// Whole installations by the real installer under Wine, against the test
// platform server, checked on disk.
#include "ui/layout.h"

#include "app/running_copies_win.h"
#include "base/codepage_win.h"
#include "support/files_win.h"
#include "support/installer_process_win.h"
#include "ui_driver_win.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <commctrl.h>

#include <memory>

namespace ud = ui_driver;

namespace {

constexpr DWORD kTimeout = 60000;
const std::string kKeyFor00076984 = "2020202726292824A7863EAC4";

std::wstring envWide(const char* name)
{
    std::string value = envOr(name, "");
    return std::wstring(value.begin(), value.end());
}

std::string readFile(const std::wstring& path) { return readWholeFile(path); }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring desktop()
{
    wchar_t path[MAX_PATH];
    SHGetSpecialFolderPathW(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE);
    return path;
}

struct Link {
    std::wstring target, workingFolder, icon;
};

std::optional<Link> readLink(const std::wstring& path)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::nullopt;
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    std::optional<Link> result;
    if (file && SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        wchar_t target[MAX_PATH] = L"", folder[MAX_PATH] = L"", icon[MAX_PATH] = L"";
        int index = 0;
        // The target from the link's item list: Wine reads the path text back
        // in the ANSI code page, which cannot hold every name.
        PIDLIST_ABSOLUTE items = nullptr;
        if (SUCCEEDED(link->GetIDList(&items)) && items) {
            SHGetPathFromIDListW(items, target);
            CoTaskMemFree(items);
        }
        link->GetWorkingDirectory(folder, MAX_PATH);
        link->GetIconLocation(icon, MAX_PATH, &index);
        result = Link{target, folder, icon};
    }
    if (file)
        file->Release();
    link->Release();
    return result;
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }

    void SetUp() override
    {
        postControl("/_control/restore");
        resetRequests();
        payload = readFile(envWide("PAYLOAD_EXE"));
        ASSERT_GT(payload.size(), 1000u);
        serveCurrentVersion(nlohmann::json{{"path", envOr("PAYLOAD_PATH", "")}});
        folder = dir.path() + L"\\apps\\Demo\\";
    }
    void TearDown() override
    {
        for (uint32_t id : findProcessesByName("Demo.exe"))
            terminateProcessById(id);
        postControl("/_control/restore");
        DeleteFileW((desktop() + L"\\Demo.lnk").c_str());
    }

    void serveCurrentVersion(nlohmann::json description)
    {
        postControl("/_control/file?path=/files/demo-2.0.exe", description.dump());
    }

    // Starts a copy of the installer stamped with `tail` and waits for its window.
    HWND start(const std::string& tail = "00076984")
    {
        std::wstring installer = dir.path() + L"\\setup-" + std::to_wstring(++runs) + L".exe";
        EXPECT_TRUE(stampCopy(builtInstaller(), installer, tail));
        process = std::make_unique<Process>(installer);
        HWND top = ud::waitForMainWindow(process->pid(), kTimeout);
        EXPECT_NE(top, nullptr);
        return top;
    }
    HWND control(HWND top, ControlId id) { return ud::findControl(top, static_cast<int>(id)); }

    // Types the folder (the edit box is read-only to the user) and installs.
    void install(HWND top, const std::wstring& installFolder)
    {
        SendMessageW(control(top, ControlId::InstallFolderEdit), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(installFolder.c_str()));
        ud::click(control(top, ControlId::InstallButton));
    }
    bool pageShown(HWND top, ControlId id) { return ud::waitUntil([&] { return ud::isVisible(control(top, id)); }, kTimeout); }

    void expectInstalled(const std::wstring& where, const std::string& key, const std::wstring& name = L"Demo")
    {
        EXPECT_TRUE(readFile(where + name + L".exe") == payload) << "the installed program differs";
        EXPECT_EQ(readFile(where + L"OEM.key"), key);
        EXPECT_EQ(readFile(where + L"logo.ico"), "ICON");
        EXPECT_FALSE(exists(where + name + L".exe.tmp"));
        auto link = readLink(desktop() + L"\\" + name + L".lnk");
        ASSERT_TRUE(link.has_value());
        EXPECT_EQ(link->target, where + name + L".exe");
        EXPECT_EQ(link->workingFolder, where);
        EXPECT_EQ(link->icon, where + L"logo.ico");
    }

    std::vector<std::string> requestLines()
    {
        std::vector<std::string> lines;
        for (const auto& r : recordedRequests())
            lines.push_back(r.line);
        return lines;
    }

    TempDir dir;
    std::wstring folder;
    std::string payload;
    std::unique_ptr<Process> process;
    int runs = 0;
};

std::wstring artifact(const std::wstring& name)
{
    std::wstring dir = envWide("ARTIFACTS_DIR");
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir + L"\\" + name;
}

bool contains(const std::vector<std::string>& lines, const std::string& part)
{
    for (const auto& line : lines)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST_F(InstallTest, HappyPathThenRun)
{
    HWND top = start();
    ASSERT_NE(top, nullptr);
    install(top, folder);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    ud::screenshot(top, artifact(L"done-page.png"));
    expectInstalled(folder, kKeyFor00076984);
    auto lines = requestLines();
    EXPECT_TRUE(contains(lines, "/app_api/getLzyUrl?url=https://share.example.com/s/installer"));
    EXPECT_TRUE(contains(lines, "GET /files/demo-2.0.exe"));

    ud::click(control(top, ControlId::RunButton));
    EXPECT_EQ(process->waitForExit(kTimeout), 0);
    EXPECT_TRUE(ud::waitUntil([&] { return exists(folder + L"payload-ran.txt"); }, kTimeout));
    EXPECT_EQ(readFile(folder + L"payload-ran.txt"), "agent=00076984");
}

TEST_F(InstallTest, InstallingPageShowsTheProgress)
{
    serveCurrentVersion({{"path", envOr("PAYLOAD_PATH", "")}, {"bytes_per_second", 100000}});
    HWND top = start();
    install(top, folder);
    HWND status = control(top, ControlId::StatusLabel);
    ASSERT_TRUE(ud::waitUntil([&] {
        std::wstring text = ud::text(status);
        return text.find(L"%") != std::wstring::npos && text.find(L"下载请稍后...0%") == std::wstring::npos;
    }, kTimeout));
    EXPECT_TRUE(ud::isVisible(control(top, ControlId::ProgressBar)));
    EXPECT_GT(SendMessageW(control(top, ControlId::ProgressBar), PBM_GETPOS, 0, 0), 0);
    ud::screenshot(top, artifact(L"installing-page.png"));
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    EXPECT_EQ(ud::text(status), toWide("正在下载请稍后...100%"));
}

TEST_F(InstallTest, FolderThatIsAFile)
{
    std::wstring file = dir.path() + L"\\taken";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    HWND top = start();
    install(top, file);
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ud::text(box), L"提示");
    EXPECT_EQ(ud::messageBoxText(box),
              toWide("请确认所选的安装位置是否合法，程序无法在该位置安装\r\n“") + file + L"\\" + toWide("”"));
    ud::answer(box, IDOK);
    EXPECT_TRUE(ud::waitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(ud::isVisible(control(top, ControlId::InstallButton)));
    EXPECT_EQ(ud::text(control(top, ControlId::InstallFolderEdit)), file + L"\\");
}

TEST_F(InstallTest, FolderWithoutFinalBackslash)
{
    HWND top = start();
    std::wstring bare = folder.substr(0, folder.size() - 1);
    install(top, bare);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    EXPECT_EQ(ud::text(control(top, ControlId::InstallFolderEdit)), folder);
    expectInstalled(folder, kKeyFor00076984);
}

TEST_F(InstallTest, NoCurrentVersion)
{
    postControl("/_control/scenario", R"({"application":{"agent_app":{"app_name":"Demo"},"down_model":[]}})");
    HWND top = start();
    resetRequests();
    install(top, folder);
    ASSERT_TRUE(pageShown(top, ControlId::StatusLabel));
    EXPECT_TRUE(ud::waitUntil([&] { return ud::text(control(top, ControlId::StatusLabel)) == toWide("正在下载请稍后..."); }));
    auto lines = requestLines();
    EXPECT_FALSE(contains(lines, "getLzyUrl"));
    EXPECT_FALSE(contains(lines, "/files/"));
}

TEST_F(InstallTest, YoudaoAddressIsPreferred)
{
    // The scenario's youdao is empty: the address is used. Then a youdao one.
    HWND top = start();
    install(top, folder);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    EXPECT_TRUE(contains(requestLines(), "GET /files/demo-2.0.exe"));
    process.reset();

    postControl("/_control/file?path=/files/mirror.exe", nlohmann::json{{"path", envOr("PAYLOAD_PATH", "")}}.dump());
    std::string app = R"({"application":{"agent_app":{"app_name":"Demo","app_icon":")" + serverBase() +
                      R"(/files/demo.ico"},"down_model":[{"value":[{"is_now":1,"version":"2.0","address":")" +
                      serverBase() + R"(/files/demo-2.0.exe","youdao":")" + serverBase() + R"(/files/mirror.exe"}]}]}})";
    postControl("/_control/scenario", app);
    resetRequests();
    top = start();
    install(top, dir.path() + L"\\second\\Demo\\");
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    auto lines = requestLines();
    EXPECT_TRUE(contains(lines, "GET /files/mirror.exe"));
    EXPECT_FALSE(contains(lines, "GET /files/demo-2.0.exe"));
}

TEST_F(InstallTest, DownloadFailsThenManualInstall)
{
    serveCurrentVersion({{"text", "<html>404</html>"}, {"status", 404}});
    HWND top = start();
    install(top, folder);
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ud::text(box), L"错误提示");
    EXPECT_EQ(ud::messageBoxText(box), toWide("安装失败，请检测您的IE浏览器是否可以正常访问网页！"));
    ud::answer(box, IDOK);
    ASSERT_TRUE(pageShown(top, ControlId::ManualInstallButton));
    EXPECT_FALSE(exists(folder + L"Demo.exe"));
    ud::screenshot(top, artifact(L"failed-page.png"));

    std::wstring local = dir.path() + L"\\downloaded.exe";
    ASSERT_TRUE(CopyFileW(envWide("PAYLOAD_EXE").c_str(), local.c_str(), FALSE));
    SendMessageW(control(top, ControlId::ProgramFileEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(local.c_str()));
    ud::click(control(top, ControlId::ManualInstallButton));
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    expectInstalled(folder, kKeyFor00076984);
}

TEST_F(InstallTest, ManualInstallInputErrors)
{
    serveCurrentVersion({{"status", 500}});
    HWND top = start();
    install(top, folder);
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    ud::answer(box, IDOK);
    ASSERT_TRUE(pageShown(top, ControlId::ManualInstallButton));

    std::wstring empty = dir.path() + L"\\empty.exe";
    CloseHandle(CreateFileW(empty.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    struct Case {
        std::wstring path;
        std::string message;
    } cases[] = {
        {L"", "请将下载的程序文件的路径输入到指定编辑框内。"},
        {dir.path() + L"\\missing.exe", "请检查输入的程序文件路径是否正确。"},
        {empty, "请检查输入的程序文件路径是否正确。"},
    };
    for (const Case& c : cases) {
        SendMessageW(control(top, ControlId::ProgramFileEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.path.c_str()));
        ud::click(control(top, ControlId::ManualInstallButton));
        HWND error = ud::waitForMessageBox(process->pid(), kTimeout);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(ud::text(error), L"错误");
        EXPECT_EQ(ud::messageBoxText(error), toWide(c.message));
        ud::answer(error, IDOK);
        EXPECT_TRUE(ud::waitUntil([&] { return !IsWindow(error); }));
    }
    EXPECT_TRUE(ud::isVisible(control(top, ControlId::ManualInstallButton)));
    EXPECT_FALSE(exists(folder + L"Demo.exe"));
    EXPECT_FALSE(exists(folder + L"OEM.key"));
}

TEST_F(InstallTest, InterruptedInstallResumesOnTheNextRun)
{
    serveCurrentVersion({{"path", envOr("PAYLOAD_PATH", "")}, {"drop_after", 20000}});
    HWND top = start();
    install(top, folder);
    // Every automatic resume breaks off too, so the install fails.
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ud::text(box), L"错误提示");
    ud::answer(box, IDOK);
    ASSERT_TRUE(pageShown(top, ControlId::ManualInstallButton));
    size_t kept = readFile(folder + L"Demo.exe.tmp").size();
    EXPECT_EQ(kept, 80000u);  // four attempts of 20,000 bytes
    ud::click(control(top, ControlId::CloseButton));
    box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    ud::answer(box, IDOK);
    EXPECT_EQ(process->waitForExit(kTimeout), 0);

    serveCurrentVersion({{"path", envOr("PAYLOAD_PATH", "")}});
    resetRequests();
    top = start();
    install(top, folder);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    expectInstalled(folder, kKeyFor00076984);
    bool resumed = false;
    for (const auto& r : recordedRequests())
        resumed = resumed || r.hasHeader("Range: bytes=80000-");
    EXPECT_TRUE(resumed);
}

TEST_F(InstallTest, NoAgentNumberInstallsAgentOne)
{
    HWND top = start("");
    install(top, folder);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    EXPECT_EQ(readFile(folder + L"OEM.key"), "21A7863EAC4");
    EXPECT_TRUE(contains(requestLines(), "&agent_id=1 "));
}

TEST_F(InstallTest, ChineseApplicationName)
{
    std::string app = R"({"application":{"agent_app":{"app_name":"\u5fae\u4fe1","app_icon":")" + serverBase() +
                      R"(/files/demo.ico"},"down_model":[{"value":[{"is_now":1,"version":"2.0","address":")" +
                      serverBase() + R"(/files/demo-2.0.exe"}]}]}})";
    postControl("/_control/scenario", app);
    HWND top = start();
    std::wstring chineseFolder = dir.path() + L"\\" + toWide("微信") + L"\\";
    install(top, chineseFolder);
    ASSERT_TRUE(pageShown(top, ControlId::RunButton));
    expectInstalled(chineseFolder, kKeyFor00076984, toWide("微信"));
    DeleteFileW((desktop() + L"\\" + toWide("微信.lnk")).c_str());
}
