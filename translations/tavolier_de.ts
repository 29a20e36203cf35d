<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>HandName</name>
    <message>
        <source>Royal flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Straight flush %1 High</source>
        <translation>Straight Flush, %1 hoch</translation>
    </message>
    <message>
        <source>High card %1</source>
        <translation>Höchste Karte %1</translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation>Ein Paar %1</translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation>Zwei Paare %1</translation>
    </message>
    <message>
        <source>Two pairs %1 and %2</source>
        <translation>Zwei Paare %1 und %2</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drilling %1</translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation>Straße, %1 hoch</translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation>Flush, %1 hoch</translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation>Full House %1</translation>
    </message>
    <message>
        <source>Full house %1 over %2</source>
        <translation>Full House %1 über %2</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vierling %1</translation>
    </message>
    <message>
        <source>%1, %2 kicker</source>
        <translation>%1, Kicker %2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>Hands of this session</source>
        <translation>Hände dieser Sitzung</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Copy hand</source>
        <translation>Hand kopieren</translation>
    </message>
    <message>
        <source>Copy the selected hand as text (Ctrl+C)</source>
        <translation>Die ausgewählte Hand als Text kopieren (Ctrl+C)</translation>
    </message>
    <message>
        <source>Export for tracking tools...</source>
        <translation>Für Tracking-Tools exportieren...</translation>
    </message>
    <message>
        <source>Save the selected hands, or all hands of a day, in the words every tracking tool reads</source>
        <translation>Die ausgewählten Hände oder alle Hände eines Tages in dem Format speichern, das jedes Tracking-Tool liest</translation>
    </message>
    <message>
        <source>Selected hands</source>
        <translation>Ausgewählte Hände</translation>
    </message>
    <message>
        <source>All hands of a day</source>
        <translation>Alle Hände eines Tages</translation>
    </message>
    <message>
        <source>There was nothing to export.</source>
        <translation>Es gab nichts zu exportieren.</translation>
    </message>
    <message>
        <source>Export for tracking tools</source>
        <translation>Export für Tracking-Tools</translation>
    </message>
    <message>
        <source>Hand histories (*.txt)</source>
        <translation>Handverläufe (*.txt)</translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation>Der Export konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>1 hand written to %1</source>
        <translation>1 Hand in %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 hands written to %2</source>
        <translation>%1 Hände in %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>OddsBadge</name>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Below
Average</source>
        <translation>Eher
schwach</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Very
Good</source>
        <translation>Sehr
gut</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Großartig</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Exzellent</translation>
    </message>
    <message>
        <source>YOUR HAND</source>
        <translation>DEINE HAND</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash:</source>
        <translation>Startkapital:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Play until</source>
        <translation>Spielen bis zu</translation>
    </message>
    <message>
        <source>someone wins:</source>
        <translation>einem Gewinn von:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>AI Level</source>
        <translation>KI-Stufe</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>Betting Limits:</source>
        <translation>Einsatzlimits:</translation>
    </message>
    <message>
        <source>Small Bet:</source>
        <translation>Small Bet:</translation>
    </message>
    <message>
        <source>Big Bet:</source>
        <translation>Big Bet:</translation>
    </message>
    <message>
        <source>Lower betting limits</source>
        <translation>Einsatzlimits senken</translation>
    </message>
    <message>
        <source>Higher betting limits</source>
        <translation>Einsatzlimits erhöhen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opponents&apos; pace</source>
        <translation>Gegnertempo</translation>
    </message>
    <message>
        <source>How fast the opponents&apos; actions are shown</source>
        <translation>Wie schnell die Aktionen der Gegner angezeigt werden</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Classic: the game&apos;s own rules. Standard: limit hold&apos;em as card rooms play it. A change takes effect at the next Deal.</source>
        <translation>Klassisch: die eigenen Regeln des Spiels. Standard: Limit Hold&apos;em, wie es in Pokerräumen gespielt wird. Eine Änderung gilt ab dem nächsten Geben.</translation>
    </message>
</context>
<context>
    <name>OptionsPicture</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
