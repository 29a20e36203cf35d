<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>HandName</name>
    <message>
        <source>Royal flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Straight flush %1 High</source>
        <translation>Quinte flush hauteur %1</translation>
    </message>
    <message>
        <source>High card %1</source>
        <translation>Carte haute %1</translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation>Double paire %1</translation>
    </message>
    <message>
        <source>Two pairs %1 and %2</source>
        <translation>Double paire %1 et %2</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Brelan %1</translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation>Quinte hauteur %1</translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation>Couleur hauteur %1</translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation>Full aux %1</translation>
    </message>
    <message>
        <source>Full house %1 over %2</source>
        <translation>Full aux %1 par les %2</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <source>%1, %2 kicker</source>
        <translation>%1, kicker %2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation>Historique des mains</translation>
    </message>
    <message>
        <source>Hands of this session</source>
        <translation>Mains de cette session</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Copy hand</source>
        <translation>Copier la main</translation>
    </message>
    <message>
        <source>Copy the selected hand as text (Ctrl+C)</source>
        <translation>Copier la main sélectionnée sous forme de texte (Ctrl+C)</translation>
    </message>
    <message>
        <source>Export for tracking tools...</source>
        <translation>Exporter pour les outils de suivi...</translation>
    </message>
    <message>
        <source>Save the selected hands, or all hands of a day, in the words every tracking tool reads</source>
        <translation>Enregistrer les mains sélectionnées, ou toutes les mains d&apos;une journée, dans le format que lit tout outil de suivi</translation>
    </message>
    <message>
        <source>Selected hands</source>
        <translation>Mains sélectionnées</translation>
    </message>
    <message>
        <source>All hands of a day</source>
        <translation>Toutes les mains d&apos;une journée</translation>
    </message>
    <message>
        <source>There was nothing to export.</source>
        <translation>Il n&apos;y avait rien à exporter.</translation>
    </message>
    <message>
        <source>Export for tracking tools</source>
        <translation>Export pour les outils de suivi</translation>
    </message>
    <message>
        <source>Hand histories (*.txt)</source>
        <translation>Historiques de mains (*.txt)</translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation>L&apos;export n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>1 hand written to %1</source>
        <translation>1 main écrite dans %1</translation>
    </message>
    <message>
        <source>%1 hands written to %2</source>
        <translation>%1 mains écrites dans %2</translation>
    </message>
</context>
<context>
    <name>OddsBadge</name>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Below
Average</source>
        <translation>Sous la
moyenne</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Very
Good</source>
        <translation>Très
bon</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Superbe</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>YOUR HAND</source>
        <translation>VOTRE JEU</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Initial cash:</source>
        <translation>Cave initiale&#xa0;:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Play until</source>
        <translation>Jouer jusqu&apos;à</translation>
    </message>
    <message>
        <source>someone wins:</source>
        <translation>un gain de&#xa0;:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Card Back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>AI Level</source>
        <translation>Niveau IA</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>Betting Limits:</source>
        <translation>Limites de mise&#xa0;:</translation>
    </message>
    <message>
        <source>Small Bet:</source>
        <translation>Petite mise&#xa0;:</translation>
    </message>
    <message>
        <source>Big Bet:</source>
        <translation>Grosse mise&#xa0;:</translation>
    </message>
    <message>
        <source>Lower betting limits</source>
        <translation>Baisser les limites de mise</translation>
    </message>
    <message>
        <source>Higher betting limits</source>
        <translation>Augmenter les limites de mise</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opponents&apos; pace</source>
        <translation>Rythme adverse</translation>
    </message>
    <message>
        <source>How fast the opponents&apos; actions are shown</source>
        <translation>Vitesse d&apos;affichage des actions des adversaires</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Classic: the game&apos;s own rules. Standard: limit hold&apos;em as card rooms play it. A change takes effect at the next Deal.</source>
        <translation>Classique&#xa0;: les règles propres au jeu. Standard&#xa0;: le limit hold&apos;em tel qu&apos;on le joue dans les salles de poker. Un changement prend effet à la prochaine donne.</translation>
    </message>
</context>
<context>
    <name>OptionsPicture</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
