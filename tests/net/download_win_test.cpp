#include "net/download_win.h"

#include "base/codepage_win.h"
#include "support/files_win.h"
#include "support/temp_dir_win.h"
#include "support/test_server_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <random>

namespace {

// The bytes the test server serves for {"size": size, "seed": seed}.
std::string servedBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

void serveFile(const std::string& path, const nlohmann::json& description)
{
    WebRequestArgs args;
    args.url = serverBase() + "/_control/file?path=" + path;
    args.method = 1;
    args.postText = description.dump();
    ASSERT_EQ(webRequest(args), "ok");
}

std::string readFile(const std::string& path) { return readWholeFile(toWide(path)); }

void writeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool exists(const std::string& path) { return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string rangeHeaderOf(const RecordedRequest& r)
{
    for (const auto& h : r.headers)
        if (h.rfind("Range:", 0) == 0)
            return h;
    return "";
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetRequests();
        folder = fromWide(dir.path()) + "\\" + "下载";
        CreateDirectoryW(toWide(folder).c_str(), nullptr);
        target = folder + "\\app.exe";
        temp = target + ".tmp";
        path = "/dl/" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
        url = serverBase() + path;
    }

    // One attempt, no automatic resume.
    bool downloadOnce()
    {
        Download download;
        return download.open(url, target) && download.receive([&] { ++blocks; });
    }

    // Ends every successful case: the installed file is the served file and
    // nothing is left beside it.
    void expectInstalled(const std::string& expected)
    {
        EXPECT_TRUE(readFile(target) == expected) << "installed file differs from the served file";
        EXPECT_FALSE(exists(temp));
        EXPECT_FALSE(exists(temp + ".validator"));
    }

    TempDir dir;
    std::string folder, target, temp, path, url;
    int blocks = 0;
};

}  // namespace

TEST_F(DownloadTest, FreshDownload)
{
    serveFile(path, {{"size", 100000}, {"seed", 11}});
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(100000, 11));
    EXPECT_EQ(blocks, 5);  // 20,480-byte blocks
    auto requests = recordedRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(rangeHeaderOf(requests[0]), "");
    EXPECT_TRUE(requests[0].hasHeaderNamed("User-Agent"));
}

TEST_F(DownloadTest, ResumesAKeptTemporaryFile)
{
    std::string expected = servedBytes(100000, 12);
    serveFile(path, {{"size", 100000}, {"seed", 12}});
    writeFile(temp, expected.substr(0, 1000));
    Download download;
    ASSERT_TRUE(download.open(url, target));
    EXPECT_EQ(download.bytesDone(), 1000);
    EXPECT_EQ(download.totalSize(), 100000);
    ASSERT_TRUE(download.receive({}));
    expectInstalled(expected);
    EXPECT_EQ(rangeHeaderOf(recordedRequests().at(0)), "Range: bytes=1000-");
}

TEST_F(DownloadTest, EmptyTemporaryFileStartsFromZero)
{
    serveFile(path, {{"size", 5000}, {"seed", 13}});
    writeFile(temp, "");
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(5000, 13));
    EXPECT_EQ(rangeHeaderOf(recordedRequests().at(0)), "");
}

TEST_F(DownloadTest, ReplacesAnExistingFileAndEndsOnABlockBoundary)
{
    serveFile(path, {{"size", 40960}, {"seed", 14}});
    writeFile(target, "old version");
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(40960, 14));
    EXPECT_EQ(blocks, 2);
}

TEST_F(DownloadTest, ServerIgnoringTheRangeStartsOver)
{
    serveFile(path, {{"size", 50000}, {"seed", 15}, {"ignore_range", true}});
    writeFile(temp, std::string(1000, 'x'));  // would corrupt the file if appended to
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(50000, 15));
}

TEST_F(DownloadTest, RangeNotSatisfiable)
{
    std::string expected = servedBytes(30000, 16);
    serveFile(path, {{"size", 30000}, {"seed", 16}});

    writeFile(temp, expected);  // complete already: 416 with the same size
    ASSERT_TRUE(downloadOnce());
    expectInstalled(expected);

    writeFile(temp, expected + std::string(500, 'x'));  // longer: discarded, asked again
    ASSERT_TRUE(downloadOnce());
    expectInstalled(expected);
}

TEST_F(DownloadTest, DroppedConnectionsResumeAutomatically)
{
    serveFile(path, {{"size", 100000}, {"seed", 17}, {"drop_after", 30000}});
    Download download;
    const int noDelay[] = {0, 0, 0};
    int waits = 0;
    ASSERT_TRUE(downloadWithRetries(download, url, target, {}, noDelay, [&](int) { ++waits; }));
    expectInstalled(servedBytes(100000, 17));
    EXPECT_EQ(waits, 3);
    auto requests = recordedRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(rangeHeaderOf(requests[1]), "Range: bytes=30000-");
    EXPECT_EQ(rangeHeaderOf(requests[2]), "Range: bytes=60000-");
    EXPECT_EQ(rangeHeaderOf(requests[3]), "Range: bytes=90000-");
}

TEST_F(DownloadTest, ADroppedConnectionIsAFailureAndResumesOnTheNextRun)
{
    serveFile(path, {{"size", 100000}, {"seed", 18}, {"drop_after", 40000}});
    EXPECT_FALSE(downloadOnce());
    EXPECT_FALSE(exists(target));
    EXPECT_EQ(readFile(temp).size(), 40000u);

    serveFile(path, {{"size", 100000}, {"seed", 18}});
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(100000, 18));
    EXPECT_EQ(rangeHeaderOf(recordedRequests().at(1)), "Range: bytes=40000-");
}

TEST_F(DownloadTest, AFileChangedBetweenRunsIsNotMixed)
{
    serveFile(path, {{"size", 100000}, {"seed", 19}, {"drop_after", 50000}});
    EXPECT_FALSE(downloadOnce());
    serveFile(path, {{"size", 100000}, {"seed", 20}});  // a new version is released
    ASSERT_TRUE(downloadOnce());
    expectInstalled(servedBytes(100000, 20));
    EXPECT_TRUE(recordedRequests().at(1).hasHeaderNamed("If-Range"));
}

TEST_F(DownloadTest, ErrorStatusesInstallNothing)
{
    for (int status : {404, 500}) {
        serveFile(path, {{"text", "<html>error page</html>"}, {"status", status}});
        writeFile(temp, "kept");
        EXPECT_FALSE(downloadOnce()) << status;
        EXPECT_FALSE(exists(target)) << status;
        EXPECT_EQ(readFile(temp), "kept") << status;
    }
    DeleteFileW(toWide(temp).c_str());
    serveFile(path, {{"text", "<html>not found</html>"}, {"status", 404}});
    EXPECT_FALSE(downloadOnce());
    EXPECT_FALSE(exists(target));
}

TEST_F(DownloadTest, NoContentLength)
{
    serveFile(path, {{"size", 70000}, {"seed", 21}, {"chunked", true}});
    Download download;
    ASSERT_TRUE(download.open(url, target));
    EXPECT_EQ(download.totalSize(), 0);
    ASSERT_TRUE(download.receive({}));
    expectInstalled(servedBytes(70000, 21));
}
