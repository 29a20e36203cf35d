#include "commands.h"

#include <ostream>

namespace tavolier::cli {

// Placeholder until the command lands.
int runEval(std::span<const std::string_view>, std::istream&, std::ostream&, std::ostream& err)
{
    err << "tavolier-cli: eval is not built yet\n";
    return 2;
}

} // namespace tavolier::cli