</context>
<context>
    <name>RanksOf</name>
    <message>
        <source>Twos</source>
        <translation>de Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>de Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>de Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>de Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>de Six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>de Sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>de Huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>de Neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>de Dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>de Valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>de Dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>de Rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>d&apos;As</translation>
    </message>
</context>
<context>
    <name>RulesDialog</name>
    <message>
        <source>Texas hold&apos;em rules</source>
        <translation>Règles du Texas hold&apos;em</translation>
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
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>five in a row, one suit</source>
        <translation>suite de cinq, même couleur</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>four cards of one rank</source>
        <translation>quatre cartes de même valeur</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>three of a kind and a pair</source>
        <translation>un brelan et une paire</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>five of one suit</source>
        <translation>cinq de même couleur</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>five in a row (A-2-3-4-5 too)</source>
        <translation>suite de cinq, dont A-2-3-4-5</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>three cards of one rank</source>
        <translation>trois cartes de même valeur</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>two different pairs</source>
        <translation>deux paires différentes</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>two cards of one rank</source>
        <translation>deux cartes de même valeur</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carte haute</translation>
    </message>
    <message>
        <source>none of the above</source>
        <translation>aucune des mains ci-dessus</translation>
    </message>
    <message>
        <source>Texas Hold&apos;em</source>
        <translation>Texas Hold&apos;em</translation>
    </message>
    <message>
        <source>fixed-limit, as played at this table</source>
        <translation>limite fixe, comme à cette table</translation>
    </message>
    <message>
        <source>The deal and the blinds</source>
        <translation>La donne et les blindes</translation>
    </message>
    <message>
        <source>You and seven opponents get two cards face down each. First the next two players post the blinds: the &lt;b&gt;small blind&lt;/b&gt; is half a small bet, the &lt;b&gt;big blind&lt;/b&gt; one small bet (with limits of 4 and 8: 2 and 4).</source>
        <translation>Vous et sept adversaires recevez deux cartes cachées. Les deux joueurs suivants paient les blindes&#xa0;: la &lt;b&gt;petite blinde&lt;/b&gt; vaut une demi-petite mise, la &lt;b&gt;grosse blinde&lt;/b&gt; une petite mise (en 4/8&#xa0;: 2 et 4).</translation>
    </message>
    <message>
        <source>Fixed bets</source>
        <translation>Mises fixes</translation>
    </message>
    <message>
        <source>Every bet and raise has one fixed size: the &lt;b&gt;small bet&lt;/b&gt; before and on the flop, the &lt;b&gt;big bet&lt;/b&gt; (twice as much) on the turn and the river. Answer a bet with &lt;b&gt;Call&lt;/b&gt; or &lt;b&gt;Fold&lt;/b&gt;; with none to answer, &lt;b&gt;Check&lt;/b&gt; or &lt;b&gt;Raise&lt;/b&gt;.</source>
        <translation>Mises et relances sont fixes&#xa0;: la &lt;b&gt;petite mise&lt;/b&gt; avant et au flop, la &lt;b&gt;grosse mise&lt;/b&gt; (le double) au turn et à la river. Face à une mise&#xa0;: &lt;b&gt;Suivre&lt;/b&gt; ou &lt;b&gt;Passer&lt;/b&gt;&#xa0;; sinon &lt;b&gt;Parole&lt;/b&gt; ou &lt;b&gt;Relancer&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The four streets</source>
        <translation>Les quatre tours</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pré-flop</translation>
    </message>
    <message>
        <source>two cards each</source>
        <translation>deux par joueur</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>three on the board</source>
        <translation>trois au tableau</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>a fourth card</source>
        <translation>une quatrième</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>the fifth card</source>
        <translation>la cinquième</translation>
    </message>
    <message>
        <source>Each street has a round of betting. At the &lt;b&gt;showdown&lt;/b&gt; the best five of your two cards and the board&apos;s five win the pot; equal hands share it.</source>
        <translation>On mise à chaque tour. À l&apos;&lt;b&gt;abattage&lt;/b&gt;, les cinq meilleures cartes de vos deux et des cinq du tableau gagnent le pot&#xa0;; à égalité, on partage.</translation>
    </message>
    <message>
        <source>Hands, best first</source>
        <translation>Classement des mains</translation>
    </message>
    <message>
        <source>Your odds</source>
        <translation>Vos chances</translation>
    </message>
    <message>
        <source>Hold the mouse over the badge under your cards to see how your hand rates against six random hands: from &lt;b&gt;Poor&lt;/b&gt; through &lt;b&gt;Average&lt;/b&gt; to &lt;b&gt;Excellent&lt;/b&gt;.</source>
        <translation>Survolez le badge sous vos cartes pour voir ce que vaut votre jeu face à six mains au hasard&#xa0;: de &lt;b&gt;Faible&lt;/b&gt; à &lt;b&gt;Excellent&lt;/b&gt; en passant par &lt;b&gt;Moyen&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Les boutons</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deal&lt;/b&gt; starts the next hand, &lt;b&gt;New&lt;/b&gt; a new match. A match ends when you or all opponents are broke, or a player reaches the target. &lt;b&gt;Options&lt;/b&gt; sets the starting chips, the target, the limits, the card back, the opponents&apos; level and the sound.</source>
        <translation>&lt;b&gt;Donner&lt;/b&gt; lance la main suivante, &lt;b&gt;Nouveau&lt;/b&gt; une nouvelle partie. La partie finit si vous ou tous les adversaires êtes ruinés, ou si un joueur atteint le but. &lt;b&gt;Options&lt;/b&gt; règle&#xa0;: cave initiale, but, limites, dos des cartes, niveau IA et son.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Play without saving</source>
        <translation>Jouer sans enregistrer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>%1: %2 after hand %3</source>
        <translation>%1&#xa0;: %2 après la main %3</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Your hands</source>
        <translation>Vos mains</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Mains gagnées</translation>
    </message>
    <message>
        <source>Won per hand played</source>
        <translation>Gagnées par main jouée</translation>
    </message>
    <message>
        <source>Showdowns</source>
        <translation>Abattages</translation>
    </message>
    <message>
        <source>Showdowns per hand played</source>
        <translation>Abattages par main jouée</translation>
    </message>
    <message>
        <source>Chips over the hands of this match</source>
        <translation>Jetons au fil des mains de cette partie</translation>
    </message>
    <message>
        <source>The chart is not available (%1).</source>
        <translation>Le graphique n&apos;est pas disponible (%1).</translation>
    </message>
    <message>
        <source>Biggest pot: %1, taken by %2</source>
        <translation>Plus gros pot&#xa0;: %1, gagnant&#xa0;: %2</translation>
    </message>
    <message>
        <source>Biggest pot: none yet</source>
        <translation>Plus gros pot&#xa0;: aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>a hand without a name</source>
        <translation>une main sans nom</translation>
    </message>
    <message>
        <source>Your best hand: %1 (%2 %3)</source>
        <translation>Votre meilleure main&#xa0;: %1 (%2 %3)</translation>
    </message>
    <message>
        <source>Your best hand: none shown yet</source>
        <translation>Votre meilleure main&#xa0;: aucune montrée pour l&apos;instant</translation>
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
        <translation>Mains où la place a suivi ou relancé avant le flop, en pour cent</translation>
    </message>
    <message>
        <source>Hands in which the seat raised before the flop, in per cent</source>
        <translation>Mains où la place a relancé avant le flop, en pour cent</translation>
    </message>
    <message>
        <source>Bets and raises per call from the flop on</source>
        <translation>Mises et relances par appel à partir du flop</translation>
    </message>
    <message>
        <source>Showdowns per flop seen, in per cent</source>
        <translation>Abattages par flop vu, en pour cent</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hand #%1 · %2 · %3/%4</source>
        <translation>Main n°&#xa0;%1 · %2 · %3/%4</translation>
    </message>
    <message>
        <source>%1 · new match</source>
        <translation>%1 · nouvelle partie</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Vos cartes</translation>
    </message>
    <message>
        <source>You post the small blind %2 · pot %3</source>
        <translation>Vous payez la petite blinde %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2 · pot %3</source>
        <translation>%1 paie la petite blinde %2 · pot %3</translation>
    </message>
    <message>
        <source>You post the big blind %2 · pot %3</source>
        <translation>Vous payez la grosse blinde %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2 · pot %3</source>
        <translation>%1 paie la grosse blinde %2 · pot %3</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Vous dites parole</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 dit parole</translation>
    </message>
    <message>
        <source>You call %2 · pot %3</source>
        <translation>Vous suivez %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 calls %2 · pot %3</source>
        <translation>%1 suit %2 · pot %3</translation>
    </message>
    <message>
        <source>You raise to %2 · pot %3</source>
        <translation>Vous relancez à %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 raises to %2 · pot %3</source>
        <translation>%1 relance à %2 · pot %3</translation>
    </message>
    <message>
        <source>You bet %2 · pot %3</source>
        <translation>Vous misez %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 bets %2 · pot %3</source>
        <translation>%1 mise %2 · pot %3</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Vous vous couchez</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se couche</translation>
    </message>
    <message>
        <source>You are out of chips</source>
        <translation>Vous n&apos;avez plus de jetons</translation>
    </message>
    <message>
        <source>%1 is out of chips</source>
        <translation>%1 n&apos;a plus de jetons</translation>
    </message>
    <message>
        <source>You take back %2 · pot %3</source>
        <translation>Vous reprenez %2 · pot %3</translation>
    </message>
    <message>
        <source>%1 takes back %2 · pot %3</source>
        <translation>%1 reprend %2 · pot %3</translation>
    </message>
    <message>
        <source>You show</source>
        <translation>Vous montrez</translation>
    </message>
    <message>
        <source>%1 shows</source>
        <translation>%1 montre</translation>
    </message>
    <message>
        <source>You win %2</source>
        <translation>Vous gagnez %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gagne %2</translation>
    </message>
    <message>
        <source>Nobody wins the pot of %1</source>
        <translation>Personne ne gagne le pot de %1</translation>
    </message>
    <message>
        <source>%1 split %2, %3 each</source>
        <translation>%2 partagés entre %1, %3 chacun</translation>
    </message>
    <message>
        <source>%1, everyone folded</source>
        <translation>%1, tout le monde s&apos;est couché</translation>
    </message>
    <message>
        <source>%1 chip lost to the split</source>
        <translation>%1 jeton perdu au partage</translation>
    </message>
    <message>
        <source>%1 chips lost to the split</source>
        <translation>%1 jetons perdus au partage</translation>
    </message>
    <message>
        <source>Game over: %1</source>
        <translation>Partie terminée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>%1 · all-in</source>
        <translation>%1 · tapis</translation>
    </message>
    <message>
        <source>Main pot %1 · won by %2</source>
        <translation>Pot principal %1 · gagné par %2</translation>
    </message>
    <message>
        <source>Side pot %1 · won by %2</source>
        <translation>Pot annexe %1 · gagné par %2</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>PB</translation>
    </message>
    <message>
        <source>BB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>You have: %1</source>
        <translation>Vous avez&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>À vous</translation>
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
        <translation>Suivre %1 (C)</translation>
    </message>
    <message>
        <source>Check (C)</source>
        <translation>Parole (C)</translation>
    </message>
    <message>
        <source>Raise: %1 in all (R)</source>
        <translation>Relancer&#xa0;: %1 au total (R)</translation>
    </message>
    <message>
        <source>Hands are not being saved: %1 could not be written.</source>
        <translation>Les mains ne sont pas enregistrées&#xa0;: impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Deal</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Small Blind</source>
        <translation>Petite blinde</translation>
    </message>
    <message>
        <source>Big Blind</source>
        <translation>Grosse blinde</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Se couche</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Vous gagnez&#xa0;!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Vous perdez&#xa0;!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Unable to write to tavolier.ini</source>
        <translation>Impossible d&apos;écrire dans tavolier.ini</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Vous:</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantané</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pré-flop</translation>
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
        <translation>Abattage</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Play goes on without saving; the chips and statistics are saved again as soon as the file can be written.</source>
        <translation>La partie continue sans sauvegarde ; les jetons et les statistiques seront de nouveau enregistrés dès que le fichier pourra être écrit.</translation>
    </message>
    <message>
        <source>Some values in the settings file cannot be played with and were replaced by their defaults.</source>
        <translation>Certaines valeurs du fichier de réglages ne sont pas jouables et ont été remplacées par leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>; %1 is used instead.
