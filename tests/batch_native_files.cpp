// Output files under names with accents, eñes and spaces, as engineers name
// their folders ("C:\Users\José\Documentos\depósito ñ.csv"), written whole or
// not at all, and replacing what was there before.

#include "batch/csv_writer.h"
#include "batch/native_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace retencion::batch;
namespace fs = std::filesystem;

namespace {

// A fresh folder named with an accent and a space, beside the test, one for
// each test (they may run at once).
class NativeFiles : public testing::Test {
protected:
    void SetUp() override
    {
        m_name = "José ñ " + std::string(testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder());
        fs::create_directory(folder());
    }
    void TearDown() override { fs::remove_all(folder()); }

    // The UTF-8 name as the file system's path.
    fs::path folder() const { return fs::path(std::u8string(m_name.begin(), m_name.end())); }
    std::string inFolder(const char* name) const { return m_name + "/" + name; }

    static std::string read(const std::string& path)
    {
        std::FILE* file = openFile(path, "rb");
        if (!file) return "(no existe)";
        std::string text;
        char chunk[256];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
        std::fclose(file);
        return text;
    }

    static std::string write(const std::string& path, const std::string& text)
    {
        AtomicFile file;
        std::string why = file.open(path);
        if (!why.empty()) return why;
        std::fwrite(text.data(), 1, text.size(), file.stream());
        return file.commit();
    }

    int entries() const
    {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder())) ++count;
        return count;
    }

private:
    std::string m_name;
};

TEST_F(NativeFiles, AccentedNameIsWrittenAndReadBack)
{
    const std::string path = inFolder("depósito ñ.csv");
    ASSERT_EQ(write(path, "caso;S\nA;1\n"), "");
    EXPECT_EQ(read(path), "caso;S\nA;1\n");
    // Under that very name, not as bytes of some code page.
    EXPECT_TRUE(fs::exists(folder() / fs::path(u8"depósito ñ.csv")));
    EXPECT_EQ(entries(), 1);
}

TEST_F(NativeFiles, CommitReplacesTheFileAlreadyThere)
{
    const std::string path = inFolder("salida ñ.csv");
    ASSERT_EQ(write(path, "una versión más larga\n"), "");
    ASSERT_EQ(write(path, "nueva\n"), "");
    EXPECT_EQ(read(path), "nueva\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(NativeFiles, UncommittedOutputLeavesNothingBehind)
{
    const std::string path = inFolder("a medias.csv");
    {
        AtomicFile file;
        ASSERT_EQ(file.open(path), "");
        std::fputs("media fila", file.stream());
    }
    EXPECT_EQ(read(path), "(no existe)");
    EXPECT_EQ(entries(), 0);
}

TEST_F(NativeFiles, MissingFolderIsRefusedWithAReason)
{
    AtomicFile file;
    EXPECT_NE(file.open(inFolder("no hay/salida.csv")), "");
    EXPECT_EQ(openFile(inFolder("no está.csv"), "rb"), nullptr);
}

} // namespace
