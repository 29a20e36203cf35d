#include "commands.h"

#include <ostream>

namespace tavolier::cli {

// Placeholder until the command lands.
int runPlay(std::span<const std::string_view>, std::ostream&, std::ostream& err)
{
    err << "tavolier-cli: play is not built yet\n";
    return 2;
}

} // namespace tavolier::cli
