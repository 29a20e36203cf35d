#include "acpc_protocol.h"

#include "cli_text.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <sstream>

namespace tavolier::cli::acpc {

namespace {

constexpr std::int32_t kNoStack = std::numeric_limits<std::int32_t>::max();

[[nodiscard]] std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

[[nodiscard]] std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The whole numbers after a key's "=", separated by blanks.
[[nodiscard]] std::optional<std::vector<std::int64_t>> numbersOf(std::string_view text) {
    std::vector<std::int64_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
            ++end;
        const auto number = parseNumber<std::int64_t>(text.substr(i, end - i));
        if (!number)
            return std::nullopt;
        out.push_back(*number);
        i = end;
    }
    return out;
}

[[nodiscard]] std::string cardText(const Card& card) {
    constexpr std::string_view kRanks = "23456789TJQKA";
    constexpr std::string_view kSuits = "cdhs";
    return { kRanks[static_cast<std::size_t>(card.rank)],
        kSuits[static_cast<std::size_t>(card.suit)] };
}

// Cards written one after another ("TdAs"); nullopt when the text is not.
[[nodiscard]] std::optional<std::vector<Card>> cardsOf(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<Card> cards;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::optional<Card> card = parseCard(text.substr(i, 2));
        if (!card)
            return std::nullopt;
        cards.push_back(*card);
    }
    return cards;
}

[[nodiscard]] std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

} // namespace

