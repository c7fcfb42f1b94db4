// Runs one logger scenario in a process of its own, so that the logger's
// start-up state and the process's standard streams can be observed.
//   log_probe before-init
//   log_probe failed-init <log path>         (run in the folder to watch)
//   log_probe android <log path>
//   log_probe syslog <level file>
//   log_probe destroyed
#include "log.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char *const kComp = "probe_debug";

void log_lots(int bytes)
{
    std::string filler(200, 'f');
    for (int written = 0; written < bytes; written += 220)
        LOG_MSG(L_ERR, kComp, "[ERROR] probe(%d): %s\n", filler.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    std::string what = argv[1];
    if (what == "before-init") {
        LOG_MSG(L_WARNING, kComp, "[WARNING] probe(%d): written\n");
        LOG_MSG(L_NOTICE, kComp, "[NOTE] probe(%d): dropped\n");
    } else if (what == "failed-init" && argc == 3) {
        int r = Logger::Initialize(Logger::FILE_LOGGER, argv[2], "", 50);
        std::printf("initialize=%d\n", r);
        std::fflush(stdout);
        LOG_MSG(L_ERR, kComp, "[ERROR] probe(%d): after failed init\n");
        log_lots(3 * 1048576);
        std::fprintf(stderr, "stderr still open\n");
    } else if (what == "android" && argc == 3) {
        std::printf("empty=%d\n", Logger::Initialize(Logger::ANDROID_LOGGER, "", "", 50));
        std::printf("file=%d\n", Logger::Initialize(Logger::ANDROID_LOGGER, argv[2], "", 50));
        std::fflush(stdout);
        LOG_MSG(L_ERR, kComp, "[ERROR] probe(%d): plain\n");
    } else if (what == "syslog" && argc == 3) {
        std::printf("initialize=%d\n", Logger::Initialize(Logger::SYSLOG_LOGGER, "", argv[2], 50));
        std::fflush(stdout);
        LOG_MSG(L_DEBUG, kComp, "[DEBUG] probe(%d): to the system log\n");
    } else if (what == "destroyed") {
        Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
        LOG_MSG(L_ERR, kComp, "[ERROR] probe(%d): before destroy\n");
        Logger::Destroy();
        LOG_MSG(L_ERR, kComp, "[ERROR] probe(%d): after destroy\n");
    } else {
        return 2;
    }
    return 0;
}
