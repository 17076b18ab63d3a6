#pragma once

#include <iosfwd>

namespace yardmark::cli {

/// Runs yardmark-cli: 0 on success, 1 when an input cannot be read or is
/// damaged (one line on `err`, nothing written), 2 on a usage error.
int runCli(int argc, const char *const *argv, std::ostream &out, std::ostream &err);

} // namespace yardmark::cli