</source>
        <translation> ; %1 est utilisé à la place.
</translation>
    </message>
    <message>
        <source>Deal a new hand (D)</source>
        <translation>Donner une nouvelle main (D)</translation>
    </message>
    <message>
        <source>Check, or call the bet (C)</source>
        <translation>Dire parole ou suivre la mise (C)</translation>
    </message>
    <message>
        <source>Raise (R)</source>
        <translation>Relancer (R)</translation>
    </message>
    <message>
        <source>Fold (F)</source>
        <translation>Passer (F)</translation>
    </message>
    <message>
        <source>New match (N)</source>
        <translation>Nouvelle partie (N)</translation>
    </message>
    <message>
        <source>Options (O)</source>
        <translation>Options (O)</translation>
    </message>
    <message>
        <source>About: the rules (A)</source>
        <translation>Règles&#xa0;: afficher les règles du jeu (A)</translation>
    </message>
    <message>
        <source>Hand history (H)</source>
        <translation>Historique des mains (H)</translation>
    </message>
    <message>
        <source>Statistics of your hands and of this match (S)</source>
        <translation>Statistiques de vos mains et de cette partie (S)</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Press Deal (D) to play a hand</source>
        <translation>Appuyez sur Donner (D) pour jouer une main</translation>
    </message>
    <message>
        <source>Pictures missing or unreadable: %1</source>
        <translation>Images manquantes ou illisibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Look at the table</source>
        <translation>Voir la table</translation>
    </message>
    <message>
        <source>%1 %2
