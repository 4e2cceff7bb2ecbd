#include "ui/layout.h"

#include <cstdlib>

namespace {

using enum ControlId;
using K = ControlKind;
using F = FontSize;
constexpr Page none = Page::None;

constexpr ControlSpec kLayout[] = {
    {CloseButton, None, none, K::ImageButton, 567, 3, 24, 24, "", F::Small, colors::white},
    {MinimizeButton, None, none, K::ImageButton, 541, 3, 24, 24, "", F::Small, colors::white},
    {TitleLabel, None, none, K::TransparentLabel, 13, 8, 120, 16, "原始安装包", F::Small, colors::white},
    {AgreementPanel, None, none, K::Panel, 608, 0, 600, 432, "", F::Small, colors::blue},
    {PageTabs, None, none, K::PageArea, 0, 300, 600, 180, "", F::Small, colors::black},
    {BannerPicture, None, none, K::Picture, 0, 0, 600, 300, "", F::Small, colors::black},

    {AgreementText, AgreementPanel, none, K::MultiLineEdit, 48, 48, 504, 328, "", F::System, colors::black},
    {BackButtonFrame, AgreementPanel, none, K::Frame, 275, 392, 50, 26, "", F::Small, colors::frame},
    {AgreementBackButton, BackButtonFrame, none, K::FlatButton, 1, 1, 48, 24, "返回", F::Small, colors::white},

    {BrowseButton, PageTabs, Page::Install, K::FlatButton, 506, 9, 48, 24, "浏览", F::Small, colors::black},
    {BrowseFrame, PageTabs, Page::Install, K::Frame, 505, 8, 50, 26, "", F::Small, colors::frame},
    {InstallFolderEdit, PageTabs, Page::Install, K::Edit, 54, 8, 444, 25, "C:\\Program Files (x86)\\", F::Small,
     colors::black},
    {AgreementLink, PageTabs, Page::Install, K::TransparentLabel, 116, 99, 112, 24, "用户使用许可协议", F::Small,
     colors::blue},
    {AgreeCheckBox, PageTabs, Page::Install, K::CheckBox, 24, 99, 92, 24, "已阅读并同意", F::Small, colors::black},
    {InstallButton, PageTabs, Page::Install, K::PictureButton, 170, 51, 260, 35, "开始安装", F::Large,
     colors::white},

    {ProgressBar, PageTabs, Page::Installing, K::ProgressBar, -1, -2, 602, 18, "", F::Small, colors::blue},
    {StatusLabel, PageTabs, Page::Installing, K::TransparentLabel, 214, 57, 178, 32, "与服务器连接中..", F::Large,
     colors::status},

    {RunButton, PageTabs, Page::Done, K::PictureButton, 170, 72, 260, 35, "运  行", F::Large, colors::white},
    {DoneLabel, PageTabs, Page::Done, K::TransparentLabel, 265, 31, 69, 32, "安装完成", F::Large, colors::status},

    {ManualDownloadLink, PageTabs, Page::Failed, K::TransparentLabel, 56, 88, 480, 32,
     "智能安装失败，请点击手动下载程序文件，并按照提示进行手动安装。", F::Large, colors::red},
    {SelectFileFrame, PageTabs, Page::Failed, K::Frame, 505, 8, 50, 26, "", F::Small, colors::frame},
    {SelectFileButton, SelectFileFrame, Page::Failed, K::FlatButton, 1, 1, 48, 24, "选择", F::Small, colors::black},
    {ProgramFileEdit, PageTabs, Page::Failed, K::Edit, 54, 8, 444, 25,
     "将手动下载的程序文件的路径输入到此处，然后点手动安装即可完成。", F::Small, colors::black},
    {ManualInstallButton, PageTabs, Page::Failed, K::PictureButton, 170, 51, 260, 35, "手动安装", F::Large,
     colors::white},
};

}  // namespace

std::span<const ControlSpec> installerLayout() { return kLayout; }

const ControlSpec& controlSpec(ControlId id)
{
    for (const ControlSpec& entry : kLayout)
        if (entry.id == id)
            return entry;
    std::abort();  // every id the program uses is in the table
}
