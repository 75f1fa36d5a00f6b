// A working folder received from someone else: links planted at the fixed
// files, pipes and folders at the read paths, squares of the wrong size.
#include "files/square_codec.h"
#include "files/workdir_fixture.h"
#include "video/frame_template.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace rca;
using namespace filestest;

namespace {

// The working folder is wd/ inside a scratch folder; victims lie beside it.
struct Attack : ::testing::Test {
    TempWorkdir scratch{false};
    fs::path wd = scratch.path() / "wd";
    RecordingHost host;
    std::unique_ptr<Workbench> wb;

    Attack() {
        EXPECT_EQ(initWorkdir(wd), "");
        wb = std::make_unique<Workbench>(&host, wd);
    }
    fs::path at(const std::string& name) const { return wd / name; }
    void plant(const std::string& name, const fs::path& target) {
        fs::remove(at(name));
        fs::create_symlink(target, at(name));
    }
    std::string notices() const {
        std::string all;
        for (const auto& m : host.messages)
            all += m + "\n";
        return all;
    }
    // Runs `command` in a child, so a read that blocks fails the test rather
    // than hanging it; true when the child's notices held `expected`.
    bool runBounded(const std::string& command, const std::string& expected) {
        const pid_t child = ::fork();
        if (child == 0) {
            wb->run(command);
            ::_exit(notices().find(expected) != std::string::npos ? 0 : 1);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                ADD_FAILURE() << command << " blocked";
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

struct FixedWrite {
    const char* file;
    const char* command; // "" is the start-up
};

const FixedWrite fixedWrites[] = {
    {"CA/ca5.dat", ""},
    {"CA/ca.dat", "WriteCA1Click"},
    {"CA/ca2.dat", "Wsq21Click"},
    {"CA/cawri.dat", "Button53Click"},
    {"examp/Exr.dat", "Writerandom1Click"},
    {"MA/mafin.dat", "Writemask1Click"},
    {"data/dxx.dat", "TForm6.Button16Click"},
    {"8r50/L4.dat", "WriteQhist1Click"},
};

void run(Workbench& wb, const char* command) {
    if (*command)
        wb.run(command);
    else
        wb.startUp();
}

} // namespace

TEST_F(Attack, PlantedLinksAtFixedFilesAreRefusedAndTheRunGoesOn) {
    const fs::path victim = scratch.path() / "victim";
    for (const FixedWrite& w : fixedWrites) {
        SCOPED_TRACE(w.file);
        writeBytes(victim, {'p', 'r', 'e', 'c', 'i', 'o', 'u', 's'});
        plant(w.file, "../../victim");
        host.messages.clear();
        run(*wb, w.command);
        EXPECT_EQ(readBytes(victim).size(), 8u);
        EXPECT_TRUE(host.reported(std::string(w.file) + " is a link to " + victim.string() +
                                  ", outside the working folder"))
            << notices();

        // A link to nothing outside creates nothing there.
        const fs::path fresh = scratch.path() / "fresh";
        plant(w.file, fresh);
        host.messages.clear();
        run(*wb, w.command);
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_TRUE(host.reported("which does not exist and lies outside")) << notices();
    }
    // The run went on: the start-up still set up its first trial.
    EXPECT_EQ(wb->model().stepTime, 0);
}

TEST_F(Attack, LinksThatStayInsideKeepWorking) {
    plant("CA/ca.dat", "ca3.dat");
    wb->model().lineLength = 7;
    wb->run("WriteCA1Click");
    EXPECT_EQ(readBytes(at("CA/ca3.dat"))[0], 7);
    EXPECT_TRUE(fs::is_symlink(at("CA/ca.dat")));
    EXPECT_TRUE(host.messages.empty()) << notices();
}

TEST_F(Attack, PipesAtEveryReadPathAreRefusedWithoutWaiting) {
    const std::pair<const char*, const char*> reads[] = {
        {"CA/ca.dat", "ReadCA1Click"},
        {"CA/ca2.dat", "sq21Click"},
        {"MA/mafin.dat", "Readmask1Click"},
        {"examp/Exr.dat", "Readrandom1Click"},
        {"8r50/8r.dat", "TForm15.Button3Click"},
        {"CA/ca31.dat", "Sh411Click"},
        {"data/dxx.dat", "TForm6.Button15Click"},
        {"IMPROVE/imp000.dat", "Begon1Click"},
        {"data/1_1.BMP", "READFROMFILE1Click"},
        {"answered.dat", "ReadRCA1Click"},
        {"CA/ca5.dat", "Wsq51Click"}, // the writer names it too
    };
    wb->startUp(); // the import needs the frame size it sets
    for (const auto& [file, command] : reads) {
        SCOPED_TRACE(file);
        fs::remove(at(file));
        ASSERT_EQ(::mkfifo(at(file).c_str(), 0600), 0);
        host.answers = {std::string("answered.dat")};
        EXPECT_TRUE(runBounded(command, "it is a pipe (FIFO), not a file"));
    }
    // The frame template is read by the recorder's tick.
    std::vector<uint8_t> buffer(64);
    EXPECT_EQ(loadTemplate(at("answered.dat"), 352, 704, buffer),
              "it is a pipe (FIFO), not a file");
}

TEST_F(Attack, AFolderOrALoopAtASquareIsNamed) {
    fs::remove(at("CA/ca.dat"));
    fs::create_directory(at("CA/ca.dat"));
    wb->run("ReadCA1Click");
    EXPECT_TRUE(host.reported("cannot read CA/ca.dat: it is a folder")) << notices();
    fs::remove(at("CA/ca.dat"));
    plant("CA/ca.dat", "ca.dat");
    wb->run("ReadCA1Click");
    EXPECT_TRUE(host.reported("cannot read CA/ca.dat: it is a link that leads round in a loop"))
        << notices();
}

TEST_F(Attack, SquaresOfTheWrongSizeAreNamedAndKeepOnlyCellStates) {
    struct Case {
        const char* what;
        std::function<void()> make;
        std::vector<std::string> notices;
        int32_t length;
    };
    const Case cases[] = {
        {"a link to a text file",
         [&] {
             std::ofstream(at("notes.txt")) << "hello world\n";
             plant("CA/ca.dat", "../notes.txt");
         },
         {"it is short: 12 of 104 bytes read", "is outside 0 .. 100, so 100 is used",
          "8 cells held a value other than C, B or A"},
         100},
        {"random bytes",
         [&] { writeBytes(at("CA/ca.dat"), std::vector<uint8_t>(104, 0xFF)); },
         {"its length -1 is outside 0 .. 100, so 0 is used", "100 cells held"},
         0},
        {"a sparse file of 2 GiB",
         [&] {
             writeBytes(at("CA/ca.dat"), squareRecord(9, "ABC"));
             fs::resize_file(at("CA/ca.dat"), uint64_t{1} << 31);
         },
         {"it holds 2147483648 bytes, not 104: only its first 104 were read"},
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(at("CA/ca.dat"));
        c.make();
        host.messages.clear();
        wb->run("ReadCA1Click");
        EXPECT_EQ(wb->model().lineLength, c.length);
        for (const std::string& n : c.notices)
            EXPECT_TRUE(host.reported(n)) << n << "\n" << notices();
        for (CellState s : wb->model().lineI)
            EXPECT_LE(s, A);
    }
}
