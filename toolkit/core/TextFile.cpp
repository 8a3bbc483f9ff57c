#include "toolkit/core/TextFile.h"

#include "toolkit/core/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace kes {

namespace {

constexpr char CtrlZ = 0x1A;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string CannotOpen(int error) {
    return std::string("ファイルを開けません (") + std::strerror(error) + ")";
}

} // namespace

std::string LoadTextStream(std::FILE* file, const std::string& fileName) {
    struct stat info {};
    if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode))
        throw EFileError(fileName, CannotOpen(EISDIR));
    std::string text;
    if (S_ISREG(info.st_mode))
        text.reserve(static_cast<size_t>(info.st_size));
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, got);
    if (std::ferror(file))
        throw EFileError(fileName, "ファイルを読めません");
    text.resize(std::min(text.find(CtrlZ), text.size()));
    if (text.find('\0') != std::string::npos)
        throw EFileError(fileName, "NUL バイトを含むファイルはテキストとして読み込めません");
    return text;
}

std::string LoadTextFile(const std::string& fileName) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        throw EFileError(fileName, CannotOpen(errno));
    return LoadTextStream(file.get(), fileName);
}

} // namespace kes
