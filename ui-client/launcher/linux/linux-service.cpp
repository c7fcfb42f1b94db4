#include "linux/linux-service.h"

#include "config.h"
#include "file/file-op.h"
#include "log.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace
{

const char *const kComp = "service_debug";

// A build number as atoi reads it (blanks, sign, leading digits; 0 without
// any), clamped to the range of int instead of overflowing.
int BuildNumber(const ustring &text)
{
    long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

// The process id a pid file names: a decimal number (leading blanks and a plus
// sign allowed, as atol reads it) from 1 up to the largest pid_t; anything else,
// among it 0, negative numbers and values that would wrap, gives 0, which is
// never signalled: kill() would take it for a process group or for every
// process.
pid_t PidOf(const ustring &text)
{
    const char *p = text.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    if (*p == '+')
        ++p;
    if (*p < '0' || *p > '9')
        return 0;
    errno = 0;
    char *end = nullptr;
    long long v = std::strtoll(p, &end, 10);
    if (errno == ERANGE || v < 1 || v > INT_MAX)
        return 0;
    return static_cast<pid_t>(v);
}

bool IsWithin(const std::string &path, const std::string &dir)
{
    return path.size() > dir.size() && path.compare(0, dir.size(), dir) == 0 &&
           path[dir.size()] == '/';
}

std::string RealPath(const std::string &path)
{
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// The running client, held from the moment it was recognised to the last
// signal: through a pidfd where the kernel has them, so that a pid recycled
// meanwhile cannot be hit; else by its pid.
class ClientProcess
{
public:
    ClientProcess(pid_t pid, const ustring &app_dir) : pid_(pid)
    {
        pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if ((pidfd_ < 0 && errno == ESRCH) || !Alive()) {
            gone_ = true;
            return;
        }
        ours_ = RunsFrom(RealPath(app_dir.c_str()));
        // The checks above read /proc by pid: they were about the process the
        // pidfd holds only if it is still alive now.
        if (ours_ && pidfd_ >= 0 && Send(0) != 0 && errno == ESRCH)
            gone_ = true;
    }
    ~ClientProcess()
    {
        if (pidfd_ >= 0)
            close(pidfd_);
    }
    ClientProcess(const ClientProcess &) = delete;
    ClientProcess &operator=(const ClientProcess &) = delete;

    /// No process runs under the pid (any more).
    bool gone() const { return gone_; }
    /// The process runs the client of this copy.
    bool ours() const { return ours_; }

    /// 0, or -1 with errno set, as kill() reports.
    int Send(int sig)
    {
        if (pidfd_ >= 0)
            return static_cast<int>(syscall(SYS_pidfd_send_signal, pidfd_, sig, nullptr, 0));
        return kill(pid_, sig);
    }

    /// True while the process exists and has not ended (an unreaped zombie
    /// has ended).
    bool Alive()
    {
        if (Send(0) != 0)
            return errno != ESRCH;
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string line;
        std::getline(stat, line);
        size_t paren = line.rfind(')');
        return !(paren != std::string::npos && paren + 2 < line.size() && line[paren + 2] == 'Z');
    }

private:
    // The executable lies inside the copy, or, for a client run by an
    // interpreter, the script it runs: the first argument after the
    // interpreter's options.
    bool RunsFrom(const std::string &app) const
    {
        if (app.empty())
            return false;
        const std::string proc = "/proc/" + std::to_string(pid_);
        if (IsWithin(RealPath(proc + "/exe"), app))
            return true;
        std::ifstream in(proc + "/cmdline", std::ios::binary);
        std::vector<std::string> args;
        for (std::string arg; std::getline(in, arg, '\0');)
            args.push_back(arg);
        for (size_t i = 1; i < args.size(); ++i) {
            if (!args[i].empty() && args[i][0] == '-')
                continue;
            const std::string script =
                args[i][0] == '/' ? args[i] : RealPath(proc + "/cwd") + "/" + args[i];
            return IsWithin(RealPath(script), app);
        }
        return false;
    }

    pid_t pid_;
    int pidfd_ = -1;
    bool gone_ = false;
    bool ours_ = false;
};

} // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = GetUserOrvantaAppInstallPath();
}

LinuxService::~LinuxService() = default;

LinuxService &LinuxService::GetInstace()
{
    static LinuxService serv;
    return serv;
}

void LinuxService::PreUpgrade()
{
    RecoverInterruptedUpgrade();
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
            source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
            target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade()
{
    int src_ver = 0;
    int tgt_ver = 0;
    if (!source_version.build_version.empty())
        src_ver = BuildNumber(source_version.build_version);
    if (!target_version.build_version.empty())
        tgt_ver = BuildNumber(target_version.build_version);
    LOG_MSG(L_DEBUG, kComp,
            "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n", src_ver,
            tgt_ver);
    bool need_upgrade = tgt_ver > src_ver;
    if (!PerUserBinPathExist())
        need_upgrade = true;
    return need_upgrade;
}

int LinuxService::HandlePackageUpgrade()
{
    if (PerUserBinPathExist()) {
        LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): local appdata exist\n");
        StopService();
    }
    return PrepareUserEnv();
}

void LinuxService::StopService()
{
    const ustring ui_pid_file = GetUserOrvantaInstallPath() + "/ui.pid";
    if (!IsFileExist(ui_pid_file, false)) {
        LOG_MSG(L_DEBUG, kComp,
                "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                "terminate\n",
                ui_pid_file.c_str());
        return;
    }
    Config pid_conf;
    if (pid_conf.read(ui_pid_file) < 0) {
        LOG_MSG(L_NOTICE, kComp,
                "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n",
                ui_pid_file.c_str());
        return;
    }
    const pid_t pid = PidOf(pid_conf["pid"]);
    if (pid <= 0) {
        LOG_MSG(L_NOTICE, kComp,
                "[NOTE] linux/linux-service(%d): pid file '%s' names no process, nothing to "
                "terminate\n",
                ui_pid_file.c_str());
        return;
    }

    ClientProcess client(pid, per_user_install_path);
    if (client.gone())
        return;
    if (!client.ours()) {
        // A stale pid file: the pid now belongs to some other program.
        LOG_MSG(L_NOTICE, kComp,
                "[NOTE] linux/linux-service(%d): process %d of pid file '%s' is not the client of "
                "'%s', not terminating it\n",
                static_cast<int>(pid), ui_pid_file.c_str(), per_user_install_path.c_str());
        return;
    }

    if (client.Send(SIGTERM) != 0) {
        if (errno == ESRCH)
            return;
        LOG_MSG(L_ERR, kComp, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                std::strerror(errno), errno);
    }
    for (int second = 0; second <= 4; ++second) {
        if (!client.Alive())
            return;
        sleep(1);
    }
    client.Send(SIGKILL);
}

void LinuxService::PostUpgrade()
{
    LaunchPerUserBin();
}

int LinuxService::LaunchPerUserBin()
{
    // The script is run as a program with its one argument, not as a command
    // line split at blanks, so a home folder with a blank in its path works.
    const ustring start_script = per_user_install_path + "/package/start-stop";
    const int code = QProcess::execute(QString::fromUtf8(start_script.c_str()),
                                       QStringList{QStringLiteral("start")});
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): '%s start' returned %d\n",
            start_script.c_str(), code);
    return 0;
}

bool LinuxService::PerUserBinPathExist()
{
    const ustring per_user_ui_bin = per_user_install_path + "/" + "bin" + "/" + "orvanta-ui";
    return access(per_user_ui_bin.c_str(), F_OK) == 0;
}

void LinuxService::LoadTargetVerInfo()
{
    Service::LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo()
{
    Service::LoadSourceVersion();
}
