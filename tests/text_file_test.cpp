// Line-wise reading with every line ending, and the private temporary directory.
#include "../platform/files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::filesystem::path Scratch(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("muzyka-test-" + std::to_string(getpid()) + "-" + name);
}

std::vector<std::string> ReadAll(const std::string& bytes) {
    std::filesystem::path path = Scratch("lines.txt");
    std::ofstream(path, std::ios::binary) << bytes;
    std::vector<std::string> lines;
    TextFile* file = OpenTextFileForReading(path.string());
    EXPECT_NE(file, nullptr);
    while (file && !TextFileAtEnd(file)) lines.push_back(ReadTextLine(file));
    CloseTextFile(file);
    std::filesystem::remove(path);
    return lines;
}

TEST(TextFileTest, EveryLineEndingEndsALine) {
    using Lines = std::vector<std::string>;
    std::string nul(1, '\0');
    EXPECT_EQ(ReadAll(""), Lines{});
    EXPECT_EQ(ReadAll("a\nb\rc\r\nd" + nul + "e"), (Lines{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(ReadAll("a\n"), Lines{"a"}) << "no extra empty line after the last ending";
    EXPECT_EQ(ReadAll("\r\r\n\n"), (Lines{"", "", ""}));
    EXPECT_EQ(ReadAll("a\rxb"), (Lines{"a", "xb"})) << "a lone CR leaves the next byte to the next line";
    EXPECT_EQ(ReadAll("a\n\r"), (Lines{"a", ""}));
    std::string longLine(70000, 'x'); // longer than the reader's buffer
    longLine[65535] = 'y';
    EXPECT_EQ(ReadAll(longLine + "\r\n" + "end"), (Lines{longLine, "end"}));
    std::string split(65535, 'z'); // CR as the buffer's last byte, LF as the next buffer's first
    EXPECT_EQ(ReadAll(split + "\r\nq"), (Lines{split, "q"}));
}

TEST(TextFileTest, AMissingFileCannotBeOpened) {
    EXPECT_EQ(OpenTextFileForReading(Scratch("missing").string()), nullptr);
}

class TemporaryDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        saved = old ? old : "";
        had = old != nullptr;
        directory = Scratch("runtime");
        std::filesystem::create_directory(directory);
        setenv("XDG_RUNTIME_DIR", directory.c_str(), 1);
    }
    void TearDown() override {
        if (had) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
        else unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove_all(directory);
    }
    std::filesystem::path directory;
    std::string saved;
    bool had = false;
};

TEST_F(TemporaryDirectoryTest, UsesTheRuntimeDirectoryAndMakesItPrivate) {
    chmod(directory.c_str(), 0777);
    EXPECT_EQ(TemporaryDirectory(), directory.string() + "/");
    struct stat info {};
    ASSERT_EQ(stat(directory.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(TemporaryDirectoryTest, RefusesADirectoryOfAnotherUserOrALink) {
    std::filesystem::path link = Scratch("link");
    std::filesystem::create_directory_symlink(directory, link);
    setenv("XDG_RUNTIME_DIR", link.c_str(), 1);
    EXPECT_EQ(TemporaryDirectory(), "") << "a link is never followed";
    std::filesystem::remove(link);
    if (getuid() == 0) { // only root can give a directory away
        setenv("XDG_RUNTIME_DIR", directory.c_str(), 1);
        ASSERT_EQ(chown(directory.c_str(), 65534, 65534), 0);
        EXPECT_EQ(TemporaryDirectory(), "");
    }
}

} // namespace
