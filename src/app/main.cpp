#include "program.h"

int main(int argc, char **argv)
{
    return yardmark::runProgram(argc, argv);
}
