// files::writeFile on real files in a folder of the test's own, one row a
// kind of target: a new file and a replaced one (its mode kept, no
// temporary left), symbolic links (the target written, the link kept), a
// FIFO read by another thread, /dev/null, a read-only folder with a
// writable file (written in place), and the refusals, each naming the path
// and the reason, a failure half-way leaving no temporary behind.
//
// A root may write any folder, so a read-only folder would prove nothing:
// run as root, the rows run in a child process as the user nobody (65534),
// or, where that user cannot be become, the rows that need it are skipped.
#include "files/write.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

/// A folder of the row's own, gone with it (made writable again first).
struct Folder {
    std::string path;
    Folder()
    {
        std::string t = (fs::temp_directory_path() / "morvel-files-XXXXXX").string();
        path = mkdtemp(t.data()) ? t : std::string();
    }
    ~Folder()
    {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(path, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec))
            if (!it->is_symlink(ec) && it->is_directory(ec))
                chmod(it->path().c_str(), 0755);
        fs::remove_all(path, ec);
    }
    std::string at(const std::string& name) const { return path + "/" + name; }
    /// What a folder of it holds, by name.
    std::set<std::string> names(const std::string& sub = {}) const
    {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(sub.empty() ? path : at(sub)))
            out.insert(e.path().filename().string());
        return out;
    }
};

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const std::string& path, const std::string& text, mode_t mode)
{
    std::ofstream(path, std::ios::binary) << text;
    chmod(path.c_str(), mode);
}

struct stat statOf(const std::string& path, bool link = false)
{
    struct stat st {};
    if (link)
        lstat(path.c_str(), &st);
    else
        stat(path.c_str(), &st);
    return st;
}

const std::string route = "<gpx><rte><name>34S 18E to 43S 147E</name></rte></gpx>\n";

/// What a row leaves between making and checking.
struct Scene {
    Folder folder;
    std::thread reader;
    std::string heard;
    ino_t inode = 0;
};

