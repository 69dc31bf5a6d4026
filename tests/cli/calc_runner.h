#pragma once
// Runs the built tovimar-calc as a user does and captures what it prints.

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace tovimar::testing {

struct CalcRun {
    std::string out;
    int status = -1;
};

inline std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// stderr goes with stdout when `withErrors`, else it is dropped.
inline CalcRun calc(const std::vector<std::string>& args, bool withErrors = false) {
    std::string command = shellQuoted(TOVIMAR_CALC_PATH);
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    command += withErrors ? " 2>&1" : " 2>/dev/null";
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buf[512];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        run.out.append(buf, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

} // namespace tovimar::testing
