#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>

TEST(Layout, EveryControlOnceWithAParentThatExists)
{
    std::set<ControlId> ids;
    for (const ControlSpec& entry : installerLayout())
        EXPECT_TRUE(ids.insert(entry.id).second) << static_cast<int>(entry.id);
    for (const ControlSpec& entry : installerLayout()) {
        if (entry.parent != ControlId::None) {
            EXPECT_TRUE(ids.count(entry.parent)) << static_cast<int>(entry.id);
        }
        // A control on a page lives in the page area or in a frame on it.
        if (entry.page != Page::None && entry.parent != ControlId::PageTabs) {
            EXPECT_EQ(controlSpec(entry.parent).page, entry.page) << static_cast<int>(entry.id);
        }
    }
}

TEST(Layout, PagesHoldTheirControls)
{
    auto onPage = [](Page page) {
        std::set<ControlId> ids;
        for (const ControlSpec& entry : installerLayout())
            if (entry.page == page)
                ids.insert(entry.id);
        return ids;
    };
    using enum ControlId;
    EXPECT_EQ(onPage(Page::Install), (std::set<ControlId>{BrowseButton, BrowseFrame, InstallFolderEdit, AgreementLink,
                                                          AgreeCheckBox, InstallButton}));
    EXPECT_EQ(onPage(Page::Installing), (std::set<ControlId>{ProgressBar, StatusLabel}));
    EXPECT_EQ(onPage(Page::Done), (std::set<ControlId>{RunButton, DoneLabel}));
    EXPECT_EQ(onPage(Page::Failed), (std::set<ControlId>{ManualDownloadLink, SelectFileFrame, SelectFileButton,
                                                         ProgramFileEdit, ManualInstallButton}));
    EXPECT_EQ(controlSpec(RunButton).text, "运  行");
}
