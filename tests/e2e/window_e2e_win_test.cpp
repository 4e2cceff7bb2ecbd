// The real installer under Wine against the test platform server: start-up,
// running copies and the window before anything is installed.
#include "ui/layout.h"

#include "support/installer_process_win.h"
#include "ui_driver_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace ud = ui_driver;

namespace {

constexpr DWORD kTimeout = 30000;

std::wstring artifact(const std::wstring& name)
{
    std::string dir = envOr("ARTIFACTS_DIR", ".");
    CreateDirectoryW(std::wstring(dir.begin(), dir.end()).c_str(), nullptr);
    return std::wstring(dir.begin(), dir.end()) + L"\\" + name;
}

// Caption images: the 11 x 11 cross is centred in the 24 x 24 button at
// (567, 3), so its corner pixel is at (573, 9) and (578, 9) beside it is
// transparent; the 12 x 13 bar in the button at (541, 3) runs along y = 14.
constexpr POINT cross{573, 9}, besideCross{578, 9}, bar{550, 14}, besideBar{550, 10};

// Whether a pixel of a caption image (alpha 189, grey level `grey`) shows
// blended over what lies beneath, taken from a transparent pixel close by.
bool captionPixelBlended(HWND top, POINT line, POINT beside, int grey)
{
    COLORREF shown = ud::pixel(top, line.x, line.y), beneath = ud::pixel(top, beside.x, beside.y);
    auto closeTo = [&](int shownChannel, int beneathChannel) {
        return std::abs(shownChannel - (grey * 189 + beneathChannel * 66) / 255) <= 12;
    };
    return closeTo(GetRValue(shown), GetRValue(beneath)) && closeTo(GetGValue(shown), GetGValue(beneath)) &&
           closeTo(GetBValue(shown), GetBValue(beneath));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        postControl("/_control/restore");
        installer = dir.path() + L"\\setup.exe";
        ASSERT_TRUE(stampCopy(builtInstaller(), installer, "00076984"));
    }
    void TearDown() override { postControl("/_control/restore"); }

    // Starts the installer and waits for its window.
    HWND startAndWait()
    {
        process = std::make_unique<Process>(installer);
        EXPECT_TRUE(process->started());
        return ud::waitForMainWindow(process->pid(), kTimeout);
    }
    HWND control(HWND top, ControlId id) { return ud::findControl(top, static_cast<int>(id)); }

    // A stand-in for the running application, started as `name`.
    std::unique_ptr<Process> startCopy(const std::wstring& folder, const std::wstring& name)
    {
        std::wstring self = ownDirectory();
        CreateDirectoryW(folder.c_str(), nullptr);
        std::wstring exe = folder + L"\\" + name;
        EXPECT_TRUE(CopyFileW((self + L"running_copy.exe").c_str(), exe.c_str(), FALSE));
        auto copy = std::make_unique<Process>(exe);
        EXPECT_TRUE(copy->started());
        return copy;
    }
    static std::wstring ownDirectory()
    {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring self = path;
        return self.substr(0, self.find_last_of(L'\\') + 1);
    }

    TempDir dir;
    std::wstring installer;
    std::unique_ptr<Process> process;
};

}  // namespace

TEST_F(WindowTest, FailedQueryEndsSilentlyAndLeavesCopiesAlone)
{
    auto copy = startCopy(dir.path() + L"\\app", L"Demo.exe");
    for (const char* answer : {R"({"code":0,"content":"no such agent"})", "not json at all"}) {
        postControl("/_control/scenario", nlohmann::json{{"getapp_1", answer}}.dump());
        Process run(installer);
        ASSERT_TRUE(run.started());
        bool sawWindow = false;
        while (run.isRunning() && !sawWindow) {
            sawWindow = ud::anyWindowOf(run.pid()) != nullptr;
            Sleep(20);
        }
        EXPECT_EQ(run.waitForExit(kTimeout), 0) << answer;
        EXPECT_FALSE(sawWindow) << answer;
    }
    EXPECT_TRUE(copy->isRunning());
}

