// morvel-solve: the Morvel engine on the command line (command.h).
#include "cli/command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return morvel::cli::run(args, std::cin, std::cout, std::cerr);
}
