#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>

TEST(Layout, EveryControlOnceWithAParentThatExists)
{
    std::set<ControlId> ids;
    for (const ControlSpec& spec : installerLayout())
        EXPECT_TRUE(ids.insert(spec.id).second) << static_cast<int>(spec.id);
    for (const ControlSpec& spec : installerLayout()) {
        if (spec.parent != ControlId::None) {
            EXPECT_TRUE(ids.count(spec.parent)) << static_cast<int>(spec.id);
        }
        // A control on a page lives in the page area or in a frame on it.
        if (spec.page != Page::None && spec.parent != ControlId::PageTabs) {
            EXPECT_EQ(controlSpec(spec.parent).page, spec.page) << static_cast<int>(spec.id);
        }
    }
}

TEST(Layout, PagesHoldTheirControls)
{
    auto onPage = [](Page page) {
        std::set<ControlId> ids;
        for (const ControlSpec& spec : installerLayout())
            if (spec.page == page)
                ids.insert(spec.id);
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
