#include "cli.h"

#include <iostream>

int main(int argc, char **argv)
{
    return yardmark::cli::runCli(argc, argv, std::cout, std::cerr);
}
