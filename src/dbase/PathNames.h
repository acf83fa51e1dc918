#pragma once

#include <optional>
#include <string>

namespace dbase {

// Tables copied from Windows keep their names' case (DATA.DBF, Data.DBT), so
// existing files are looked up without regard to case; new files take the
// names as written.

// The path of an existing file whose name matches path's name in any case;
// an exact match wins.
std::optional<std::string> findFileNoCase(const std::string &path);

// The sibling of `path` with extension `ext` (".dbt", ".mdx"), written in the
// case of path's own extension: data.dbf -> data.dbt, DATA.DBF -> DATA.DBT.
std::string siblingPath(const std::string &path, const std::string &ext);

std::string folderOf(const std::string &path);
std::string fileNameOf(const std::string &path);
// The file name without folder and extension.
std::string baseNameOf(const std::string &path);
std::string joinPath(const std::string &folder, const std::string &name);

} // namespace dbase
