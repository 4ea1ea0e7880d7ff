// The commands of vistaloom-cli. Each takes the arguments after its name, writes its results to
// standard output and its errors to standard error, and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace vl::cli {

using Arguments = std::vector<std::string>;

int Describe(const Arguments& args);
int Check(const Arguments& args);
int Info(const Arguments& args);
int Resave(const Arguments& args);
int ToJson(const Arguments& args);
int FromJson(const Arguments& args);
int Extract(const Arguments& args);

// The whole command line without the program name.
int Run(const Arguments& args);

}  // namespace vl::cli
