// tavolier-cli: the headless companion of the table. It scores hands, runs
// the opponents' estimate and plays whole hands from the command line.
#include "cli_text.h"
#include "commands.h"
#include "tavolier_version.h"

#include <cerrno>
#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

void usage(std::ostream& out) {
    out << "usage: tavolier-cli eval [CARD x7]          score seven cards (or one hand per line on "
           "stdin)\n"
           "       tavolier-cli odds --street N (--level L | --trials N)\n"
           "                         [--seed S | --draws splitmix64:S] CARD x7\n"
           "       tavolier-cli play --hands N [--seed S] [--level L] [--human PLAYER]\n"
           "                         [--draws splitmix64:S] [--settings FILE] [--history FILE]\n"
           "                         [--rules classic|standard]\n"
           "                         [--history-style tavolier|trackers] [--first-hand N]\n"
           "       tavolier-cli tournament [--matches M] [--jobs J] [--seed S] [--level L]\n"
           "                         [--human PLAYER] [--max-hands N] [--progress]\n"
           "                         [--rules classic|standard]\n"
           "       tavolier-cli duel [--hands N] [--seed S] [--jobs J] [--level L]\n"
           "                         [--human PLAYER] [--seat CHAIR=PLAYER]...\n"
           "                         CHAIR: 1-8 or a name; for duel PLAYER is level:L,\n"
           "                         character:NAME[@L], call or raise\n"
           "       (play, tournament and duel: --human acpc:[HOST:]PORT [--acpc-timeout SECONDS]\n"
           "        seats an outside program in the human's chair)\n"
           "       tavolier-cli acpc-client --character NAME [--level L] --game FILE\n"
           "                         [--seed S] HOST PORT\n"
           "       tavolier-cli --help | --version\n"
           "PLAYER (play, tournament): call, raise, fold, smart, level:L or character:NAME[@L]\n"
           "cards are rank then suit: ranks 2-9 T J Q K A, suits c d h s\n"
           "exit status: 0 done, 1 the output or the settings file could not be written,\n"
           "2 bad arguments or input, 3 the program or dealer at the other end failed;\n"
           "see tavolier-cli(6)\n";
}

} // namespace

int main(int argc, char** argv) {
    // A reader that goes away (a closed pipe) makes the next write fail with
    // EPIPE: the command then says so and ends with status 1.
    std::signal(SIGPIPE, SIG_IGN);
    // Millions of hands may stream through eval: no need to keep in step with C stdio.
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        // The text is longer than the stream's buffer: a full device may
        // refuse it while it is written, and its reason is kept from then.
        errno = 0;
        usage(std::cout);
        const int error = std::cout.good() ? 0 : errno;
        return tavolier::cli::outputWorks(std::cout, std::cerr, "--help", error)
            ? 0
            : tavolier::cli::kOutputFailed;
    }
    if (args[0] == "--version") {
        std::cout << "tavolier-cli " << tavolier::kVersion << '\n';
        return tavolier::cli::outputWorks(std::cout, std::cerr, "--version")
            ? 0
            : tavolier::cli::kOutputFailed;
    }
    const std::string_view command = args[0];
    const std::span<const std::string_view> rest(args.data() + 1, args.size() - 1);
    if (command == "eval")
        return tavolier::cli::runEval(rest, std::cin, std::cout, std::cerr);
    if (command == "odds")
        return tavolier::cli::runOdds(rest, std::cout, std::cerr);
    if (command == "play")
        return tavolier::cli::runPlay(rest, std::cout, std::cerr);
    if (command == "tournament")
        return tavolier::cli::runTournament(rest, std::cout, std::cerr);
    if (command == "duel")
        return tavolier::cli::runDuel(rest, std::cout, std::cerr);
    if (command == "acpc-client")
        return tavolier::cli::runAcpcClient(rest, std::cout, std::cerr);
    std::cerr << "tavolier-cli: unknown command " << tavolier::cli::quoteInput(command) << "\n";
    usage(std::cerr);
    return 2;
}
