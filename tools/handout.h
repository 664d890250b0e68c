#pragma once
// vesk-render --handout OUT.pdf [--lesson FILE] [--lang zh|en] [--palette standard|safe]: a
// lesson as a printed handout, A4 landscape, a title page and a page a stop (two or more for a
// caption too long for one), all vector. OUT "-" is standard output.
#include <string>
#include <vector>

// True when the command line asks for a handout, or names a lesson, which only a handout takes.
bool IsHandoutCommand(const std::vector<std::string>& args);

// Writes the handout; returns the exit status (0 done, 1 not written, 2 a usage error), after
// one line on standard error for anything but 0.
int RunHandout(const std::vector<std::string>& args, char* program);
