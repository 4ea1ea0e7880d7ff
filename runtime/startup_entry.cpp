#include "runtime/startup_entry.h"

namespace vl {
namespace {

const char kRunArgument[] = " /s";

}  // namespace

std::string StartupCommand(const std::string& programPath) {
    if (programPath.find(' ') == std::string::npos)
        return programPath + kRunArgument;
    return "\"" + programPath + "\"" + kRunArgument;
}

bool IsStartupCommand(const std::string& value, const std::string& programPath) {
    if (programPath.empty())
        return false;
    return value == StartupCommand(programPath) || value == programPath + kRunArgument;
}

}  // namespace vl