</context>
<context>
    <name>RanksOf</name>
    <message>
        <source>Twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>Texas hold&apos;em rules</source>
        <translation>Texas-Hold&apos;em-Regeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>five in a row, one suit</source>
        <translation>fünf in Folge, eine Farbe</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>four cards of one rank</source>
        <translation>vier Karten gleichen Werts</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>three of a kind and a pair</source>
        <translation>Drilling und ein Paar</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>five of one suit</source>
        <translation>fünf Karten einer Farbe</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>five in a row (A-2-3-4-5 too)</source>
        <translation>fünf in Folge, auch A-2-3-4-5</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>three cards of one rank</source>
        <translation>drei Karten gleichen Werts</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>two different pairs</source>
        <translation>zwei verschiedene Paare</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Ein Paar</translation>
    </message>
    <message>
        <source>two cards of one rank</source>
        <translation>zwei Karten gleichen Werts</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>none of the above</source>
        <translation>nichts von alledem</translation>
    </message>
    <message>
        <source>Texas Hold&apos;em</source>
        <translation>Texas Hold&apos;em</translation>
    </message>
    <message>
        <source>fixed-limit, as played at this table</source>
        <translation>Fixed Limit, wie hier am Tisch gespielt</translation>
    </message>
    <message>
        <source>The deal and the blinds</source>
        <translation>Geben und Blinds</translation>
    </message>
    <message>
        <source>You and seven opponents get two cards face down each. First the next two players post the blinds: the &lt;b&gt;small blind&lt;/b&gt; is half a small bet, the &lt;b&gt;big blind&lt;/b&gt; one small bet (with limits of 4 and 8: 2 and 4).</source>
        <translation>Du erhältst wie deine sieben Gegner zwei verdeckte Karten. Die nächsten zwei Spieler setzen die Blinds: der &lt;b&gt;Small Blind&lt;/b&gt; ist ein halber Small Bet, der &lt;b&gt;Big Blind&lt;/b&gt; ein ganzer (bei Limit 4/8: 2 und 4).</translation>
    </message>
    <message>
        <source>Fixed bets</source>
        <translation>Feste Einsätze</translation>
    </message>
    <message>
        <source>Every bet and raise has one fixed size: the &lt;b&gt;small bet&lt;/b&gt; before and on the flop, the &lt;b&gt;big bet&lt;/b&gt; (twice as much) on the turn and the river. Answer a bet with &lt;b&gt;Call&lt;/b&gt; or &lt;b&gt;Fold&lt;/b&gt;; with none to answer, &lt;b&gt;Check&lt;/b&gt; or &lt;b&gt;Raise&lt;/b&gt;.</source>
        <translation>Einsätze und Erhöhungen sind fest: der &lt;b&gt;Small Bet&lt;/b&gt; vor und auf dem Flop, der &lt;b&gt;Big Bet&lt;/b&gt; (das Doppelte) auf Turn und River. Auf einen Einsatz: &lt;b&gt;Mitgehen&lt;/b&gt; oder &lt;b&gt;Passen&lt;/b&gt;; ohne Einsatz: &lt;b&gt;Check&lt;/b&gt; oder &lt;b&gt;Erhöhen&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The four streets</source>
        <translation>Die vier Setzrunden</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pre-Flop</translation>
    </message>
    <message>
        <source>two cards each</source>
        <translation>je zwei Karten</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>three on the board</source>
        <translation>drei aufs Board</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>a fourth card</source>
        <translation>die vierte Karte</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>the fifth card</source>
        <translation>die fünfte Karte</translation>
    </message>
    <message>
        <source>Each street has a round of betting. At the &lt;b&gt;showdown&lt;/b&gt; the best five of your two cards and the board&apos;s five win the pot; equal hands share it.</source>
        <translation>In jeder Runde wird gesetzt. Beim &lt;b&gt;Showdown&lt;/b&gt; gewinnen die besten fünf deiner zwei und der fünf Boardkarten den Pot; gleiche Hände teilen ihn.</translation>
    </message>
    <message>
        <source>Hands, best first</source>
        <translation>Rangfolge der Hände</translation>
    </message>
    <message>
        <source>Your odds</source>
        <translation>Deine Chancen</translation>
    </message>
    <message>
        <source>Hold the mouse over the badge under your cards to see how your hand rates against six random hands: from &lt;b&gt;Poor&lt;/b&gt; through &lt;b&gt;Average&lt;/b&gt; to &lt;b&gt;Excellent&lt;/b&gt;.</source>
        <translation>Halte die Maus über die Plakette unter den Karten: sie bewertet deine Hand gegen sechs Zufallshände, von &lt;b&gt;Schwach&lt;/b&gt; über &lt;b&gt;Mittel&lt;/b&gt; bis &lt;b&gt;Exzellent&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Die Knöpfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deal&lt;/b&gt; starts the next hand, &lt;b&gt;New&lt;/b&gt; a new match. A match ends when you or all opponents are broke, or a player reaches the target. &lt;b&gt;Options&lt;/b&gt; sets the starting chips, the target, the limits, the card back, the opponents&apos; level and the sound.</source>
        <translation>&lt;b&gt;Geben&lt;/b&gt; startet die nächste Hand, &lt;b&gt;Neu&lt;/b&gt; eine neue Partie. Eine Partie endet, wenn du oder alle Gegner pleite sind oder jemand das Ziel erreicht. &lt;b&gt;Optionen&lt;/b&gt; legt Startkapital, Ziel, Limits, Kartenrücken, KI-Stufe und Ton fest.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Play without saving</source>
        <translation>Ohne Speichern spielen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>%1: %2 after hand %3</source>
        <translation>%1: %2 nach Hand %3</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Your hands</source>
        <translation>Deine Hände</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Gewonnene Hände</translation>
    </message>
    <message>
        <source>Won per hand played</source>
        <translation>Gewonnen pro gespielter Hand</translation>
    </message>
    <message>
        <source>Showdowns</source>
        <translation>Showdowns</translation>
    </message>
    <message>
        <source>Showdowns per hand played</source>
        <translation>Showdowns pro gespielter Hand</translation>
    </message>
    <message>
        <source>Chips over the hands of this match</source>
        <translation>Chips im Verlauf dieser Partie</translation>
    </message>
    <message>
        <source>The chart is not available (%1).</source>
        <translation>Das Diagramm ist nicht verfügbar (%1).</translation>
    </message>
    <message>
        <source>Biggest pot: %1, taken by %2</source>
        <translation>Größter Pot: %1, Gewinner: %2</translation>
    </message>
    <message>
        <source>Biggest pot: none yet</source>
        <translation>Größter Pot: noch keiner</translation>
    </message>
    <message>
        <source>a hand without a name</source>
        <translation>eine Hand ohne Namen</translation>
    </message>
    <message>
        <source>Your best hand: %1 (%2 %3)</source>
        <translation>Deine beste Hand: %1 (%2 %3)</translation>
    </message>
    <message>
        <source>Your best hand: none shown yet</source>
        <translation>Deine beste Hand: noch keine gezeigt</translation>
    </message>
    <message>
        <source>VPIP</source>
        <translation>VPIP</translation>
    </message>
    <message>
        <source>PFR</source>
        <translation>PFR</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>AF</translation>
    </message>
    <message>
        <source>WTSD</source>
        <translation>WTSD</translation>
    </message>
    <message>
        <source>Hands in which the seat called or raised before the flop, in per cent</source>
        <translation>Hände, in denen der Platz vor dem Flop mitging oder erhöhte, in Prozent</translation>
    </message>
    <message>
        <source>Hands in which the seat raised before the flop, in per cent</source>
        <translation>Hände, in denen der Platz vor dem Flop erhöhte, in Prozent</translation>
    </message>
    <message>
        <source>Bets and raises per call from the flop on</source>
        <translation>Einsätze und Erhöhungen je Mitgehen ab dem Flop</translation>
    </message>
    <message>
        <source>Showdowns per flop seen, in per cent</source>
        <translation>Showdowns je gesehenem Flop, in Prozent</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hand #%1 · %2 · %3/%4</source>
        <translation>Hand #%1 · %2 · %3/%4</translation>
    </message>
    <message>
        <source>%1 · new match</source>
        <translation>%1 · neue Partie</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Deine Karten</translation>
    </message>
    <message>
        <source>You post the small blind %2 · pot %3</source>
        <translation>Du setzt den Small Blind %2 · Pot %3</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2 · pot %3</source>
        <translation>%1 setzt den Small Blind %2 · Pot %3</translation>
    </message>
    <message>
        <source>You post the big blind %2 · pot %3</source>
        <translation>Du setzt den Big Blind %2 · Pot %3</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2 · pot %3</source>
        <translation>%1 setzt den Big Blind %2 · Pot %3</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Du checkst</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 checkt</translation>
    </message>
    <message>
        <source>You call %2 · pot %3</source>
        <translation>Du gehst %2 mit · Pot %3</translation>
    </message>
    <message>
        <source>%1 calls %2 · pot %3</source>
        <translation>%1 geht %2 mit · Pot %3</translation>
    </message>
    <message>
        <source>You raise to %2 · pot %3</source>
        <translation>Du erhöhst auf %2 · Pot %3</translation>
    </message>
    <message>
        <source>%1 raises to %2 · pot %3</source>
        <translation>%1 erhöht auf %2 · Pot %3</translation>
    </message>
    <message>
        <source>You bet %2 · pot %3</source>
        <translation>Du setzt %2 · Pot %3</translation>
    </message>
    <message>
        <source>%1 bets %2 · pot %3</source>
        <translation>%1 setzt %2 · Pot %3</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Du passt</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>You are out of chips</source>
        <translation>Du hast keine Chips mehr</translation>
    </message>
    <message>
        <source>%1 is out of chips</source>
        <translation>%1 hat keine Chips mehr</translation>
    </message>
    <message>
        <source>You take back %2 · pot %3</source>
        <translation>Du nimmst %2 zurück · Pot %3</translation>
    </message>
    <message>
        <source>%1 takes back %2 · pot %3</source>
        <translation>%1 nimmt %2 zurück · Pot %3</translation>
    </message>
    <message>
        <source>You show</source>
        <translation>Du zeigst</translation>
    </message>
    <message>
        <source>%1 shows</source>
        <translation>%1 zeigt</translation>
    </message>
    <message>
        <source>You win %2</source>
        <translation>Du gewinnst %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>Nobody wins the pot of %1</source>
        <translation>Niemand gewinnt den Pot von %1</translation>
    </message>
    <message>
        <source>%1 split %2, %3 each</source>
        <translation>%1: %2 geteilt, je %3</translation>
    </message>
    <message>
        <source>%1, everyone folded</source>
        <translation>%1, alle haben gepasst</translation>
    </message>
    <message>
        <source>%1 chip lost to the split</source>
        <translation>%1 Chip geht bei der Teilung verloren</translation>
    </message>
    <message>
        <source>%1 chips lost to the split</source>
        <translation>%1 Chips gehen bei der Teilung verloren</translation>
    </message>
    <message>
        <source>Game over: %1</source>
        <translation>Spiel vorbei: %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 · all-in</source>
        <translation>%1 · All-in</translation>
    </message>
    <message>
        <source>Main pot %1 · won by %2</source>
        <translation>Hauptpot %1 · gewonnen von %2</translation>
    </message>
    <message>
        <source>Side pot %1 · won by %2</source>
        <translation>Nebenpot %1 · gewonnen von %2</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>TableMarksView</name>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>SB</source>
        <translation>SB</translation>
    </message>
    <message>
        <source>BB</source>
        <translation>BB</translation>
    </message>
    <message>
        <source>You have: %1</source>
        <translation>Du hast: %1</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Du bist dran</translation>
    </message>