Press New (N) for a new match</source>
        <translation>%1 %2
Appuyez sur Nouveau (N) pour une nouvelle partie</translation>
    </message>
    <message>
        <source>You are out of chips: the match is lost.
Press New (N) for a new match</source>
        <translation>Vous n&apos;avez plus de jetons&#xa0;: la partie est perdue.
Appuyez sur Nouveau (N) pour une nouvelle partie</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>(%1 reached %2 chips)</source>
        <translation>(%1 a atteint %2 jetons)</translation>
    </message>
    <message>
        <source>(you are out of chips)</source>
        <translation>(vous n&apos;avez plus de jetons)</translation>
    </message>
    <message>
        <source>(every opponent is out of chips)</source>
        <translation>(aucun adversaire n&apos;a plus de jetons)</translation>
    </message>
    <message>
        <source>Final chips: %1</source>
        <translation>Jetons à la fin&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tavolier::RulesDialog</name>
    <message>
        <source>The rules of Texas hold&apos;em</source>
        <translation>Les règles du Texas hold&apos;em</translation>
    </message>
    <message>
        <source>A page of the rules; OK or Esc closes it</source>
        <translation>Une page des règles&#xa0;; OK ou Esc la ferme</translation>
    </message>
</context>
<context>
    <name>tavolier::StatisticsWindow</name>
    <message>
        <source>Chips over the hands of this match</source>
        <translation>Jetons au fil des mains de cette partie</translation>
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
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Pre-flop</source>
        <translation>Pré-flop</translation>
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
        <translation>Abattage</translation>
    </message>
    <message>
        <source>Initial cash</source>
        <translation>Cave initiale</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Valider la cave initiale</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Jouer jusqu&apos;à un gain de</translation>
    </message>
    <message>
        <source>The chips above the initial cash that win</source>
        <translation>Les jetons au-delà de la cave initiale qui font gagner</translation>
    </message>
    <message>
        <source>Enter play until someone wins</source>
        <translation>Valider le gain à atteindre</translation>
    </message>
    <message>
        <source>Sound: press to switch it on or off (shows the state)</source>
        <translation>Son&#xa0;: appuyez pour l&apos;activer ou le couper (affiche l&apos;état)</translation>
    </message>
    <message>
        <source>Lower betting limits</source>
        <translation>Baisser les limites de mise</translation>
    </message>
    <message>
        <source>Higher betting limits</source>
        <translation>Augmenter les limites de mise</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the options (Esc)</source>
        <translation>Ferme les options (Esc)</translation>
    </message>
    <message>
        <source>Opponents&apos; pace</source>
        <translation>Rythme adverse</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <translation>Dos des cartes %1</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Niveau IA</translation>
    </message>
    <message>
        <source>Small bet</source>
        <translation>Petite mise</translation>
    </message>
    <message>
        <source>Big bet</source>
        <translation>Grosse mise</translation>
    </message>
    <message>
        <source>Turn to act</source>
        <translation>Joueur actif</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Vos cartes</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 jetons</translation>
    </message>
    <message numerus="yes">
        <source>%n chips</source>
        <translation>
            <numerusform>%n jeton</numerusform>
            <numerusform>%n jetons</numerusform>
        </translation>
    </message>
    <message>
        <source>dealer button</source>
        <translation>bouton du donneur</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>petite blinde</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>grosse blinde</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>mise %1</translation>
    </message>
    <message>
        <source>Press New (N) for a new match</source>
        <translation>Appuyez sur Nouveau (N) pour une nouvelle partie</translation>
    </message>
    <message>
        <source>call %1 (C)</source>
        <translation>suivre %1 (C)</translation>
    </message>
    <message>
        <source>check (C)</source>
        <translation>parole (C)</translation>
    </message>
    <message>
        <source>raise to %1 in all (R)</source>
        <translation>relancer à %1 au total (R)</translation>
    </message>
    <message>
        <source>fold (F)</source>
        <translation>passer (F)</translation>
    </message>
    <message>
        <source>Your turn: %1</source>
        <translation>À vous de jouer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The opponents are acting</source>
        <translation>Les adversaires jouent</translation>
    </message>
    <message>
        <source>The hand is over: press Deal (D) for the next one</source>
        <translation>La main est terminée&#xa0;: appuyez sur Donner (D) pour la suivante</translation>
    </message>
    <message>
        <source>No cards yet</source>
        <translation>Pas encore de cartes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No hand yet</source>
        <translation>Pas encore de main</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, folded</source>
        <translation>%1, hors du coup</translation>
    </message>
    <message>
        <source>%1. Best hand: %2</source>
        <translation>%1. Meilleure main&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 dit parole</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 suit %2</translation>
    </message>
    <message>
        <source>%1 raises %2</source>
        <translation>%1 relance %2</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 mise %2</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se couche</translation>
    </message>
    <message>
        <source>%1 is out of chips</source>
        <translation>%1 n&apos;a plus de jetons</translation>
    </message>
    <message>
        <source>%1, all in</source>
        <translation>%1, tapis</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vous gagnez %1</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gagne %2</translation>
    </message>
    <message>
        <source>Nobody wins the pot</source>
        <translation>Personne ne gagne le pot</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Gives every seat the initial cash typed beside it at once</source>
        <translation>Donne aussitôt à chaque place la cave initiale saisie à côté</translation>
    </message>
    <message>
        <source>Sets the chips above the initial cash that win the match</source>
        <translation>Fixe les jetons au-delà de la cave initiale qui gagnent la partie</translation>
    </message>
