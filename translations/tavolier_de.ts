<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>HandName</name>
    <message>
        <source>Royal flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight flush %1 High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pairs %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full house %1 over %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 kicker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands of this session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected hand as text (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export for tracking tools...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the selected hands, or all hands of a day, in the words every tracking tool reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All hands of a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was nothing to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export for tracking tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand histories (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>someone wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betting Limits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower betting limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higher betting limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponents&apos; pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How fast the opponents&apos; actions are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic: the game&apos;s own rules. Standard: limit hold&apos;em as card rooms play it. A change takes effect at the next Deal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RanksOf</name>
    <message>
        <source>Twos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>Texas hold&apos;em rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Play without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 after hand %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won per hand played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showdowns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showdowns per hand played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips over the hands of this match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart is not available (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biggest pot: %1, taken by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biggest pot: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hand without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best hand: %1 (%2 %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best hand: none shown yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableMarksView</name>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableStory</name>
    <message>
        <source>Pot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call %1 (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise: %1 in all (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands are not being saved: %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Blind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Blind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to tavolier.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>River</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Deal a new hand (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check, or call the bet (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New match (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options (O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About: the rules (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand history (H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics of your hands and of this match (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Press New (N) for a new match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Deal (D) to play a hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures missing or unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at the table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
