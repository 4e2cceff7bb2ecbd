#include "install/install_paths.h"

#include "base/text.h"

std::string withFinalBackslash(std::string_view folder)
{
    std::string text(folder);
    if (text.empty() || text.back() != '\\')
        text += '\\';
    return text;
}

std::string folderForChoice(std::string_view chosen, std::string_view appName)
{
    std::string folder(chosen);
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + std::string(appName) + "\\";
}

std::string badFolderMessage(std::string_view installDir)
{
    return "请确认所选的安装位置是否合法，程序无法在该位置安装\r\n“" + std::string(installDir) + "”";
}

std::string fileTitle(std::string_view path)
{
    std::string_view name = path.substr(path.rfind('\\') == std::string_view::npos ? 0 : path.rfind('\\') + 1);
    size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string folderOf(std::string_view target)
{
    std::vector<std::string> parts = splitText(target, "\\");
    if (parts.size() < 2)
        return {};
    std::string folder;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        folder += parts[i] + "\\";
    return folder;
}

std::string linkFileName(std::string_view linkName)
{
    std::string name = findText(linkName, "\\") > 0 ? fileTitle(linkName) : std::string(linkName);
    if (findText(name, ".lnk", 1, true) < 0)
        name += ".lnk";
    return name;
}