</context>
<context>
    <name>Character</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat&apos;s name and its style, as its portrait&apos;s tooltip shows them.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Tight and aggressive: plays few hands and plays them hard</source>
        <translation>Serré et agressif : joue peu de mains, mais les joue fort</translation>
    </message>
    <message>
        <source>Calling station: sees many flops and calls down far too light</source>
        <translation>Calling station : voit beaucoup de flops et suit bien trop facilement</translation>
    </message>
    <message>
        <source>Loose and passive: limps in with many hands, raises only when strong</source>
        <translation>Large et passif : entre avec beaucoup de mains, ne relance qu&apos;avec du jeu</translation>
    </message>
    <message>
        <source>Tricky: slow-plays her big hands, check-raises and semi-bluffs</source>
        <translation>Rusée : joue lentement ses grosses mains, fait des check-raises et des semi-bluffs</translation>
    </message>
    <message>
        <source>Rock: waits for premium hands, never bluffs</source>
        <translation>Roc : attend les meilleures mains, ne bluffe jamais</translation>
    </message>
    <message>
        <source>Solid regular: aggressive, uses his position, bluffs in balance</source>
        <translation>Habitué solide : agressif, joue sa position, bluffe avec mesure</translation>
    </message>
    <message>
        <source>Maniac: raises and re-raises with almost anything, bluffs often</source>
        <translation>Maniaque : relance et surrelance avec presque tout, bluffe souvent</translation>
    </message>
</context>
</TS>
