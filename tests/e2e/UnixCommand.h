#pragma once
// Host commands for what Wine cannot do itself (a Unix symbolic link, an
// immutable folder): the tests start the host's own programs, which Wine
// runs as they are.
#include <string>

namespace e2e {

// The host's path of a Windows path; empty when Wine cannot tell.
std::string unixPath(const std::string& path);
// Starts the host program (a Windows path such as "Z:\bin\ln") with
// arguments; false when it cannot be started. Wine gives no handle to wait
// for it: wait for what it does.
bool runUnix(const char* program, const std::string& arguments);
// Runs commands (a line for the host's sh, without double quotes) and waits
// until they have ended; false when they could not be started or did not
// end in time.
bool runUnixCommands(const std::string& commands);

}  // namespace e2e
