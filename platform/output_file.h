#pragma once
// Files as vesk-render and the windows leave them: whole, or not at all. Paths are kept byte for
// byte, whatever their encoding.
#include <string>
#include <string_view>

// Writes `bytes` to `path`. A regular file (or a new one) is written beside itself and renamed
// into place only once every byte is on the disk (its folder synced after), so a failure or a
// power cut leaves what was there before. Anything else (a device, a FIFO, a socket, /dev/stdout)
// is written into directly, as a shell's redirection would. Returns "" or the one-line reason:
// "cannot write PATH: ...".
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

// The same for standard output, flushed and checked.
std::string WriteStandardOutput(std::string_view bytes);

// Makes the directory `path` and its parents, as mkdir -p does; "" or the one-line reason.
std::string MakeDirectories(const std::string& path);