std::optional<GameDefinition> readGameDefinition(std::string_view text, std::string& error) {
    GameDefinition g;
    bool begun = false;
    bool ended = false;
    bool limit = false;
    std::vector<std::int64_t> blinds;
    std::vector<std::int64_t> raiseSizes;
    std::vector<std::int64_t> firstPlayer;
    std::vector<std::int64_t> maxRaises;
    std::vector<std::int64_t> stacks;
    std::vector<std::int64_t> boardCards;
    std::int64_t players = 0;
    std::int64_t rounds = 0;
    std::int64_t suits = 4;
    std::int64_t ranks = 13;
    std::int64_t holeCards = 2;
    int lineNumber = 0;
    for (std::string_view rest = text; !rest.empty() && !ended;) {
        const std::size_t end = rest.find('\n');
        std::string_view line = trim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (line.empty() || line.front() == '#' || line.front() == ';')
            continue;
        const std::string word = lower(line);
        if (!begun) {
            if (word != "gamedef") {
                error = where + "the definition must begin with GAMEDEF";
                return std::nullopt;
            }
            begun = true;
            continue;
        }
        if (word == "end gamedef") {
            ended = true;
            continue;
        }
        if (word == "limit") {
            limit = true;
            continue;
        }
        if (word == "nolimit" || word == "potlimit" || word == "pot limit") {
            error = where + "only limit games are played";
            return std::nullopt;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            error = where + "not understood: " + quoteInput(line);
            return std::nullopt;
        }
        const std::string key = lower(trim(line.substr(0, equals)));
        const auto numbers = numbersOf(line.substr(equals + 1));
        if (!numbers || numbers->empty()) {
            error = where + key + " takes whole numbers";
            return std::nullopt;
        }
        const auto one = [&](std::int64_t& field) {
            if (numbers->size() != 1) {
                error = where + key + " takes one number";
                return false;
            }
            field = numbers->front();
            return true;
        };
        bool ok = true;
        if (key == "numplayers")
            ok = one(players);
        else if (key == "numrounds")
            ok = one(rounds);
        else if (key == "numsuits")
            ok = one(suits);
        else if (key == "numranks")
            ok = one(ranks);
        else if (key == "numholecards")
            ok = one(holeCards);
        else if (key == "blind")
            blinds = *numbers;
        else if (key == "raisesize")
            raiseSizes = *numbers;
        else if (key == "firstplayer")
            firstPlayer = *numbers;
        else if (key == "maxraises")
            maxRaises = *numbers;
        else if (key == "stack")
            stacks = *numbers;
        else if (key == "numboardcards")
            boardCards = *numbers;
        else {
            error = where + "unknown key " + quoteInput(key);
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!begun || !ended) {
        error = begun ? "END GAMEDEF is missing" : "GAMEDEF is missing";
        return std::nullopt;
    }
    if (!limit) {
        error = "only limit games are played (the definition does not say limit)";
        return std::nullopt;
    }
    if (players < 2 || players > kMostPlayers) {
        error = "numPlayers must be 2 to 8";
        return std::nullopt;
    }
    if (rounds < 1 || rounds > kMostRounds) {
        error = "numRounds must be 1 to 4";
        return std::nullopt;
    }
    if (suits != 4 || ranks != 13 || holeCards != 2) {
        error = "only hold'em is played: numSuits 4, numRanks 13, numHoleCards 2";
        return std::nullopt;
    }
    const auto inRange
        = [](const std::vector<std::int64_t>& v, std::int64_t low, std::int64_t high) {
              return std::all_of(
                  v.begin(), v.end(), [&](std::int64_t x) { return x >= low && x <= high; });
          };
    constexpr std::int64_t kChips = std::numeric_limits<std::int32_t>::max();
    if (blinds.size() > static_cast<std::size_t>(players) || !inRange(blinds, 0, kChips)) {
        error = "blind takes up to numPlayers amounts of 0 or more";
        return std::nullopt;
    }
    if (raiseSizes.size() < static_cast<std::size_t>(rounds) || !inRange(raiseSizes, 1, kChips)) {
        error = "raiseSize takes a positive amount for each round";
        return std::nullopt;
    }
    if (firstPlayer.size() < static_cast<std::size_t>(rounds)
        || !inRange(firstPlayer, 1, players)) {
        error = "firstPlayer takes a player from 1 to numPlayers for each round";
        return std::nullopt;
    }
    if (!maxRaises.empty()
        && (maxRaises.size() < static_cast<std::size_t>(rounds) || !inRange(maxRaises, 0, 255))) {
        error = "maxRaises takes a number from 0 to 255 for each round";
        return std::nullopt;
    }
    if (!stacks.empty()
        && (stacks.size() < static_cast<std::size_t>(players) || !inRange(stacks, 1, kChips))) {
        error = "stack takes a positive amount for each of the numPlayers players";
        return std::nullopt;
    }
    std::int64_t boardTotal = 0;
    for (const std::int64_t n : boardCards)
        boardTotal += n;
    if (boardCards.size() < static_cast<std::size_t>(rounds) || !inRange(boardCards, 0, 5)
        || boardTotal > 5) {
        error = "numBoardCards takes a count for each round, five cards at most in all";
        return std::nullopt;
    }
    g.players = static_cast<int>(players);
    g.rounds = static_cast<int>(rounds);
    for (int p = 0; p < g.players; ++p) {
        const auto at = static_cast<std::size_t>(p);
        g.blinds.push_back(at < blinds.size() ? static_cast<std::int32_t>(blinds[at]) : 0);
        g.stacks.push_back(stacks.empty() ? kNoStack : static_cast<std::int32_t>(stacks[at]));
    }
    for (int r = 0; r < g.rounds; ++r) {
        const auto at = static_cast<std::size_t>(r);
        g.raiseSizes.push_back(static_cast<std::int32_t>(raiseSizes[at]));
        g.firstPlayer.push_back(static_cast<int>(firstPlayer[at]) - 1);
        g.maxRaises.push_back(maxRaises.empty() ? 255 : static_cast<int>(maxRaises[at]));
        g.boardCards.push_back(static_cast<int>(boardCards[at]));
    }
    return g;
}

GameDefinition standardTable(std::int32_t smallBet, std::int32_t stack) {
    GameDefinition g;
    g.players = kMostPlayers;
    g.rounds = 4;
    g.blinds.assign(kMostPlayers, 0);
    g.blinds[0] = smallBet / 2;
    g.blinds[1] = smallBet;
    g.raiseSizes = { smallBet, smallBet, 2 * smallBet, 2 * smallBet };
    // Before the flop the seat after the big blind; later the seat after the button.
    g.firstPlayer = { 2, 0, 0, 0 };
    // The big blind is the first bet before the flop: three raises follow it.
    g.maxRaises = { 3, 4, 4, 4 };
    g.stacks.assign(kMostPlayers, stack);
    g.boardCards = { 0, 3, 1, 1 };
    return g;
}

std::string gameDefinitionText(const GameDefinition& g) {
    std::ostringstream out;
    const auto list = [&](std::string_view key, const auto& values, int add) {
        out << key << " =";
        for (const auto v : values)
            out << ' ' << v + add;
        out << '\n';
    };
    out << "GAMEDEF\nlimit\nnumPlayers = " << g.players << "\nnumRounds = " << g.rounds << '\n';
    list("blind", g.blinds, 0);
    list("raiseSize", g.raiseSizes, 0);
    list("firstPlayer", g.firstPlayer, 1);
    list("maxRaises", g.maxRaises, 0);
    out << "numSuits = " << g.suits << "\nnumRanks = " << g.ranks
        << "\nnumHoleCards = " << g.holeCards << '\n';
    list("numBoardCards", g.boardCards, 0);
    list("stack", g.stacks, 0);
    out << "END GAMEDEF\n";
    return out.str();
}

std::optional<MatchState> parseMatchState(std::string_view line, std::string& error) {
    constexpr std::string_view kPrefix = "MATCHSTATE:";
    if (!line.starts_with(kPrefix)) {
        error = "a match state begins with MATCHSTATE:";
        return std::nullopt;
    }
    const std::vector<std::string_view> fields = split(line.substr(kPrefix.size()), ':');
    if (fields.size() != 4) {
        error = "a match state has four fields after MATCHSTATE: (position, hand, betting, cards)";
        return std::nullopt;
    }
    MatchState s;
    const auto position = parseNumber<int>(fields[0]);
    const auto hand = parseNumber<std::uint32_t>(fields[1]);
    if (!position || *position < 0 || *position >= kMostPlayers || !hand) {
        error = "the position or the hand number is not a number in range";
        return std::nullopt;
    }
    s.position = *position;
    s.handNumber = *hand;
    for (const std::string_view round : split(fields[2], '/')) {
        if (round.find_first_not_of("fcr") != std::string_view::npos) {
            error = "the betting holds something other than f, c, r and /";
            return std::nullopt;
        }
        s.betting.emplace_back(round);
    }
    const std::vector<std::string_view> cardRounds = split(fields[3], '/');
    if (cardRounds.size() > s.betting.size()) {
        error = "the cards have more rounds than the betting";
        return std::nullopt;
    }
    for (const std::string_view seat : split(cardRounds[0], '|')) {
        const auto cards = cardsOf(seat);
        if (!cards || (!cards->empty() && cards->size() != 2)) {
            error = "a seat's hole cards are not two cards";
            return std::nullopt;
        }
        s.holeCards.push_back(*cards);
    }
    if (s.players() < 2 || s.players() > kMostPlayers || s.position >= s.players()) {
        error = "the hole cards do not hold 2 to 8 seats with the position among them";
        return std::nullopt;
    }
    s.board.emplace_back();
    for (std::size_t r = 1; r < cardRounds.size(); ++r) {
        const auto cards = cardsOf(cardRounds[r]);
        if (!cards) {
            error = "the board holds something that is not a card";
            return std::nullopt;
        }
        s.board.push_back(*cards);
    }
    if (s.holeCards[static_cast<std::size_t>(s.position)].empty()) {
        error = "the state does not show the seat its own cards";
        return std::nullopt;
    }
    return s;
}

std::string formatMatchState(const MatchState& s) {
    std::string out
        = "MATCHSTATE:" + std::to_string(s.position) + ":" + std::to_string(s.handNumber) + ":";
    for (std::size_t r = 0; r < s.betting.size(); ++r) {
        if (r > 0)
            out += '/';
        out += s.betting[r];
    }
    out += ':';
    for (std::size_t p = 0; p < s.holeCards.size(); ++p) {
        if (p > 0)
            out += '|';
        for (const Card& c : s.holeCards[p])
            out += cardText(c);
    }
    for (std::size_t r = 1; r < s.board.size(); ++r) {
        out += '/';
        for (const Card& c : s.board[r])
            out += cardText(c);
    }
    return out;
}

// ---- The betting of a hand.

HandBetting::HandBetting(
    const GameDefinition& game, int players, const std::vector<std::int32_t>& stacks)
    : m_raiseSizes(game.raiseSizes)
    , m_firstPlayer(game.firstPlayer)
    , m_maxRaises(game.maxRaises)
    , m_players(players)
    , m_rounds(game.rounds)
    , m_stacks(static_cast<std::size_t>(players), kNoStack)
    , m_spent(static_cast<std::size_t>(players), 0)
    , m_folded(static_cast<std::size_t>(players), false)
    , m_acted(static_cast<std::size_t>(players), false)
    , m_mayRaise(static_cast<std::size_t>(players), false)
    , m_roundStart(static_cast<std::size_t>(players), 0) {
    std::vector<std::int32_t> blinds = game.blinds;
    if (players != game.players) {
        // Fewer seats dealt in than the game has: the blinds of the game's
        // first two positions on the first two seats, reversed heads-up.
        const std::int32_t small = std::min(game.blinds[0], game.blinds[1]);
        const std::int32_t big = std::max(game.blinds[0], game.blinds[1]);
        blinds.assign(static_cast<std::size_t>(players), 0);
        if (players == 2) {
            blinds[0] = big;
            blinds[1] = small;
            for (int r = 0; r < m_rounds; ++r)
                m_firstPlayer[static_cast<std::size_t>(r)] = r == 0 ? 1 : 0;
        } else {
            blinds[0] = small;
            blinds[1] = big;
            for (int r = 0; r < m_rounds; ++r)
                m_firstPlayer[static_cast<std::size_t>(r)] = r == 0 ? 2 : 0;
        }
    }
    for (int p = 0; p < players; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (at < stacks.size())
            m_stacks[at] = std::max<std::int32_t>(stacks[at], 0);
        else if (players == game.players)
            m_stacks[at] = game.stacks[at];
        m_spent[at] = std::min(blinds[at], m_stacks[at]);
        // The level is the full big blind, even when a short stack posts less.
        m_level = std::max(m_level, blinds[at]);
    }
    m_blinds = blinds;
    // The blinds as actions: the smaller first.
    std::vector<int> posting;
    for (int p = 0; p < players; ++p) {
        if (blinds[static_cast<std::size_t>(p)] > 0)
            posting.push_back(p);
    }
    std::stable_sort(posting.begin(), posting.end(), [&](int a, int b) {
        return blinds[static_cast<std::size_t>(a)] < blinds[static_cast<std::size_t>(b)];
    });
    for (std::size_t i = 0; i < posting.size(); ++i) {
        const auto at = static_cast<std::size_t>(posting[i]);
        m_steps.push_back({ 0, posting[i],
            i + 1 == posting.size() ? BettingStep::Kind::bigBlind : BettingStep::Kind::smallBlind,
            m_spent[at], m_spent[at] >= m_stacks[at] });
    }
    openRound();
    std::fill(m_roundStart.begin(), m_roundStart.end(), 0);
}

bool HandBetting::active(int p) const {
    const auto at = static_cast<std::size_t>(p);
    return !m_folded[at] && m_spent[at] < m_stacks[at];
}

bool HandBetting::needsToAct(int p) const {
    const auto at = static_cast<std::size_t>(p);
    return active(p) && (!m_acted[at] || m_spent[at] < m_level);
}

int HandBetting::activeCount() const {
    int n = 0;
    for (int p = 0; p < m_players; ++p)
        n += active(p) ? 1 : 0;
    return n;
}

int HandBetting::inHand() const {
    int n = 0;
    for (int p = 0; p < m_players; ++p)
        n += m_folded[static_cast<std::size_t>(p)] ? 0 : 1;
    return n;
}

void HandBetting::openRound() {
    m_raises = 0;
    m_last = -1;
    m_roundStart = m_spent;
    // With fewer than two seats able to bet, only a seat short of the level acts.
    const bool betting = activeCount() >= 2;
    for (int p = 0; p < m_players; ++p) {
        const auto at = static_cast<std::size_t>(p);
        m_acted[at] = !betting;
        m_mayRaise[at] = active(p);
    }
}

int HandBetting::actingInRound() const {
    if (inHand() <= 1)
        return -1;
    const int start = m_last < 0 ? m_firstPlayer[static_cast<std::size_t>(m_round)] : m_last + 1;
    for (int step = 0; step < m_players; ++step) {
        const int p = (start + step) % m_players;
        if (needsToAct(p))
            return p;
    }
    return -1;
}

bool HandBetting::roundDone() const {
    return actingInRound() < 0;
}

int HandBetting::acting() const {
    if (inHand() <= 1)
        return -1;
    HandBetting ahead = *this;
    for (;;) {
        const int p = ahead.actingInRound();
        if (p >= 0)
            return p;
        if (!ahead.nextRound())
            return -1;
    }
}

bool HandBetting::nextRound() {
    if (m_round + 1 >= m_rounds || inHand() <= 1)
        return false;
    ++m_round;
    // Spending is counted over the hand: the level carries over, since every
    // seat still able to bet has matched it.
    openRound();
    return true;
}

std::int32_t HandBetting::toCall(int p) const {
    const auto at = static_cast<std::size_t>(p);
    return std::max(0, std::min(m_level, m_stacks[at]) - m_spent[at]);
}

std::int32_t HandBetting::raiseSize() const {
    return m_raiseSizes[static_cast<std::size_t>(m_round)];
}

std::int32_t HandBetting::roundStartLevel() const {
    std::int32_t level = 0;
    for (int p = 0; p < m_players; ++p)
        level = std::max(level, m_roundStart[static_cast<std::size_t>(p)]);
    return level;
}

HandBetting HandBetting::atNextAction() const {
    HandBetting ahead = *this;
    while (ahead.actingInRound() < 0 && ahead.nextRound()) { }
    return ahead;
}

Choices HandBetting::choices() const {
    Choices c;
    const int p = acting();
    if (p < 0)
        return c;
    // The choices of the round the next action belongs to.
    HandBetting ahead = *this;
    while (ahead.actingInRound() < 0)
        ahead.nextRound();
    const auto at = static_cast<std::size_t>(p);
    c.fold = ahead.toCall(p) > 0;
    bool another = false;
    for (int q = 0; q < m_players; ++q)
        another = another || (q != p && ahead.active(q));
    const std::int64_t fullRaise = static_cast<std::int64_t>(ahead.m_level) + ahead.raiseSize();
    c.raise = ahead.m_raises < ahead.m_maxRaises[static_cast<std::size_t>(ahead.m_round)]
        && ahead.m_mayRaise[at] && another && fullRaise <= ahead.m_stacks[at];
    return c;
}

bool HandBetting::apply(char action) {
    if (action != 'f' && action != 'c' && action != 'r')
        return false;
    if (inHand() <= 1)
        return false;
    while (actingInRound() < 0) {
        if (!nextRound())
            return false;
    }
    const int p = actingInRound();
    const auto at = static_cast<std::size_t>(p);
    m_acted[at] = true;
    m_mayRaise[at] = false;
    m_last = p;
    const std::int32_t before = m_spent[at];
    // Nothing bet on the round yet (before the flop the big blind is the bet).
    const bool opens = m_level == roundStartLevel();
    BettingStep step { m_round, p, BettingStep::Kind::fold, 0, false };
    switch (action) {
    case 'f':
        m_folded[at] = true;
        break;
    case 'c':
        m_spent[at] = std::max(m_spent[at], std::min(m_level, m_stacks[at]));
        step.kind = m_spent[at] > before ? BettingStep::Kind::call : BettingStep::Kind::check;
        break;
    case 'r': {
        const std::int64_t full = static_cast<std::int64_t>(m_level) + raiseSize();
        const std::int32_t to
            = static_cast<std::int32_t>(std::min<std::int64_t>(full, m_stacks[at]));
        m_spent[at] = std::max(m_spent[at], to);
        if (m_spent[at] >= full) {
            // A full raise: everyone else able to act answers it and may raise again.
            ++m_raises;
            for (int q = 0; q < m_players; ++q) {
                if (q != p)
                    m_mayRaise[static_cast<std::size_t>(q)] = active(q);
            }
        }
        m_level = std::max(m_level, m_spent[at]);
        step.kind = opens ? BettingStep::Kind::bet : BettingStep::Kind::raise;
        break;
    }
    default:
        break;
    }
    step.amount = m_spent[at] - before;
    step.allIn = action != 'f' && m_spent[at] >= m_stacks[at];
    m_steps.push_back(step);
    return true;
}

std::optional<HandBetting> HandBetting::replay(const GameDefinition& game, const MatchState& state,
    const std::vector<std::int32_t>& stacks, std::string& error) {
    HandBetting hand(game, state.players(), stacks);
    for (std::size_t r = 0; r < state.betting.size(); ++r) {
        if (r > 0) {
            if (!hand.roundDone() || !hand.nextRound()) {
                error
                    = "a round ends (\"/\") while a seat still has to act, or after the last round";
                return std::nullopt;
            }
        }
        for (const char action : state.betting[r]) {
            if (hand.roundDone() || !hand.apply(action)) {
                error = "an action comes when nobody is to act in its round";
                return std::nullopt;
            }
        }
    }
    if (state.board.size() != state.betting.size()) {
        error = "the cards do not show a board for each round of the betting";
        return std::nullopt;
    }
    for (std::size_t r = 1; r < state.board.size(); ++r) {
        if (state.board[r].size() != static_cast<std::size_t>(game.boardCards[r])) {
            error = "a round's board has the wrong number of cards";
            return std::nullopt;
        }
    }
    return hand;
}

} // namespace tavolier::cli::acpc
