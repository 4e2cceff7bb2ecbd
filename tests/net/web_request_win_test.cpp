#include "net/web_request.h"

#include "support/test_server_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wincrypt.h>

#include <fstream>
#include <iterator>

namespace {

class WebRequestTest : public ::testing::Test {
protected:
    void SetUp() override { resetRequests(); }

    std::string url(const std::string& path) const { return serverBase() + path; }

    RecordedRequest onlyRequest()
    {
        auto requests = recordedRequests();
        EXPECT_EQ(requests.size(), 1u);
        return requests.empty() ? RecordedRequest{} : requests.front();
    }
};

// Trusts the test run's CA in this Wine prefix, never on the host.
void trustTestCa()
{
    std::ifstream in(envOr("TEST_CA_FILE", ""), std::ios::binary);
    std::string der(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(der.empty()) << "TEST_CA_FILE";
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING,
                                                 reinterpret_cast<const BYTE*>(der.data()),
                                                 static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING,
                                                 nullptr));
    CertCloseStore(store, 0);
}

}  // namespace

TEST_F(WebRequestTest, GetSendsTheDefaultHeaderBlock)
{
    WebRequestArgs args;
    args.url = url("/echo?q=1");
    EXPECT_EQ(webRequest(args), "hello");
    EXPECT_EQ(args.status, 200);
    EXPECT_EQ(args.headers, "Accept: */*\r\nReferer: " + args.url +
                                "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
    RecordedRequest r = onlyRequest();
    EXPECT_EQ(r.line, "GET /echo?q=1 HTTP/1.1");
    for (const char* line : {"Accept: */*", "Accept-Language: zh-cn",
                                    "Content-Type: application/x-www-form-urlencoded",
                                    "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"})
        EXPECT_TRUE(r.hasHeader(line)) << line;
    EXPECT_TRUE(r.hasHeader("Referer: " + args.url));
    EXPECT_FALSE(r.hasHeaderNamed("Cookie"));
}

TEST_F(WebRequestTest, PostHeadAndUnknownMethods)
{
    WebRequestArgs post;
    post.url = url("/echo");
    post.method = 1;
    post.postText = "k=v";
    post.headers = "User-Agent: Tester/1.0";
    webRequest(post);
    EXPECT_EQ(post.postBytes, "k=v");

    WebRequestArgs head;
    head.url = url("/echo");
    head.method = 2;
    webRequest(head);

    WebRequestArgs odd;
    odd.url = url("/echo");
    odd.method = 5;
    EXPECT_EQ(webRequest(odd), "hello");

    auto requests = recordedRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].line, "POST /echo HTTP/1.1");
    EXPECT_EQ(requests[0].body, "k=v");
    EXPECT_TRUE(requests[0].hasHeader("User-Agent: Tester/1.0"));
    EXPECT_EQ(requests[1].line, "HEAD /echo HTTP/1.1");
    EXPECT_EQ(requests[2].line, "GET /echo HTTP/1.1");
}

TEST_F(WebRequestTest, Cookies)
{
    WebRequestArgs setter;
    setter.url = url("/cookies");
    webRequest(setter);
    EXPECT_EQ(setter.receivedCookies, "a=1; b=2");
    EXPECT_NE(setter.responseHeaders.find("Set-Cookie: b=2"), std::string::npos);  // letter case unified

    // Own cookies given: sent as a line, and the library's jar stays off.
    WebRequestArgs own;
    own.url = url("/echo");
    own.cookies = "x=9";
    webRequest(own);
    WebRequestArgs none;
    none.url = url("/echo");
    none.cookies = "";
    webRequest(none);

    auto requests = recordedRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_TRUE(requests[1].hasHeader("Cookie: x=9"));
    EXPECT_FALSE(requests[2].hasHeaderNamed("Cookie"));
}

TEST_F(WebRequestTest, Redirects)
{
    WebRequestArgs follow;
    follow.url = url("/redirect");
    EXPECT_EQ(webRequest(follow), "hello");
    EXPECT_EQ(follow.status, 200);

    WebRequestArgs stay;
    stay.url = url("/redirect");
    stay.noRedirect = true;
    EXPECT_NE(webRequest(stay), "hello");
    EXPECT_EQ(stay.status, 302);
    EXPECT_EQ(recordedRequests().size(), 3u);
}

TEST_F(WebRequestTest, HeaderBlockLargerThanFiveThousandBytes)
{
    WebRequestArgs args;
    args.url = url("/big-headers");
    EXPECT_EQ(webRequest(args), "big");
    EXPECT_GT(args.responseHeaders.size(), 5000u);
    EXPECT_EQ(args.receivedCookies, "big=1");
}

TEST_F(WebRequestTest, ProxyGetsTheAbsoluteUri)
{
    // Nothing listens on port 18081: only the proxy, the test server, is reached.
    WebRequestArgs args;
    args.url = "http://127.0.0.1:18081/echo";
    args.proxy = serverBase().substr(7);  // host:port
    webRequest(args);
    RecordedRequest r = onlyRequest();
    EXPECT_EQ(r.line, "GET http://127.0.0.1:18081/echo HTTP/1.1");
}

TEST_F(WebRequestTest, FailedConnectionGivesNoBody)
{
    WebRequestArgs args;
    args.url = "http://127.0.0.1:18082/echo";
    EXPECT_EQ(webRequest(args), "");
    EXPECT_NE(args.transportError, 0u);
    EXPECT_EQ(args.status, 0);
}

TEST(WebRequestHttps, TrustedCertificateWorksUntrustedGivesNothing)
{
    trustTestCa();
    std::string https = envOr("TEST_HTTPS_SERVER", "https://127.0.0.1:18443");
    WebRequestArgs secure;
    secure.url = "HTTPS://" + https.substr(8) + "/echo";
    EXPECT_EQ(webRequest(secure), "hello") << "error " << secure.transportError;
    EXPECT_EQ(secure.status, 200);

    WebRequestArgs untrusted;
    untrusted.url = envOr("TEST_UNTRUSTED_SERVER", "https://127.0.0.1:18444") + "/echo";
    EXPECT_EQ(webRequest(untrusted), "");
    EXPECT_NE(untrusted.transportError, 0u);
}
