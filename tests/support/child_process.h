#ifndef ORVANTA_TESTS_CHILD_PROCESS_H
#define ORVANTA_TESTS_CHILD_PROCESS_H

#include "temp_dir.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

/// What a finished child process left behind.
struct ChildResult {
    int status = -1; ///< exit status, or 128 + signal number, or -1 when it did not run
    std::string out;
    std::string err;
};

/// Runs argv[0] (a path) with argv in cwd (when not empty), waits for it, and
/// captures its standard output and error through files in a private folder.
inline ChildResult run_child(const std::vector<std::string> &argv, const std::string &cwd = "")
{
    ChildResult r;
    TempDir io("child-io");
    std::string out_path = io.path("out"), err_path = io.path("err");
    pid_t pid = fork();
    if (pid < 0)
        return r;
    if (pid == 0) {
        int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(126);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int st = 0;
    while (waitpid(pid, &st, 0) < 0 && errno == EINTR) {
    }
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    r.out = read_file(out_path);
    r.err = read_file(err_path);
    return r;
}

#endif
