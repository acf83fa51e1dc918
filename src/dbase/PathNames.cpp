#include "dbase/PathNames.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <sys/stat.h>

namespace dbase {

namespace {

bool sameNoCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return std::tolower(x) == std::tolower(y);
              });
}

bool isFile(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string fileNameOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string baseNameOf(const std::string &path)
{
    std::string name = fileNameOf(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::optional<std::string> findFileNoCase(const std::string &path)
{
    if (isFile(path))
        return path;
    const std::string folder = folderOf(path);
    const std::string wanted = fileNameOf(path);
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    while (dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (sameNoCase(name, wanted) && isFile(joinPath(folder, name))) {
            found = path.find('/') == std::string::npos ? name : joinPath(folder, name);
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string siblingPath(const std::string &path, const std::string &ext)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExt ? path.substr(0, dot) : path;
    const std::string ownExt = hasExt ? path.substr(dot + 1) : std::string();
    const bool upper = !ownExt.empty()
                       && std::all_of(ownExt.begin(), ownExt.end(), [](unsigned char c) { return !std::islower(c); });
    std::string result = ext;
    for (char &c : result)
        c = char(upper ? std::toupper(static_cast<unsigned char>(c)) : std::tolower(static_cast<unsigned char>(c)));
    return stem + result;
}

} // namespace dbase
