#include "progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Work expected to end sooner passes without a word.
constexpr double kWorthShowing = 1.0;  // seconds
constexpr double kRedrawEvery = 0.1;   // seconds
constexpr int kBarWidth = 20;

std::string TimeLeft(double seconds) {
    const long whole = static_cast<long>(std::ceil(seconds));
    char text[64];
    if (whole < 60)
        std::snprintf(text, sizeof text, "%ld s left", whole);
    else
        std::snprintf(text, sizeof text, "%ld min %02ld s left", whole / 60, whole % 60);
    return text;
}

}  // namespace

Progress::Progress(int total, const char* unit)
    : m_total(total), m_unit(unit), m_terminal(::isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    Clear();
}

void Progress::Advance() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_done;
    if (!m_terminal || m_done >= m_total) return;
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    const double each = elapsed / m_done;
    if (m_width == 0 && each * m_total < kWorthShowing) return;
    if (m_width != 0 && std::chrono::duration<double>(now - m_drawn).count() < kRedrawEvery) return;
    m_drawn = now;
    Draw(m_done, each * (m_total - m_done));
}

void Progress::Draw(int done, double secondsLeft) {
    const int filled = done * kBarWidth / m_total;
    std::string line = "vesk-render: [" + std::string(static_cast<size_t>(filled), '#') +
                       std::string(static_cast<size_t>(kBarWidth - filled), '.') + "] " +
                       std::to_string(done) + "/" + std::to_string(m_total) + " " + m_unit + ", " +
                       TimeLeft(secondsLeft);
    const std::size_t width = line.size();
    // A shorter line covers the end of the longer one before it.
    if (width < m_width) line.append(m_width - width, ' ');
    std::fprintf(stderr, "\r%s", line.c_str());
    std::fflush(stderr);
    m_width = std::max(m_width, width);
}

void Progress::Clear() {
    if (m_width == 0) return;
    // Without allocating: this may run while an exception for want of memory unwinds.
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(m_width), "");
    std::fflush(stderr);
    m_width = 0;
}
