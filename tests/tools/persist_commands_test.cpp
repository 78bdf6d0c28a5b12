// The runner's boat-file commands, through the kelvane-sim program: a boat
// loaded in the header and the live boat dumped in the timeline.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../support/sim_runner.h"
#include "boat/boat_file.h"
#include "boat/boat_record_bytes.h"

TEST(PersistCommands, DumpedBoatLoadsBackAndRunsTheSame) {
    TempFolder folder;
    const std::string first = folder.File("first.boat"), second = folder.File("second.boat");
    const std::string drive = "at 0 run\nat 0 engine both ahead\n";
    SimRun dump = RunSim(folder, "type sailboat\nsteps 40\nevery 10\nat 0 dump boat " + first + "\n" + drive);
    ASSERT_EQ(dump.status, 0) << dump.err;
    auto sailboat = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(first.c_str(), *sailboat), BOAT_FILE_LOADED);
    EXPECT_EQ(sailboat->boatType, SAILBOAT);

    // Loaded over a motorboat setting: the file's boat is the one that runs,
    // and it is written back byte for byte.
    SimRun load = RunSim(
        folder, "boat " + first + "\ntype motorboat\nsteps 40\nevery 10\nat 0 dump boat " + second + "\n" + drive);
    ASSERT_EQ(load.status, 0) << load.err;
    EXPECT_TRUE(load.err.empty()) << load.err;
    EXPECT_EQ(TempFolder::ReadBytes(second), TempFolder::ReadBytes(first));
    EXPECT_EQ(load.out, dump.out) << "the same boat gives the same trace";
}

TEST(PersistCommands, CorruptedOrMissingFilesGiveTheDefaultBoat) {
    TempFolder folder;
    const std::vector<unsigned char> hundred(100, 3);
    TempFolder::WriteBytes(folder.File("short.boat"), hundred.data(), hundred.size());
    const std::string dumped = folder.File("dumped.boat");
    SimRun corrupted =
        RunSim(folder, "boat " + folder.File("short.boat") +
                           "\ntype houseboat\nsteps 2\nat 1 dump boat " + dumped + "\n");
    EXPECT_EQ(corrupted.status, 0);
    EXPECT_NE(corrupted.err.find("Boat file is corrupted:\n\nUsing default boat"),
              std::string::npos);
    EXPECT_FALSE(corrupted.out.empty());
    auto boat = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(dumped.c_str(), *boat), BOAT_FILE_LOADED);
    EXPECT_STREQ(boat->boatName, "New_Houseboat");

    SimRun missing = RunSim(folder, "boat " + folder.File("none.boat") + "\nsteps 2\n");
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("Cannot open the boat data file:\n\nUsing default boat"),
              std::string::npos);
}
