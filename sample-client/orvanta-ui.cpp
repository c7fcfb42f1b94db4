// A stand-in for the backup client, for the tests and the demo. Installed as
// Orvanta.app/bin/orvanta-ui, it keeps the pid file the launcher reads
// (.OrvantaBackup/ui.pid, key "pid"), notes what happens to it in
// .OrvantaBackup/ui.log, and runs until SIGTERM.
//
// Environment, for tests:
//   ORVANTA_UI_IGNORE_TERM=1       keeps running on SIGTERM (only SIGKILL ends it)
//   ORVANTA_UI_EXIT_DELAY_MS=<ms>  takes that long to exit after SIGTERM
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string parent_of(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

std::string real_path(const std::string &path)
{
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? buf : "";
}

std::string build_of(const std::string &info)
{
    std::ifstream in(info);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("build_version=", 0) == 0)
            return line.substr(14);
    return "?";
}

// The pid the pid file names, or 0.
long pid_in(const std::string &pid_file)
{
    std::ifstream in(pid_file);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("pid=", 0) == 0)
            return std::strtol(line.c_str() + 4, nullptr, 10);
    return 0;
}

class Client
{
public:
    Client()
    {
        exe = real_path("/proc/self/exe");
        app = parent_of(parent_of(exe));
        user = parent_of(app);
        pid_file = user + "/ui.pid";
        build = build_of(app + "/INFO");
    }

    void note(const std::string &what) const
    {
        std::ofstream log(user + "/ui.log", std::ios::app);
        char stamp[32];
        time_t now = time(nullptr);
        strftime(stamp, sizeof stamp, "%H:%M:%S", localtime(&now));
        log << stamp << " orvanta-ui build " << build << " (pid " << getpid() << "): " << what
            << "\n";
    }

    // Another client of this copy runs already.
    bool already_running() const
    {
        long other = pid_in(pid_file);
        return other > 0 && other != getpid() &&
               real_path("/proc/" + std::to_string(other) + "/exe") == exe;
    }

    bool write_pid_file() const
    {
        std::string tmp = pid_file + ".new";
        {
            std::ofstream out(tmp);
            out << "pid=" << getpid() << "\n";
            if (!out.flush())
                return false;
        }
        return std::rename(tmp.c_str(), pid_file.c_str()) == 0;
    }

    void remove_pid_file() const
    {
        if (pid_in(pid_file) == getpid())
            std::remove(pid_file.c_str());
    }

private:
    std::string exe, app, user, pid_file, build;
};

} // namespace

int main()
{
    // Leave the starter's session, as a desktop client does.
    setsid();

    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigprocmask(SIG_BLOCK, &set, nullptr);

    Client client;
    if (client.already_running()) {
        client.note("another client of this copy runs, not starting");
        return 0;
    }
    if (!client.write_pid_file()) {
        client.note(std::string("cannot write the pid file: ") + std::strerror(errno));
        return 1;
    }
    client.note("started");

    const bool ignore_term = getenv("ORVANTA_UI_IGNORE_TERM") != nullptr;
    const char *delay = getenv("ORVANTA_UI_EXIT_DELAY_MS");
    for (;;) {
        int sig = 0;
        if (sigwait(&set, &sig) != 0)
            continue;
        if (ignore_term) {
            client.note("ignoring SIGTERM");
            continue;
        }
        if (delay)
            usleep(static_cast<useconds_t>(std::atoi(delay)) * 1000);
        client.note("stopped by SIGTERM");
        client.remove_pid_file();
        return 0;
    }
}
