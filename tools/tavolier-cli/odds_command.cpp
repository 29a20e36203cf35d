#include "commands.h"

#include <ostream>

namespace tavolier::cli {

// Placeholder until the command lands.
int runOdds(std::span<const std::string_view>, std::ostream&, std::ostream& err)
{
    err << "tavolier-cli: odds is not built yet\n";
    return 2;
}

} // namespace tavolier::cli