</context>
<context>
    <name>TableStory</name>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Call %1 (C)</source>
        <translation>Mitgehen: %1 (C)</translation>
    </message>
    <message>
        <source>Check (C)</source>
        <translation>Checken (C)</translation>
    </message>
    <message>
        <source>Raise: %1 in all (R)</source>
        <translation>Erhöhen: insgesamt %1 (R)</translation>
    </message>
    <message>
        <source>Hands are not being saved: %1 could not be written.</source>
        <translation>Hände werden nicht gespeichert: %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Small Blind</source>
        <translation>Small Blind</translation>
    </message>
    <message>
        <source>Big Blind</source>
        <translation>Big Blind</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Geht mit</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Setzt</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Erhöht</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Mitgehen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Du gewinnst!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du verlierst!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Unable to write to tavolier.ini</source>
        <translation>tavolier.ini kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pre-Flop</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation>Showdown</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Play goes on without saving; the chips and statistics are saved again as soon as the file can be written.</source>
        <translation>Das Spiel geht ohne Speichern weiter; Chips und Statistik werden wieder gespeichert, sobald die Datei geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Some values in the settings file cannot be played with and were replaced by their defaults.</source>
        <translation>Einige Werte in der Einstellungsdatei sind nicht spielbar und wurden durch ihre Standardwerte ersetzt.</translation>
    </message>
    <message>
        <source>; %1 is used instead.
