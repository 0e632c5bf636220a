// morvel-solve run in-process: its arguments and standard input in, its
// exit status, standard output and standard error out.
#pragma once

#include "cli/command.h"

#include <sstream>
#include <string>
#include <vector>

namespace morvel::test {

struct CliRun {
    int status = -1;
    std::string out, err;
};

inline CliRun runCli(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    CliRun r;
    r.status = cli::run(args, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace morvel::test
