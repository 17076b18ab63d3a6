#include "clirunner.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace yardmark::testing {
namespace {

#ifdef _WIN32
// cmd.exe quoting; the tests pass no double quotes inside arguments.
std::string quoted(const std::string &arg)
{
    return '"' + arg + '"';
}
#else
std::string quoted(const std::string &arg)
{
    std::string q = "'";
    for (char c : arg) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}
#endif

} // namespace

std::string readText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path freshDirectory(const std::string &name)
{
    // The process id keeps runs of the suite that happen at once apart.
    const auto dir =
        std::filesystem::temp_directory_path() / ("yardmark-cli-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

#ifdef _WIN32
CliRun runCliBinary(const std::vector<std::string> &args, const std::filesystem::path &workDir)
{
    // The folder may lie on another drive than the program, so the program goes by its full name.
    std::string command =
        "cd /d " + quoted(workDir.string()) + " && " + quoted(std::filesystem::absolute(YARDMARK_CLI_BINARY).string());
    for (const std::string &arg : args)
        command += " " + quoted(arg);
    const auto outPath = workDir / ".stdout";
    const auto errPath = workDir / ".stderr";
    command += " >" + quoted(outPath.string()) + " 2>" + quoted(errPath.string()) + " <NUL";
    // The child inherits the fixed "now"; this process gets its own back afterwards.
    const char *oldEpoch = std::getenv("SOURCE_DATE_EPOCH");
    const std::string keptEpoch = oldEpoch ? oldEpoch : "";
    _putenv_s("SOURCE_DATE_EPOCH", "1700000000");
    const int status = std::system(command.c_str());
    _putenv_s("SOURCE_DATE_EPOCH", keptEpoch.c_str());
    CliRun run;
    run.exitCode = status;
    run.out = readText(outPath);
    run.err = readText(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}
#else
CliRun runCliBinary(const std::vector<std::string> &args, const std::filesystem::path &workDir)
{
    std::string command =
        "cd " + quoted(workDir.string()) + " && SOURCE_DATE_EPOCH=1700000000 " + quoted(YARDMARK_CLI_BINARY);
    for (const std::string &arg : args)
        command += " " + quoted(arg);
    const auto outPath = workDir / ".stdout";
    const auto errPath = workDir / ".stderr";
    command += " >" + quoted(outPath.string()) + " 2>" + quoted(errPath.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readText(outPath);
    run.err = readText(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}
#endif

} // namespace yardmark::testing