TEST_F(WindowTest, FirstPage)
{
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(ud::text(top), L"Demo");
    EXPECT_EQ(ud::text(control(top, ControlId::TitleLabel)), L"Demo");
    EXPECT_EQ(ud::text(control(top, ControlId::InstallFolderEdit)), L"C:\\Demo\\");
    EXPECT_TRUE(ud::isChecked(control(top, ControlId::AgreeCheckBox)));
    EXPECT_TRUE(ud::isEnabled(control(top, ControlId::InstallButton)));
    EXPECT_TRUE(ud::isVisible(control(top, ControlId::InstallButton)));
    EXPECT_FALSE(ud::isVisible(control(top, ControlId::ProgressBar)));
    EXPECT_FALSE(ud::isVisible(control(top, ControlId::RunButton)));
    RECT window;
    GetWindowRect(top, &window);
    EXPECT_EQ(window.right - window.left, 600);
    EXPECT_EQ(window.bottom - window.top, 430);

    struct Place {
        ControlId id;
        RECT rect;  // in the window's client area
    } places[] = {
        {ControlId::CloseButton, {567, 3, 591, 27}},
        {ControlId::TitleLabel, {13, 8, 133, 24}},
        {ControlId::BannerPicture, {0, 0, 600, 300}},
        {ControlId::InstallFolderEdit, {54, 308, 498, 333}},
        {ControlId::BrowseButton, {506, 309, 554, 333}},
        {ControlId::InstallButton, {170, 351, 430, 386}},
        {ControlId::AgreeCheckBox, {24, 399, 116, 423}},
    };
    for (const Place& p : places) {
        RECT r = ud::rectIn(top, control(top, p.id));
        EXPECT_TRUE(EqualRect(&r, &p.rect)) << static_cast<int>(p.id) << ": " << r.left << "," << r.top << " "
                                            << r.right << "," << r.bottom;
    }
    ud::screenshot(top, artifact(L"first-page.png"));
}

TEST_F(WindowTest, CaptionButtonsShowTheirImagesOverTheBanner)
{
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    auto blended = [&](POINT line, POINT beside, int grey) { return captionPixelBlended(top, line, beside, grey); };
    EXPECT_TRUE(ud::waitUntil([&] { return blended(cross, besideCross, 255); })) << "white cross";
    EXPECT_TRUE(ud::waitUntil([&] { return blended(bar, besideBar, 255); })) << "white bar";
    ud::screenshot(top, artifact(L"caption-buttons.png"));
    EXPECT_TRUE(ud::waitUntil([&] { return blended(cross, besideCross, 255) && blended(bar, besideBar, 255); }))
        << "both white after a full repaint";

    // The pointer over the close button turns its cross grey, and back to
    // white when it leaves; the bar stays white.
    POINT over{579, 15};
    ClientToScreen(top, &over);
    SetCursorPos(over.x, over.y);
    EXPECT_TRUE(ud::waitUntil([&] { return blended(cross, besideCross, 82) && blended(bar, besideBar, 255); }))
        << "grey cross, white bar";
    ud::screenshot(top, artifact(L"caption-close-hovered.png"));
    SetCursorPos(over.x - 200, over.y + 200);
    EXPECT_TRUE(ud::waitUntil([&] { return blended(cross, besideCross, 255); })) << "white again";

    // Minimised by its button and restored: both images are back.
    ud::click(control(top, ControlId::MinimizeButton));
    EXPECT_TRUE(ud::waitUntil([&] { return IsIconic(top) != FALSE; }));
    ShowWindow(top, SW_RESTORE);
    EXPECT_TRUE(ud::waitUntil([&] { return blended(cross, besideCross, 255) && blended(bar, besideBar, 255); }))
        << "both white after restoring";
}

TEST_F(WindowTest, RunningCopiesNo)
{
    auto first = startCopy(dir.path() + L"\\a", L"Demo.exe");
    auto second = startCopy(dir.path() + L"\\b", L"DEMO.EXE");
    process = std::make_unique<Process>(installer);
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ud::text(box), L"安装向导");
    EXPECT_EQ(ud::messageBoxText(box), L"发现软件正在运行中，请问是否关闭软件立即安装？");
    ud::answer(box, IDNO);
    EXPECT_EQ(process->waitForExit(kTimeout), 0);
    EXPECT_TRUE(first->isRunning());
    EXPECT_TRUE(second->isRunning());
}

