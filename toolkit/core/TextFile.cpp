#include "toolkit/core/TextFile.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/TextEncoding.h"

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

// The file's bytes from where it stands to its end.
std::string ReadBytes(std::FILE* file, const std::string& fileName) {
    struct stat info {};
    if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode))
        throw EFileError(fileName, CannotOpen(EISDIR));
    std::string bytes;
    if (S_ISREG(info.st_mode))
        bytes.reserve(static_cast<size_t>(info.st_size));
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, got);
    if (std::ferror(file))
        throw EFileError(fileName, "ファイルを読めません");
    return bytes;
}

std::string ReadFileBytes(const std::string& fileName) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        throw EFileError(fileName, CannotOpen(errno));
    return ReadBytes(file.get(), fileName);
}

std::string_view BeforeCtrlZ(std::string_view bytes) {
    return bytes.substr(0, bytes.find(CtrlZ));
}

// The code page 932 text as the editor takes it: up to a Ctrl-Z, and refused with a NUL.
std::string TakeText(std::string text, const std::string& fileName) {
    text.resize(BeforeCtrlZ(text).size());
    if (text.find('\0') != std::string::npos)
        throw EFileError(fileName, "NUL バイトを含むファイルはテキストとして読み込めません");
    return text;
}

} // namespace

std::string LoadTextStream(std::FILE* file, const std::string& fileName) {
    return TakeText(ReadBytes(file, fileName), fileName);
}

std::string LoadTextFile(const std::string& fileName) {
    return TakeText(ReadFileBytes(fileName), fileName);
}

TLoadedText LoadEncodedTextFile(const std::string& fileName,
                                std::optional<TTextEncoding> encoding) {
    const std::string bytes = ReadFileBytes(fileName);
    TLoadedText loaded;
    TTextFormat& format = loaded.Format;
    format.Encoding = encoding ? *encoding : DetectEncoding(BeforeCtrlZ(bytes));
    format.ByteOrderMark = HasByteOrderMark(bytes, format.Encoding);
    // The converted text holds a Ctrl-Z or a NUL byte only where the file had that character,
    // so a UTF-16 file, whose characters hold such bytes, is judged by its characters.
    loaded.Text = TakeText(DecodeText(bytes, format.Encoding), fileName);
    format.LineBreak = DetectLineBreak(loaded.Text, format.Encoding);
    return loaded;
}

} // namespace kes
