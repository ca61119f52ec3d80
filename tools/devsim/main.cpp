// lumicord-devsim: plays any number of link devices on one Ethernet interface.
#include <cstdio>
#include <string>
#include <vector>

#include "SimEngine.h"
#include "SimOptions.h"

int main(int argc, char** argv) {
    using namespace lumicord::devsim;
    SimOptions options;
    std::vector<std::string> errors;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!ParseSimOptions(args, options, errors)) {
        for (const std::string& line : errors)
            std::fprintf(stderr, "lumicord-devsim: %s\n", line.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    CSimEngine engine(options);
    if (!engine.Open())
        return 1;
    const int status = engine.Run();
    engine.PrintSummary(stdout);
    return status;
}
