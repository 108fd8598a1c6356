#include "data/data_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/temp_folder.h"

namespace halvane {
namespace {

using testing::TempFolder;

TEST(DataFile, OnlyAFileOfExactlyThatNameCounts)
{
    TempFolder folder;
    folder.write("Comets.csv", "x");
    std::filesystem::create_directory(std::filesystem::path(folder.path()) / "age.dat");
    folder.write("conl.dat", "");

    EXPECT_FALSE(dataFileExists(folder.path(), "comets.csv"));
    EXPECT_FALSE(dataFileExists(folder.path(), "age.dat"));
    EXPECT_TRUE(dataFileExists(folder.path(), "conl.dat"));
    EXPECT_FALSE(dataFileExists(folder.path() + "/missing", "conl.dat"));
}

}  // namespace
}  // namespace halvane
