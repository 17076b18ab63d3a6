// Runs a fuzz target once over every input kept in its corpus, as the fuzzer
// does before it starts. The test build links each target with this main, so
// every input a long run ever found is tried again by every test run, under
// that build's sanitizers.

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::string current;

// Says which input stopped the run; only async-signal-safe calls.
void nameTheInput()
{
    const char lead[] = "while replaying ";
    [[maybe_unused]] auto a = ::write(STDERR_FILENO, lead, sizeof lead - 1);
    [[maybe_unused]] auto b = ::write(STDERR_FILENO, current.data(), current.size());
    [[maybe_unused]] auto c = ::write(STDERR_FILENO, "\n", 1);
}

void onAbort(int signal)
{
    nameTheInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        if (!std::filesystem::is_directory(path)) {
            inputs.push_back(path);
            continue;
        }
        for (const auto &entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...: nothing to replay\n", argv[0]);
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());

    std::signal(SIGABRT, onAbort);
    std::signal(SIGSEGV, onAbort);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(nameTheInput);
#endif
    for (const auto &input : inputs) {
        current = input.string();
        std::ifstream in(input, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "cannot read %s\n", current.c_str());
            return 1;
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
