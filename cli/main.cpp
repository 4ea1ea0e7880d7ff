// vistaloom-cli: scenes from scripts (see "vistaloom-cli help" and docs/scene-json.md).
#include <string>
#include <vector>

#include "package/c_files.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
    vl::SetBinaryStdout();
    std::vector<std::string> args(argv + 1, argv + argc);
    return vl::cli::Run(args);
}