</source>
        <translation>; stattdessen gilt %1.
</translation>
    </message>
    <message>
        <source>Deal a new hand (D)</source>
        <translation>Eine neue Hand geben (D)</translation>
    </message>
    <message>
        <source>Check, or call the bet (C)</source>
        <translation>Checken oder den Einsatz mitgehen (C)</translation>
    </message>
    <message>
        <source>Raise (R)</source>
        <translation>Erhöhen (R)</translation>
    </message>
    <message>
        <source>Fold (F)</source>
        <translation>Passen (F)</translation>
    </message>
    <message>
        <source>New match (N)</source>
        <translation>Neue Partie (N)</translation>
    </message>
    <message>
        <source>Options (O)</source>
        <translation>Optionen (O)</translation>
    </message>
    <message>
        <source>About: the rules (A)</source>
        <translation>Regeln: die Spielregeln anzeigen (A)</translation>
    </message>
    <message>
        <source>Hand history (H)</source>
        <translation>Handverlauf (H)</translation>
    </message>
    <message>
        <source>Statistics of your hands and of this match (S)</source>
        <translation>Statistik deiner Hände und dieser Partie (S)</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Press Deal (D) to play a hand</source>
        <translation>Drücke Geben (D), um eine Hand zu spielen</translation>
    </message>
    <message>
        <source>Pictures missing or unreadable: %1</source>
        <translation>Bilder fehlen oder sind nicht lesbar: %1</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Look at the table</source>
        <translation>Tisch ansehen</translation>
    </message>
    <message>
        <source>%1 %2
