// The demo "application" that the test platform serves: it reads OEM.key in
// its own folder, decodes the agent number and shows it. It also writes
// "payload-ran.txt" beside itself, so tests can see that it ran.
#include <windows.h>

#include <string>

namespace {

std::wstring ownFolder()
{
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring self(path, n);
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

std::string readFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

// The key text is two hexadecimal digits per agent byte (XOR 0x10), then
// nine digits of the key part.
std::string decodeAgent(const std::string& key)
{
    if (key.size() < 9)
        return {};
    std::string agent;
    for (size_t i = 0; i + 2 <= key.size() - 9; i += 2)
        agent += static_cast<char>(std::stoi(key.substr(i, 2), nullptr, 16) ^ 0x10);
    return agent;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    std::wstring folder = ownFolder();
    std::string agent = decodeAgent(readFile(folder + L"OEM.key"));
    std::string marker = "agent=" + agent;
    HANDLE file = CreateFileW((folder + L"payload-ran.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                              nullptr);
    DWORD written = 0;
    WriteFile(file, marker.data(), static_cast<DWORD>(marker.size()), &written, nullptr);
    CloseHandle(file);

    std::wstring text = L"Demo application\r\nAgent number: " + std::wstring(agent.begin(), agent.end());
    HWND window = CreateWindowExW(0, L"STATIC", L"Demo application", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 360, 160, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 30, 320, 60, window, nullptr,
                    instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