TEST_F(WindowTest, RunningCopiesYes)
{
    auto first = startCopy(dir.path() + L"\\a", L"Demo.exe");
    auto second = startCopy(dir.path() + L"\\b", L"DEMO.EXE");
    process = std::make_unique<Process>(installer);
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    ud::answer(box, IDYES);
    EXPECT_NE(ud::waitForMainWindow(process->pid(), kTimeout), nullptr);
    EXPECT_EQ(first->waitForExit(kTimeout), 0);
    EXPECT_EQ(second->waitForExit(kTimeout), 0);
}

TEST_F(WindowTest, AgreementPanel)
{
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    HWND panel = control(top, ControlId::AgreementPanel);
    EXPECT_EQ(ud::rectIn(top, panel).left, 608);  // off the window at start
    ud::press(control(top, ControlId::AgreementLink));
    EXPECT_TRUE(ud::waitUntil([&] { return ud::rectIn(top, panel).left == 0; }));
    EXPECT_EQ(ud::rectIn(top, panel).top, 0);
    EXPECT_TRUE(ud::isVisible(panel));
    EXPECT_NE(ud::text(control(top, ControlId::AgreementText)).find(L"如果您安装、复制或以其它方式使用了本软件产品"),
              std::wstring::npos);
    ud::screenshot(top, artifact(L"agreement-panel.png"));
    // The caption buttons stay above the panel, their images over its blue.
    EXPECT_TRUE(captionPixelBlended(top, cross, besideCross, 255));
    EXPECT_TRUE(captionPixelBlended(top, bar, besideBar, 255));
    EXPECT_EQ(ud::pixel(top, besideCross.x, besideCross.y), RGB(0, 136, 255));

    ud::click(control(top, ControlId::AgreementBackButton));
    EXPECT_TRUE(ud::waitUntil([&] { return !ud::isVisible(panel); }));
    ud::press(control(top, ControlId::AgreementLink));
    EXPECT_TRUE(ud::waitUntil([&] { return ud::isVisible(panel); }));
    EXPECT_EQ(ud::rectIn(top, panel).left, 0);
}

TEST_F(WindowTest, AgreeCheckBoxControlsTheInstallButton)
{
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    HWND button = control(top, ControlId::InstallButton);
    RECT r = ud::rectIn(top, button);
    auto colour = [&] { return ud::pixel(top, r.left + 20, (r.top + r.bottom) / 2); };
    const COLORREF blue = RGB(0, 152, 212), grey = RGB(128, 128, 128);
    EXPECT_TRUE(ud::waitUntil([&] { return colour() == blue; }));
    ud::click(control(top, ControlId::AgreeCheckBox));
    EXPECT_TRUE(ud::waitUntil([&] { return !ud::isEnabled(button); }));
    EXPECT_TRUE(ud::waitUntil([&] { return colour() == grey; }));
    ud::click(control(top, ControlId::AgreeCheckBox));
    EXPECT_TRUE(ud::waitUntil([&] { return ud::isEnabled(button); }));
    EXPECT_TRUE(ud::waitUntil([&] { return colour() == blue; }));
}

TEST_F(WindowTest, CloseQuestion)
{
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    ud::click(control(top, ControlId::CloseButton));
    HWND box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ud::messageBoxText(box), L"你真的要退出安装程序吗？");
    ud::answer(box, IDCANCEL);
    EXPECT_TRUE(ud::waitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(process->isRunning());
    EXPECT_TRUE(ud::isVisible(top));

    ud::click(control(top, ControlId::CloseButton));
    box = ud::waitForMessageBox(process->pid(), kTimeout);
    ASSERT_NE(box, nullptr);
    ud::answer(box, IDOK);
    EXPECT_EQ(process->waitForExit(kTimeout), 0);
}

TEST_F(WindowTest, ChineseApplicationNameOnAnyDisplayLanguage)
{
    EXPECT_NE(GetACP(), 936u);
    postControl("/_control/scenario",
                R"({"application":{"agent_app":{"app_name":"\u5fae\u4fe1\u5b89\u88c5"},"down_model":[]}})");
    HWND top = startAndWait();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(ud::text(top), L"微信安装");
    EXPECT_EQ(ud::text(control(top, ControlId::TitleLabel)), L"微信安装");
    EXPECT_EQ(ud::text(control(top, ControlId::InstallFolderEdit)), L"C:\\微信安装\\");
    ud::screenshot(top, artifact(L"chinese-name.png"));
}
