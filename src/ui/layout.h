#pragma once
// The installer window's controls as data: where each sits, on which parent
// and page, and what it first shows. The window is built from this table.

#include <span>
#include <string_view>

enum class ControlId : int {
    None = 0,
    // Direct children of the window, from the top of the stacking order down.
    CloseButton = 100,
    MinimizeButton,
    TitleLabel,
    AgreementPanel,
    PageTabs,
    BannerPicture,
    // Children of the agreement panel.
    AgreementText = 200,
    BackButtonFrame,
    AgreementBackButton,
    // InstallPage
    BrowseButton = 300,
    BrowseFrame,
    InstallFolderEdit,
    AgreementLink,
    AgreeCheckBox,
    InstallButton,
    // InstallingPage
    ProgressBar = 400,
    StatusLabel,
    // DonePage
    RunButton = 500,
    DoneLabel,
    // FailedPage
    ManualDownloadLink = 600,
    SelectFileFrame,
    SelectFileButton,
    ProgramFileEdit,
    ManualInstallButton,
};

enum class Page : int { None = -1, Install = 0, Installing = 1, Done = 2, Failed = 3 };

enum class ControlKind {
    ImageButton,      // caption buttons, drawn by the chrome
    TransparentLabel, // text only, over whatever lies beneath
    Panel,            // filled container
    PageArea,         // container of the pages
    Picture,          // the banner
    Edit,             // single-line edit box
    MultiLineEdit,    // the agreement text
    Frame,            // 1-pixel outline
    FlatButton,       // filled button with a caption
    PictureButton,    // the large rounded buttons
    CheckBox,
    ProgressBar,
};

enum class FontSize { Small, Large, System };

struct ControlSpec {
    ControlId id;
    ControlId parent;  // None: the window itself
    Page page;         // None: not on a page
    ControlKind kind;
    int x, y, width, height;
    std::string_view text;
    FontSize font;
    unsigned color;  // text colour, 0x00BBGGRR
};

inline constexpr int kWindowWidth = 600;
inline constexpr int kWindowHeight = 430;
inline constexpr int kDesignWidth = 602;
inline constexpr int kDesignHeight = 480;

// Every control; the children of each parent from the top of the stacking
// order down. A control inside a frame comes after the frame.
std::span<const ControlSpec> installerLayout();
const ControlSpec& controlSpec(ControlId id);

// Colours of the window, 0x00BBGGRR.
namespace colors {
inline constexpr unsigned white = 0xFFFFFF;
inline constexpr unsigned black = 0x000000;
inline constexpr unsigned blue = 0xFF8800;          // RGB(0, 136, 255)
inline constexpr unsigned blueHover = 0xEA9D41;     // RGB(65, 157, 234)
inline constexpr unsigned grey = 0x808080;          // RGB(128, 128, 128)
inline constexpr unsigned frame = 0xC0C0C0;         // RGB(192, 192, 192)
inline constexpr unsigned status = 0x606060;        // RGB(96, 96, 96)
inline constexpr unsigned red = 0x0000FF;           // RGB(255, 0, 0)
inline constexpr unsigned buttonHover = 0xECECEC;   // RGB(236, 236, 236)
inline constexpr unsigned picture = 0xD49800;       // RGB(0, 152, 212)
inline constexpr unsigned pictureHover = 0xEEAA00;  // RGB(0, 170, 238)
}  // namespace colors
