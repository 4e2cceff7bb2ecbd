// agent-stamp: copies of the installer for agents.
//
//   agent-stamp INPUT OUTPUT NUMBER      one copy
//   agent-stamp --batch INPUT LIST DIR   one copy per number in LIST, as DIR/<number>.exe
//
// NUMBER is 1 to 99999999, written as eight zero-padded digits. Exit codes:
// 0 done, 1 a file could not be read or written, 2 a bad number or usage.
#include "stamp.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Writes beside the target and renames into place: an interrupted run leaves
// no half-written copy.
bool writeFileAtomically(const fs::path& path, const std::string& bytes)
{
    fs::path temporary = path;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

int usage()
{
    std::cerr << "usage: agent-stamp INPUT OUTPUT NUMBER\n"
                 "       agent-stamp --batch INPUT LIST DIR\n";
    return 2;
}

int refuseNumber(const std::string& number)
{
    std::cerr << "agent-stamp: \"" << number << "\" is not an agent number: use 1 to 99999999, digits only\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5)
        return usage();
    bool batch = std::string(argv[1]) == "--batch";
    if (batch != (argc == 5))
        return usage();
    fs::path input = argv[batch ? 2 : 1];
    auto image = readFile(input);
    if (!image) {
        std::cerr << "agent-stamp: cannot read " << input << "\n";
        return 1;
    }

    if (!batch) {
        auto digits = agentDigits(argv[3]);
        if (!digits)
            return refuseNumber(argv[3]);
        if (!writeFileAtomically(argv[2], stampImage(*image, *digits))) {
            std::cerr << "agent-stamp: cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }

    auto list = readFile(argv[3]);
    if (!list) {
        std::cerr << "agent-stamp: cannot read " << argv[3] << "\n";
        return 1;
    }
    // Every number is checked before anything is written.
    std::vector<std::string> numbers;
    std::istringstream lines(*list);
    for (std::string line; std::getline(lines, line);) {
        line.erase(0, line.find_first_not_of(" \t\r"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (line.empty())
            continue;
        auto digits = agentDigits(line);
        if (!digits)
            return refuseNumber(line);
        numbers.push_back(*digits);
    }
    fs::path dir = argv[4];
    std::error_code error;
    fs::create_directories(dir, error);
    for (const std::string& digits : numbers) {
        fs::path out = dir / (digits + ".exe");
        if (!writeFileAtomically(out, stampImage(*image, digits))) {
            std::cerr << "agent-stamp: cannot write " << out << "\n";
            return 1;
        }
        std::cout << out.string() << "\n";
    }
    return 0;
}
