#pragma once
// vesk-render's one line on standard error, returned with the exit status it goes with.
#include <cstdio>
#include <string>

inline int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vesk-render: %s\n", message.c_str());
    return status;
}
