#pragma once
// One line of progress on standard error while long work runs: a bar, how many frames or pages
// are done of how many, and the time left, redrawn in place and cleared at the end. It shows only
// when standard error is a terminal and the work looks like taking more than about a second, so
// scripts, pipes and logs see nothing.
#include <chrono>
#include <cstddef>
#include <mutex>

class Progress {
  public:
    // `unit` names what is counted, in the plural ("frames", "pages").
    Progress(int total, const char* unit);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // One more done; from any thread.
    void Advance();

  private:
    using Clock = std::chrono::steady_clock;
    void Draw(int done, double secondsLeft);
    void Clear();

    const int m_total;
    const char* m_unit;
    const bool m_terminal;
    const Clock::time_point m_start = Clock::now();
    Clock::time_point m_drawn{};
    std::mutex m_mutex;
    int m_done = 0;
    std::size_t m_width = 0;  // of the line on the screen, 0 when none is shown
};
