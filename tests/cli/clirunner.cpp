#include "clirunner.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace yardmark::testing {
namespace {

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

CliRun runCliBinary(const std::vector<std::string> &args, const std::filesystem::path &workDir)
{
    std::string command = "cd " + quoted(workDir.string()) + " && SOURCE_DATE_EPOCH=1700000000 " +
                          quoted(YARDMARK_CLI_BINARY);
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

} // namespace yardmark::testing
