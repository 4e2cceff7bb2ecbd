// Download benchmark under Wine. Prints "<seconds> <bytes> <peak working set>";
// the seconds count the transfer alone, from opening the URL to the file in
// place, as the installer's window already exists when it downloads.
//
//   download_bench window URL TARGET   the installer's download path: a real
//                                      window whose label and bar follow the
//                                      progress, events pumped after each block
//   download_bench bare URL            a plain WinInet read loop, no UI
#include "base/codepage_win.h"
#include "base/event_pump_win.h"
#include "net/download_progress.h"
#include "net/download_win.h"
#include "net/internet_handle_win.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

double seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T peakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

long long windowDownload(const std::string& url, const std::string& target, double& elapsed)
{
    InitCommonControls();
    HWND window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600, 430,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 214, 357, 178, 32, window, nullptr,
                                 nullptr, nullptr);
    HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 300, 600, 18, window,
                               nullptr, nullptr, nullptr);
    ProgressDisplay display([&](const DownloadProgress& p) {
        SetWindowTextW(label, toWide(p.text).c_str());
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(p.position), 0);
    }, [] { return static_cast<long long>(GetTickCount64()); });
    pumpPendingEvents();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    Download download;
    if (!download.open(url, target))
        return -1;
    EventPump pump;
    bool ok = download.receive([&] {
        display.update(download.bytesDone(), download.totalSize());
        pump();
    });
    QueryPerformanceCounter(&end);
    elapsed = seconds(start, end);
    DestroyWindow(window);
    return ok ? download.bytesDone() : -1;
}

long long bareDownload(const std::string& url, double& elapsed)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    InternetHandle internet(InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    InternetHandle handle(InternetOpenUrlW(internet.get(), toWide(url).c_str(), nullptr, 0,
                                           INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD, 0));
    if (!handle)
        return -1;
    static char block[20480];
    long long total = 0;
    DWORD read = 0;
    while (InternetReadFile(handle.get(), block, sizeof block, &read) && read > 0)
        total += read;
    QueryPerformanceCounter(&end);
    elapsed = seconds(start, end);
    return total;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: download_bench window URL TARGET | bare URL\n");
        return 2;
    }
    std::string mode = argv[1];
    double elapsed = 0;
    long long bytes = mode == "window" && argc >= 4 ? windowDownload(argv[2], argv[3], elapsed)
                                                   : bareDownload(argv[2], elapsed);
    if (bytes < 0)
        return 1;
    std::printf("%.3f %lld %llu\n", elapsed, bytes, static_cast<unsigned long long>(peakWorkingSet()));
    return 0;
}
