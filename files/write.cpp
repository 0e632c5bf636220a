#include "files/write.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvel::files {

namespace {

/// What replace() answers when the file is to be written in place instead.
constexpr int inPlaceInstead = -1;

std::string folderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// Where path leads, into target: symbolic links followed to a name that
/// is no link, or none yet. 0, or the errno of what went wrong.
int follow(const std::string& path, std::string& target)
{
    target = path;
    for (int links = 0;; ++links) {
        struct stat st;
        if (lstat(target.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;  // none yet: made there
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (links == 40)
            return ELOOP;
        std::vector<char> to(256);
        ssize_t n;
        while ((n = readlink(target.c_str(), to.data(), to.size())) >= 0 && size_t(n) == to.size())
            to.resize(to.size() * 2);
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOENT;
        const std::string next(to.data(), size_t(n));
        // A relative link leads on from its own folder.
        target = next.front() == '/' || target.find('/') == std::string::npos ? next : folderOf(target) + "/" + next;
    }
}

/// All of data to fd: 0, or the errno.
int writeAll(int fd, std::string_view data)
{
    for (size_t done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += size_t(n);
    }
    return 0;
}

/// While it lives, a SIGPIPE is held back from this thread, and one raised
/// meanwhile is taken away: a reader gone is EPIPE from write(), never the
/// end of the program.
class SigpipeHeld {
public:
    SigpipeHeld()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~SigpipeHeld()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!pendingBefore_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            while (sigtimedwait(&pipe_, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t pipe_, old_;
    bool pendingBefore_ = false;
};

/// data written into target as it is: a regular file truncated first, a
/// FIFO or a device as a stream. 0, or the errno.
int inPlace(const std::string& target, std::string_view data, bool truncate, bool sync)
{
    const SigpipeHeld held;
    int fd;
    do
        fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | (truncate ? O_TRUNC : 0));
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    int error = writeAll(fd, data);
    if (!error && sync && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && !error)
        error = errno;
    return error;
}

/// A new file beside target, for ours alone to write: its descriptor (its
/// name in name), or -1 with errno set.
int temporary(const std::string& target, std::string& name)
{
    thread_local std::mt19937 pick(std::random_device{}() ^ unsigned(getpid()) ^ unsigned(std::time(nullptr)));
    for (int tries = 0; tries < 100; ++tries) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", unsigned(pick()));
        name = folderOf(target) + "/." + nameOf(target) + "." + suffix;
        // 0666: the umask takes off what it takes off any new file.
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

/// data into a temporary beside target, renamed over it; old is what
/// target is, when there is one. 0, an errno (nothing left behind and
/// target as it was), or inPlaceInstead when target cannot be replaced so.
int replace(const std::string& target, std::string_view data, const struct stat* old)
{
    std::string name;
    const int fd = temporary(target, name);
    if (fd < 0) {
        const int e = errno;
        return old && (e == EACCES || e == EPERM || e == EROFS || e == ENAMETOOLONG) ? inPlaceInstead : e;
    }
    const auto drop = [&](int e) {
        close(fd);
        unlink(name.c_str());
        return e;
    };
    if (old) {
        // The owner and group first: a change of owner clears the set-ID
        // bits the mode then gives back.
        struct stat made;
        if (fstat(fd, &made) != 0)
            return drop(errno);
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) && fchown(fd, old->st_uid, old->st_gid) != 0)
            return drop(inPlaceInstead);
        if (fchmod(fd, old->st_mode & 07777) != 0)
            return drop(errno);
    }
    if (const int e = writeAll(fd, data))
        return drop(e);
    if (fsync(fd) != 0)
        return drop(errno);
    if (close(fd) != 0) {
        const int e = errno;
        unlink(name.c_str());
        return e;
    }
    if (std::rename(name.c_str(), target.c_str()) != 0) {
        const int e = errno;
        unlink(name.c_str());
        return old && (e == EACCES || e == EPERM) ? inPlaceInstead : e;
    }
    syncFolder(folderOf(target));
    return 0;
}

}  // namespace

std::string writeFile(const std::string& path, std::string_view data)
{
    std::string target;
    const auto failed = [&](int error) {
        const std::string named = target.empty() || target == path ? path : path + " (a link to " + target + ")";
        return named + ": " + std::strerror(error);
    };
    if (path.empty())
        return failed(ENOENT);
    if (const int e = follow(path, target))
        return failed(e);
    struct stat st;
    const bool exists = stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return failed(errno);
    int e = 0;
    if (exists && S_ISDIR(st.st_mode))
        e = EISDIR;
    else if (exists && !S_ISREG(st.st_mode))
        e = inPlace(target, data, false, S_ISBLK(st.st_mode));
    else if (exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        e = errno;  // not ours to write: not replaced either
    else if ((e = replace(target, data, exists ? &st : nullptr)) == inPlaceInstead)
        e = inPlace(target, data, true, true);
    return e ? failed(e) : std::string();
}

}  // namespace morvel::files