Press New (N) for a new match</source>
        <translation>%1 %2
Drücke Neu (N) für eine neue Partie</translation>
    </message>
    <message>
        <source>You are out of chips: the match is lost.
Press New (N) for a new match</source>
        <translation>Du hast keine Chips mehr: die Partie ist verloren.
Drücke Neu (N) für eine neue Partie</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>(%1 reached %2 chips)</source>
        <translation>(%1 hat %2 Chips erreicht)</translation>
    </message>
    <message>
        <source>(you are out of chips)</source>
        <translation>(du hast keine Chips mehr)</translation>
    </message>
    <message>
        <source>(every opponent is out of chips)</source>
        <translation>(kein Gegner hat noch Chips)</translation>
    </message>
    <message>
        <source>Final chips: %1</source>
        <translation>Chips am Ende: %1</translation>
    </message>
</context>
<context>
    <name>tavolier::RulesDialog</name>
    <message>
        <source>The rules of Texas hold&apos;em</source>
        <translation>Die Regeln von Texas Hold&apos;em</translation>
    </message>
    <message>
        <source>A page of the rules; OK or Esc closes it</source>
        <translation>Eine Seite mit den Regeln; OK oder Esc schließt sie</translation>
    </message>
</context>
<context>
    <name>tavolier::StatisticsWindow</name>
    <message>
        <source>Chips over the hands of this match</source>
        <translation>Chips im Verlauf dieser Partie</translation>
    </message>
