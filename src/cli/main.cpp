#include "cli.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char **argv)
{
#ifdef _WIN32
    // Reports and files leave the tool with the same bytes on every system:
    // no "\r" slipped in before each "\n" by the C runtime's text mode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return yardmark::cli::runCli(argc, argv, std::cout, std::cerr);
}
