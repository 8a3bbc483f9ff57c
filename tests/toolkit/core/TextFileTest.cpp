#include "toolkit/core/TextFile.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kes {
namespace {

using namespace std::string_literals;

std::string WriteFile(const std::string& bytes) {
    static int serial = 0;
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("kes-textfile-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

// The error a load raises, or "" when it loads.
std::string LoadError(const std::string& path) {
    try {
        LoadTextFile(path);
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), path);
        return e.Message();
    }
    return "";
}

TEST(TextFile, CtrlZEndsTheTextAndANulBeforeItRefusesTheFile) {
    const std::string nulMessage = "NUL バイトを含むファイルはテキストとして読み込めません";
    EXPECT_EQ(LoadTextFile(WriteFile("a\r\nb\x1A"
                                     "c\0d"s)),
              "a\r\nb");
    EXPECT_EQ(LoadTextFile(WriteFile("")), "");
    const std::string big = std::string(70000, 'x') + "\n";
    EXPECT_EQ(LoadTextFile(WriteFile(big)), big) << "more than one read block";

    const std::string nul = WriteFile(std::string(70000, 'x') + "\0\x1A"s);
    EXPECT_EQ(LoadError(nul), nul + ": " + nulMessage);
    const std::string utf16 = WriteFile("\xFF\xFE"
                                        "a\0"s);
    EXPECT_NE(LoadError(utf16).find(nulMessage), std::string::npos);

    // The string lists load through the same loader.
    TStringList list;
    list.Add("kept");
    EXPECT_THROW(list.LoadFromFile(nul), EFileError);
    EXPECT_EQ(list.Count(), 1);
    list.LoadFromFile(WriteFile("a\rb\x1A"
                                "c"));
    EXPECT_EQ(list.Count(), 2);
}

TEST(TextFile, MissingFilesAndDirectoriesAreErrorsNamingThem) {
    const std::string missing = (std::filesystem::temp_directory_path() / "kes-no-such").string();
    EXPECT_NE(LoadError(missing).find("ファイルを開けません"), std::string::npos);
    const std::string directory = std::filesystem::temp_directory_path().string();
    EXPECT_NE(LoadError(directory).find("ファイルを開けません"), std::string::npos);
}

} // namespace
} // namespace kes