</context>
<context>
    <name>tavolier::TableAccessibility</name>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pre-Flop</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation>Showdown</translation>
    </message>
    <message>
        <source>Initial cash</source>
        <translation>Startkapital</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Startkapital übernehmen</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Spielen bis zu einem Gewinn von</translation>
    </message>
    <message>
        <source>The chips above the initial cash that win</source>
        <translation>Die Chips über dem Startkapital, mit denen man gewinnt</translation>
    </message>
    <message>
        <source>Enter play until someone wins</source>
        <translation>Gewinnziel übernehmen</translation>
    </message>
    <message>
        <source>Sound: press to switch it on or off (shows the state)</source>
        <translation>Ton: drücken zum Ein- oder Ausschalten (zeigt den Zustand)</translation>
    </message>
    <message>
        <source>Lower betting limits</source>
        <translation>Einsatzlimits senken</translation>
    </message>
    <message>
        <source>Higher betting limits</source>
        <translation>Einsatzlimits erhöhen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the options (Esc)</source>
        <translation>Schließt die Optionen (Esc)</translation>
    </message>
    <message>
        <source>Opponents&apos; pace</source>
        <translation>Gegnertempo</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <translation>Kartenrücken %1</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>KI-Stufe</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Small Bet</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Big Bet</translation>
    </message>
    <message>
        <source>Turn to act</source>
        <translation>Am Zug</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Deine Karten</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 Chips</translation>
    </message>
    <message numerus="yes">
        <source>%n chips</source>
        <translation>
            <numerusform>%n Chip</numerusform>
            <numerusform>%n Chips</numerusform>
        </translation>
    </message>
    <message>
        <source>dealer button</source>
        <translation>Dealer-Button</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>Small Blind</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>Big Blind</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>Einsatz %1</translation>
    </message>
    <message>
        <source>Press New (N) for a new match</source>
        <translation>Drücke Neu (N) für eine neue Partie</translation>
    </message>
    <message>
        <source>call %1 (C)</source>
        <translation>mitgehen: %1 (C)</translation>
    </message>
    <message>
        <source>check (C)</source>
        <translation>checken (C)</translation>
    </message>
    <message>
        <source>raise to %1 in all (R)</source>
        <translation>erhöhen auf insgesamt %1 (R)</translation>
    </message>
    <message>
        <source>fold (F)</source>
        <translation>passen (F)</translation>
    </message>
    <message>
        <source>Your turn: %1</source>
        <translation>Du bist dran: %1</translation>
    </message>
    <message>
        <source>The opponents are acting</source>
        <translation>Die Gegner sind am Zug</translation>
    </message>
    <message>
        <source>The hand is over: press Deal (D) for the next one</source>
        <translation>Die Hand ist vorbei: Drücke Geben (D) für die nächste</translation>
    </message>
    <message>
        <source>No cards yet</source>
        <translation>Noch keine Karten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No hand yet</source>
        <translation>Noch keine Hand</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, folded</source>
        <translation>%1, gepasst</translation>
    </message>
    <message>
        <source>%1. Best hand: %2</source>
        <translation>%1. Beste Hand: %2</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 checkt</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 geht %2 mit</translation>
    </message>
    <message>
        <source>%1 raises %2</source>
        <translation>%1 erhöht %2</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 setzt %2</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>%1 is out of chips</source>
        <translation>%1 hat keine Chips mehr</translation>
    </message>
    <message>
        <source>%1, all in</source>
        <translation>%1, All-in</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Du gewinnst %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>Nobody wins the pot</source>
        <translation>Niemand gewinnt den Pot</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Gives every seat the initial cash typed beside it at once</source>
        <translation>Gibt jedem Platz sofort das daneben eingetragene Startkapital</translation>
    </message>
    <message>
        <source>Sets the chips above the initial cash that win the match</source>
        <translation>Legt fest, wie viele Chips über dem Startkapital die Partie gewinnen</translation>
    </message>
</context>
<context>
    <name>Character</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat&apos;s name and its style, as its portrait&apos;s tooltip shows them.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Tight and aggressive: plays few hands and plays them hard</source>
        <translation>Eng und aggressiv: spielt wenige Hände, diese aber hart</translation>
    </message>
    <message>
        <source>Calling station: sees many flops and calls down far too light</source>
        <translation>Calling Station: sieht viele Flops und geht viel zu leicht mit</translation>
    </message>
    <message>
        <source>Loose and passive: limps in with many hands, raises only when strong</source>
        <translation>Locker und passiv: steigt mit vielen Händen billig ein, erhöht nur wenn stark</translation>
    </message>
    <message>
        <source>Tricky: slow-plays her big hands, check-raises and semi-bluffs</source>
        <translation>Trickreich: spielt starke Hände langsam, macht Check-Raises und Semi-Bluffs</translation>
    </message>
    <message>
        <source>Rock: waits for premium hands, never bluffs</source>
        <translation>Fels: wartet auf Premium-Hände, blufft nie</translation>
    </message>
    <message>
        <source>Solid regular: aggressive, uses his position, bluffs in balance</source>
        <translation>Solider Stammspieler: aggressiv, nutzt seine Position, blufft mit Maß</translation>
    </message>
    <message>
        <source>Maniac: raises and re-raises with almost anything, bluffs often</source>
        <translation>Maniac: erhöht und erhöht erneut mit fast allem, blufft oft</translation>
    </message>
</context>
</TS>