struct Row {
    const char* name;
    /// Makes what the row needs; the path to write.
    std::function<std::string(Scene&)> make;
    const char* fails = nullptr;  ///< nullptr: written; else in the error
    std::function<void(Scene&)> check;
    bool needsPermissions = false;  ///< a root would pass where it is refused
    std::string data = route;
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

/// A FIFO's reader: all it reads; or, with hangUp, nothing (it goes at once).
void readFifo(Scene& s, const std::string& path, bool hangUp)
{
    s.reader = std::thread([&s, path, hangUp] {
        const int fd = open(path.c_str(), O_RDONLY);
        if (fd < 0)
            return;
        char buf[4096];
        for (ssize_t n; !hangUp && (n = read(fd, buf, sizeof buf)) > 0;)
            s.heard.append(buf, size_t(n));
        close(fd);
    });
}

void runRows(bool privileged)
{
    umask(022);
    // A file grown beyond the limit fails with EFBIG rather than ending the
    // program.
    std::signal(SIGXFSZ, SIG_IGN);
    const Row rows[] = {
        {"a new file: 0666 less the umask",
         [](Scene& s) { return s.folder.at("new.gpx"); }, nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("new.gpx")), route);
             EXPECT_EQ(statOf(s.folder.at("new.gpx")).st_mode & 07777, 0644u);
             EXPECT_EQ(s.folder.names(), std::set<std::string>{"new.gpx"});
         }},
        {"a file replaced whole, its mode 0640 kept",
         [](Scene& s) {
             put(s.folder.at("old.gpx"), "old", 0640);
             s.inode = statOf(s.folder.at("old.gpx")).st_ino;
             return s.folder.at("old.gpx");
         },
         nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("old.gpx")), route);
             EXPECT_EQ(statOf(s.folder.at("old.gpx")).st_mode & 07777, 0640u);
             EXPECT_NE(statOf(s.folder.at("old.gpx")).st_ino, s.inode) << "not replaced";
             EXPECT_EQ(s.folder.names(), std::set<std::string>{"old.gpx"});
         }},
        {"a symbolic link: the file it points to written, the link kept",
         [](Scene& s) {
             put(s.folder.at("real.gpx"), "old", 0600);
             fs::create_symlink("real.gpx", s.folder.at("link.gpx"));
             return s.folder.at("link.gpx");
         },
         nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("real.gpx")), route);
             EXPECT_EQ(statOf(s.folder.at("real.gpx")).st_mode & 07777, 0600u);
             EXPECT_TRUE(S_ISLNK(statOf(s.folder.at("link.gpx"), true).st_mode));
             EXPECT_EQ(fs::read_symlink(s.folder.at("link.gpx")), "real.gpx");
             EXPECT_EQ(s.folder.names(), (std::set<std::string>{"link.gpx", "real.gpx"}));
         }},
        {"a link to a link to a file in another folder",
         [](Scene& s) {
             fs::create_directory(s.folder.at("card"));
             put(s.folder.at("card/route.gpx"), "old", 0644);
             fs::create_symlink("card/route.gpx", s.folder.at("second"));
             fs::create_symlink(s.folder.at("second"), s.folder.at("first"));
             return s.folder.at("first");
         },
         nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("card/route.gpx")), route);
             EXPECT_TRUE(S_ISLNK(statOf(s.folder.at("first"), true).st_mode));
             EXPECT_TRUE(S_ISLNK(statOf(s.folder.at("second"), true).st_mode));
             EXPECT_EQ(s.folder.names(), (std::set<std::string>{"card", "first", "second"}));
             EXPECT_EQ(s.folder.names("card"), std::set<std::string>{"route.gpx"});
         }},
        {"a link that points nowhere yet makes its file",
         [](Scene& s) {
             fs::create_symlink("made.gpx", s.folder.at("link.gpx"));
             return s.folder.at("link.gpx");
         },
         nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("made.gpx")), route);
             EXPECT_TRUE(S_ISLNK(statOf(s.folder.at("link.gpx"), true).st_mode));
         }},
        {"a FIFO: its reader hears the text",
         [](Scene& s) {
             mkfifo(s.folder.at("plotter").c_str(), 0600);
             readFifo(s, s.folder.at("plotter"), false);
             return s.folder.at("plotter");
         },
         nullptr,
         [](Scene& s) {
             s.reader.join();
             EXPECT_EQ(s.heard, route);
             EXPECT_TRUE(S_ISFIFO(statOf(s.folder.at("plotter"), true).st_mode));
             EXPECT_EQ(s.folder.names(), std::set<std::string>{"plotter"});
         }},
        {"/dev/null", [](Scene&) { return std::string("/dev/null"); }, nullptr,
         [](Scene&) { EXPECT_TRUE(S_ISCHR(statOf("/dev/null", true).st_mode)); }},
        {"a read-only folder, its file writable: written in place",
         [](Scene& s) {
             fs::create_directory(s.folder.at("ro"));
             put(s.folder.at("ro/sights.csv"), "old", 0640);
             s.inode = statOf(s.folder.at("ro/sights.csv")).st_ino;
             chmod(s.folder.at("ro").c_str(), 0555);
             return s.folder.at("ro/sights.csv");
         },
         nullptr,
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("ro/sights.csv")), route);
             EXPECT_EQ(statOf(s.folder.at("ro/sights.csv")).st_ino, s.inode);
             EXPECT_EQ(statOf(s.folder.at("ro/sights.csv")).st_mode & 07777, 0640u);
             EXPECT_EQ(s.folder.names("ro"), std::set<std::string>{"sights.csv"});
         },
         true},
        {"a read-only folder, no file yet: refused",
         [](Scene& s) {
             fs::create_directory(s.folder.at("ro"));
             chmod(s.folder.at("ro").c_str(), 0555);
             return s.folder.at("ro/new.gpx");
         },
         "/ro/new.gpx: Permission denied", [](Scene& s) { EXPECT_TRUE(s.folder.names("ro").empty()); }, true},
        {"a read-only file: refused, not replaced",
         [](Scene& s) {
             put(s.folder.at("kept.gpx"), "old", 0444);
             return s.folder.at("kept.gpx");
         },
         "/kept.gpx: Permission denied",
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("kept.gpx")), "old");
             EXPECT_EQ(s.folder.names(), std::set<std::string>{"kept.gpx"});
         },
         true},
        {"a write that fails half-way (file size limit): no temporary left, the file as it was",
         [](Scene& s) {
             put(s.folder.at("old.gpx"), "old", 0644);
             return s.folder.at("old.gpx");
         },
         "/old.gpx: File too large",
         [](Scene& s) {
             EXPECT_EQ(readAll(s.folder.at("old.gpx")), "old");
             EXPECT_EQ(s.folder.names(), std::set<std::string>{"old.gpx"});
         },
         false, route, 16},
        {"a folder: refused",
         [](Scene& s) {
             fs::create_directory(s.folder.at("taken"));
             return s.folder.at("taken");
         },
         "/taken: Is a directory", [](Scene& s) { EXPECT_EQ(s.folder.names(), std::set<std::string>{"taken"}); }},
        {"no such folder", [](Scene& s) { return s.folder.at("none/r.gpx"); }, "/none/r.gpx: No such file or directory",
         [](Scene& s) { EXPECT_TRUE(s.folder.names().empty()); }},
        {"a link into no such folder: the error names both",
         [](Scene& s) {
             fs::create_symlink("none/r.gpx", s.folder.at("link.gpx"));
             return s.folder.at("link.gpx");
         },
         "/link.gpx (a link to ", [](Scene& s) { EXPECT_EQ(s.folder.names(), std::set<std::string>{"link.gpx"}); }},
        {"a loop of links",
         [](Scene& s) {
             fs::create_symlink("b", s.folder.at("a"));
             fs::create_symlink("a", s.folder.at("b"));
             return s.folder.at("a");
         },
         "/a: Too many levels of symbolic links",
         [](Scene& s) { EXPECT_EQ(s.folder.names(), (std::set<std::string>{"a", "b"})); }},
        {"/dev/full: the device's refusal", [](Scene&) { return std::string("/dev/full"); },
         "/dev/full: No space left on device", [](Scene&) {}},
        {"a FIFO whose reader goes: Broken pipe, and the program goes on",
         [](Scene& s) {
             mkfifo(s.folder.at("plotter").c_str(), 0600);
             readFifo(s, s.folder.at("plotter"), true);
             return s.folder.at("plotter");
         },
         "/plotter: Broken pipe", [](Scene& s) { s.reader.join(); }, false, std::string(1 << 20, 'x')},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.needsPermissions && privileged) {
            std::printf("[  SKIPPED ] %s: run as root, and no other user to become\n", r.name);
            continue;
        }
        Scene s;
        ASSERT_FALSE(s.folder.path.empty()) << std::strerror(errno);
        const std::string path = r.make(s);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit = before;
        limit.rlim_cur = std::min(r.fileSizeLimit, before.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string why = morvel::files::writeFile(path, r.data);
        setrlimit(RLIMIT_FSIZE, &before);
        if (r.fails)
            EXPECT_NE(why.find(r.fails), std::string::npos) << why;
        else
            EXPECT_EQ(why, "");
        r.check(s);
        if (s.reader.joinable())
            s.reader.join();
    }
}

}  // namespace

namespace morvel::files::test {
namespace {

TEST(WriteFile, AsWhatThePathNames)
{
    if (geteuid() != 0) {
        runRows(false);
        return;
    }
    // Root: the rows as nobody, in a child; its failures print there.
    std::fflush(stdout);
    const pid_t child = fork();
    ASSERT_GE(child, 0) << std::strerror(errno);
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(77);
        runRows(false);
        std::fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the rows as nobody ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == 77)
        runRows(true);
    else
        EXPECT_EQ(WEXITSTATUS(status), 0) << "rows failed as nobody (above)";
}

}  // namespace
}  // namespace morvel::files::test
