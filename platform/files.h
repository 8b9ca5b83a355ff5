#pragma once
// Files: the user's private temporary directory and line-wise reading of text files.
// Paths are Windows-1251 bytes.
#include <string>

// The user's own temporary directory, ending with '/': $XDG_RUNTIME_DIR where set, else a
// directory of mode 0700 under the system's temporary directory, made when missing. Empty, with
// a message on standard error, when the directory is not a private one owned by the user.
std::string TemporaryDirectory();

// A text file open for reading, line by line. A line ends at a line feed, a carriage return, a
// carriage return and line feed taken together, a zero byte or the end of the file; the ending
// is not part of the line, and lines have no length limit.
struct TextFile;
TextFile* OpenTextFileForReading(const std::string& path); // null when it cannot be opened
// True once nothing follows: after the last line ending, and for an empty file.
bool TextFileAtEnd(TextFile* file);
std::string ReadTextLine(TextFile* file);
void CloseTextFile(TextFile* file);
