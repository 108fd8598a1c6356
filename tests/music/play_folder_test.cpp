// Play folders: one of this process's own, and the ones dead runs left.
#include "music/play_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "data/temp_folder.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

pid_t deadProcess()
{
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST(PlayFolder, StartUpRemovesOnlyTheFoldersOfProcessesThatNoLongerRun)
{
    testing::TempFolder temp;
    const std::string dead = "halvane-play-" + std::to_string(deadProcess()) + "-a1b2c3";
    const std::string alive = "halvane-play-" + std::to_string(getpid()) + "-d4e5f6";
    for (const std::string& name : {dead, alive, std::string("halvane-x1y2z3"), std::string("halvane-play-12x-abc")})
        fs::create_directory(fs::path(temp.path()) / name);
    temp.write(dead + "/test0.mid", "left by a killed run");
    temp.write("halvane-play-1-file", "not a folder");

    {
        PlayFolder own(temp.path());
        ASSERT_FALSE(own.path().empty());
        EXPECT_TRUE(fs::is_directory(own.path()));
        EXPECT_EQ(fs::status(own.path()).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_FALSE(fs::exists(fs::path(temp.path()) / dead));
        for (const char* kept : {"halvane-x1y2z3", "halvane-play-12x-abc", "halvane-play-1-file"})
            EXPECT_TRUE(fs::exists(fs::path(temp.path()) / kept)) << kept;
        EXPECT_TRUE(fs::exists(fs::path(temp.path()) / alive));
        const std::string path = own.path();
        temp.write(fs::path(path).filename().string() + "/test0.mid", "playing");
        own.remove();
        EXPECT_FALSE(fs::exists(path));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace halvane
