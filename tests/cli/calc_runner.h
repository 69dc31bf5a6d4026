// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built tovimar-calc as a user does and captures what it prints.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
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

// Standard output and standard error apart, for the refusals: a French message on
// standard error, nothing on standard output.
struct CalcStreams {
    std::string out, err;
    int status = -1;
};

inline CalcStreams calcStreams(const std::vector<std::string>& args) {
    CalcStreams run;
    char errPath[] = "/tmp/tovimar-calc-err-XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd < 0) return run;
    close(fd);
    std::string command = shellQuoted(TOVIMAR_CALC_PATH);
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    command += " 2>" + shellQuoted(errPath);
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[512];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
            run.out.append(buf, n);
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    if (FILE* err = fopen(errPath, "rb")) {
        char buf[512];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, err)) > 0)
            run.err.append(buf, n);
        fclose(err);
    }
    unlink(errPath);
    return run;
}

} // namespace tovimar::testing
