// Prints the table of views as the core describes it to the page (ViewTableJson), for the page's
// test to compare with what the page was given.
#include <cstdio>

#include "views/view_table.h"

int main() { return std::puts(ViewTableJson().c_str()) < 0 ? 1 : 0; }
