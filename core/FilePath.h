#pragma once
// Paths as settings and examination files hold them: "\" and "/" both separate folders when a
// path is read; joining uses "/".

#include <string>
#include <string_view>

// folder + "/" + name; no separator is added when the folder is empty or already ends in one.
std::string AppendPath(std::string_view folder, std::string_view name);
// The part before the last separator; empty when no separator follows the first character.
std::string DirOfPath(std::string_view path);
// The part after the last separator that is not the first character; else the whole path.
std::string FileNameOfPath(std::string_view path);
// The text after the last "." of the file name; empty when the file name has none.
std::string FileExtOfPath(std::string_view path);
// The path without the last "." of its file name and what follows it.
std::string RemoveFileExt(std::string_view path);
// Creates every missing folder that a separator ends (so a path ending in a separator makes the
// whole chain), stopping at the first that cannot be made; false then.
bool MakeDirPath(std::string_view path);

// The program's own file.
std::string GetModuleFilePath();
// The user's documents folder, without a trailing separator.
std::string GetMyDocumentsDir();
