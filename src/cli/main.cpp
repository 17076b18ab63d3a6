#include "cli.h"
#include "terminaltext.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

int main(int argc, char **argv)
{
#ifdef _WIN32
    // Reports and files leave the tool with the same bytes on every system:
    // no "\r" slipped in before each "\n" by the C runtime's text mode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Text read from files reaches a terminal with its control characters
    // shown, never obeyed; files and pipes get the bytes as they are.
    yardmark::cli::TerminalTextBuffer outBuffer(std::cout.rdbuf());
    yardmark::cli::TerminalTextBuffer errBuffer(std::cerr.rdbuf());
    std::ostream terminalOut(&outBuffer);
    std::ostream terminalErr(&errBuffer);
    const int code =
        yardmark::cli::runCli(argc, argv, isatty(1) ? terminalOut : std::cout, isatty(2) ? terminalErr : std::cerr);
    terminalOut.flush();
    terminalErr.flush();
    return code;
}
