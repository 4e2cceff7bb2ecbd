#include "net/download_progress.h"
#include "net/resume_decision.h"

#include <gtest/gtest.h>

TEST(DownloadProgress, PercentTextAndBar)
{
    struct Case {
        long long done, total;
        std::string number;
        int position;
    } cases[] = {
        {1, 3, "33.33", 33},       {100, 100, "100", 100}, {4567, 10000, "45.67", 45},
        {55, 1000, "5.5", 5},      {0, 1000, "0", 0},      {2, 3, "66.67", 66},
        {1, 200000, "0", 0},       {1, 8000, "0.01", 0},   {150, 100, "150", 100},
    };
    for (const Case& c : cases) {
        DownloadProgress p = downloadProgress(c.done, c.total);
        EXPECT_EQ(p.text, std::string(kDownloadingText) + c.number + "%") << c.done << "/" << c.total;
        EXPECT_EQ(p.position, c.position) << c.done << "/" << c.total;
        EXPECT_FALSE(p.marquee);
    }
}

TEST(DownloadProgress, UnknownTotalShowsMegabytes)
{
    DownloadProgress p = downloadProgress(5 * 1024 * 1024 + 512 * 1024, 0);
    EXPECT_EQ(p.text, std::string(kDownloadingText) + "5.5MB");
    EXPECT_TRUE(p.marquee);
    EXPECT_EQ(p.text.find("nan"), std::string::npos);
    EXPECT_EQ(downloadProgress(0, -1).text.find("inf"), std::string::npos);
}

TEST(ResumeDecision, Cases)
{
    using A = ResumeAction;
    auto range = [](const char* h) { return parseContentRange(h); };
    struct Case {
        int status;
        long long offset;
        std::optional<ContentRange> range;
        ResumeAction action;
    } cases[] = {
        {200, 0, std::nullopt, A::WriteFromStart},
        {200, 1000, std::nullopt, A::WriteFromStart},  // range ignored or file changed
        {206, 1000, range("bytes 1000-99999/100000"), A::Append},
        {206, 1000, range("bytes 0-99999/100000"), A::Fail},  // not the offset asked for
        {206, 1000, std::nullopt, A::Fail},
        {206, 0, range("bytes 0-9/10"), A::Fail},
        {416, 100000, range("bytes */100000"), A::AlreadyComplete},
        {416, 120000, range("bytes */100000"), A::StartOver},
        {416, 5000, std::nullopt, A::StartOver},
        {416, 0, range("bytes */100000"), A::Fail},
        {404, 0, std::nullopt, A::Fail},
        {500, 1000, std::nullopt, A::Fail},
        {0, 0, std::nullopt, A::Fail},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decideResume(c.status, c.offset, c.range), c.action) << c.status << " " << c.offset;
}

TEST(ContentRange, Parsing)
{
    auto r = parseContentRange("bytes 1000-99999/100000");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 1000);
    EXPECT_EQ(r->total, 100000);
    r = parseContentRange(" bytes */42\r\n");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, -1);
    EXPECT_EQ(r->total, 42);
    EXPECT_FALSE(parseContentRange("bytes 1-2"));
    EXPECT_FALSE(parseContentRange("items 1-2/3"));
    EXPECT_FALSE(parseContentRange("bytes x-2/3"));
    EXPECT_FALSE(parseContentRange(""));
}

TEST(ProgressDisplay, ShowsOnlyChanges)
{
    std::vector<std::string> shown;
    long long now = 0;
    ProgressDisplay display([&](const DownloadProgress& p) { shown.push_back(p.text); }, [&] { return now += 1000; });
    for (long long done = 0; done <= 40000; done += 1000)
        display.update(done, 1000000000);  // 41 blocks that all read "0%"
    display.update(1000000000, 1000000000);
    display.update(1000000000, 1000000000);
    EXPECT_EQ(shown, (std::vector<std::string>{std::string(kDownloadingText) + "0%",
                                               std::string(kDownloadingText) + "100%"}));
}

TEST(ProgressDisplay, ShowsAtMostOncePerIntervalButAlwaysTheEnd)
{
    std::vector<std::string> shown;
    long long now = 0;
    ProgressDisplay display([&](const DownloadProgress& p) { shown.push_back(p.text); }, [&] { return now; });
    const std::string prefix = kDownloadingText;
    display.update(0, 1000);
    now += 10;
    display.update(300, 1000);  // too soon
    now += 50;
    display.update(400, 1000);
    now += 1;
    display.update(1000, 1000);  // finished: shown at once
    EXPECT_EQ(shown, (std::vector<std::string>{prefix + "0%", prefix + "40%", prefix + "100%"}));
}
