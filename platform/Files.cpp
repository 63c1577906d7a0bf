#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velqa::platform
{
namespace
{

template <typename Container> bool readInto(const std::string& path, Container& contents)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info
    {
    };
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    contents.clear();
    char chunk[65536];
    while (ok)
    {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0)
        {
            ok = got == 0;
            break;
        }
        contents.insert(contents.end(), chunk, chunk + got);
    }
    close(fd);
    return ok;
}

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    while (size > 0)
    {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

bool readFile(const std::string& path, std::vector<uint8_t>& contents)
{
    return readInto(path, contents);
}

bool readTextFile(const std::string& path, std::string& contents)
{
    return readInto(path, contents);
}

bool writeFileAtomically(const std::string& path, const void* data, size_t size)
{
    const std::string temporary = path + ".tmp-" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, static_cast<const uint8_t*>(data), size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    return ok;
}

bool fileExists(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool createFolder(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) == 0) return true;
    struct stat info
    {
    };
    return errno == EEXIST && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> listFiles(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    while (const dirent* entry = readdir(dir))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && fileExists(prefix + name)) names.push_back(name);
    }
    closedir(dir);
    return names;
}

} // namespace velqa::platform
