<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>gw::Application</name>
    <message>
        <source>Anwendungsfehler</source>
        <translation>Application error</translation>
    </message>
    <message>
        <source>Grimsward läuft bereits in diesem Ordner (%1). Ein zweites Spiel würde den Spielstand, die Statistik und die Optionen des ersten überschreiben; bitte spielen Sie im Fenster des ersten weiter.</source>
        <translation>Grimsward is already running in this folder (%1). A second game would overwrite the first one&apos;s saved game, statistics and options; please go on playing in the first one&apos;s window.</translation>
    </message>
</context>
<context>
    <name>gw::AttackPanel</name>
    <message>
        <source>Bitte klicken Sie auf die gegnerische (blaue)</source>
        <translation>Please click the enemy&apos;s (blue) base</translation>
    </message>
    <message>
        <source>Basis, um den Angriff zu bestätigen !</source>
        <translation>to confirm the attack!</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitte klicken Sie auf die gegnerische (rote)</source>
        <translation>Please click the enemy&apos;s (red) base</translation>
    </message>
    <message>
        <source>Rekruten</source>
        <translation>Recruits</translation>
    </message>
    <message>
        <source>Infanteristen</source>
        <translation>Infantry</translation>
    </message>
    <message>
        <source>Scharfschützen</source>
        <translation>Snipers</translation>
    </message>
    <message>
        <source>Mörsertrupps</source>
        <translation>Mortar crews</translation>
    </message>
    <message>
        <source>Sondereinheiten</source>
        <translation>Special units</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&lt; 1 %</source>
        <translation>&lt; 1%</translation>
    </message>
    <message>
        <source>&gt; 99 %</source>
        <translation>&gt; 99%</translation>
    </message>
    <message>
        <source>Was die Würfel erwarten lassen:</source>
        <translation>What the dice&apos;s odds say:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>Erwarteter Schaden: ca. %1 HP</source>
        <translation>Expected damage: about %1 HP</translation>
    </message>
    <message>
        <source>Chance, die Basis zu zerstören: %1</source>
        <translation>Chance to destroy the base: %1</translation>
    </message>
</context>
<context>
    <name>gw::ConnectionPanel</name>
    <message>
        <source>Spielcode: %1</source>
        <translation>Game code: %1</translation>
    </message>
    <message>
        <source>Adresse: %1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>Adressen: %1</source>
        <translation>Addresses: %1</translation>
    </message>
    <message>
        <source>Ihr Mitspieler wählt Gefecht, Netzwerkspiel und Beitreten und gibt dort die Adresse, den Port und diesen Spielcode ein. Er spielt Blau; das Spiel geht weiter, wo es steht.</source>
        <translation>Your friend chooses Skirmish, Network game and Join and types in the address, the port and this game code there. Your friend plays Blue; the game goes on where it stands.</translation>
    </message>
    <message>
        <source>Solange der Gastgeber wartet, geht das Spiel mit demselben Code weiter, wo es stand.</source>
        <translation>While the host waits, the game goes on with the same code where it stood.</translation>
    </message>
    <message>
        <source>Der Gastgeber hat das Spiel gespeichert. Eröffnet er es wieder, treten Sie mit dem neuen Code bei.</source>
        <translation>The host has saved the game. When the host hosts it again, join with the new code.</translation>
    </message>
    <message>
        <source>Gegen den Computer weiterspielen</source>
        <translation>Go on against the computer</translation>
    </message>
    <message>
        <source>Erneut beitreten</source>
        <translation>Join again</translation>
    </message>
    <message>
        <source>Speichern und beenden</source>
        <translation>Save and leave</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>Gegner: %1</source>
        <translation>Opponent: %1</translation>
    </message>
</context>
<context>
    <name>gw::ConstructionPanel</name>
    <message>
        <source>Geschützturm</source>
        <translation>Gun tower</translation>
    </message>
    <message>
        <source>Bunker</source>
        <translation>Bunker</translation>
    </message>
    <message>
        <source>Minenfeld</source>
        <translation>Minefield</translation>
    </message>
    <message>
        <source>%1 Gold</source>
        <translation>%1 gold</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>gw::EnemyInfoPanel</name>
    <message>
        <source>Rekruten: %1</source>
        <translation>Recruits: %1</translation>
    </message>
    <message>
        <source>Infanteristen: %1</source>
        <translation>Infantry: %1</translation>
    </message>
    <message>
        <source>Scharfschützen: %1</source>
        <translation>Snipers: %1</translation>
    </message>
    <message>
        <source>Mörser: %1</source>
        <translation>Mortar crews: %1</translation>
    </message>
    <message>
        <source>Sondereinheiten: %1</source>
        <translation>Special units: %1</translation>
    </message>
    <message>
        <source>HP der Basis: %1</source>
        <translation>Base HP: %1</translation>
    </message>
    <message>
        <source>Geschütztürme: %1</source>
        <translation>Gun towers: %1</translation>
    </message>
    <message>
        <source>Bunker: %1</source>
        <translation>Bunkers: %1</translation>
    </message>
    <message>
        <source>Minenfelder: %1</source>
        <translation>Minefields: %1</translation>
    </message>
</context>
<context>
    <name>gw::GameController</name>
    <message>
        <source>Sie besitzen nicht genügend Gold !</source>
        <translation>Not enough gold!</translation>
    </message>
    <message>
        <source>Kasse</source>
        <translation>Treasury</translation>
    </message>
    <message>
        <source>Dieses Feld kann nicht angegriffen werden!</source>
        <translation>This field cannot be attacked!</translation>
    </message>
    <message>
        <source>Materiallager</source>
        <translation>Supply depot</translation>
    </message>
    <message>
        <source>Sie besitzen nicht genügend Gold oder Rekruten !</source>
        <translation>Not enough gold or recruits!</translation>
    </message>
    <message>
        <source>Sie besitzen nicht genügend Gold!</source>
        <translation>Not enough gold!</translation>
    </message>
</context>
<context>
    <name>gw::GameReportPanel</name>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Einkommen je Runde</source>
        <translation>Income per round</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Armeestärke</source>
        <translation>Army strength</translation>
    </message>
    <message>
        <source>HP der Basis</source>
        <translation>Base HP</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Angriffe</source>
        <translation>Attacks</translation>
    </message>
    <message>
        <source>Kämpfe gewonnen</source>
        <translation>Battles won</translation>
    </message>
    <message>
        <source>Schaden zugefügt</source>
        <translation>Damage dealt</translation>
    </message>
    <message>
        <source>Schaden erlitten</source>
        <translation>Damage taken</translation>
    </message>
    <message>
        <source>Land am Ende (Felder)</source>
        <translation>Land at the end (fields)</translation>
    </message>
    <message>
        <source>Größte Armee (Soldaten)</source>
        <translation>Largest army (soldiers)</translation>
    </message>
    <message>
        <source>Sie</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Gegner</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Spielbericht: %1 (%2)</source>
        <translation>Game report: %1 (%2)</translation>
    </message>
    <message>
        <source>zu zweit</source>
        <translation>two players</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Der Verlauf reicht nur bis Runde %1: danach passt die Aufzeichnung nicht mehr zum Spiel.</source>
        <translation>The report reaches only to round %1: after it the record no longer matches the game.</translation>
    </message>
</context>
<context>
    <name>gw::GameScreen</name>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Ausbilden</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Angreifen</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>Bauen</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Save &amp;&amp; exit</translation>
    </message>
    <message>
        <source>Runde beenden</source>
        <translation>End the round</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>gw::GlanceRow</name>
    <message>
        <source>Runde %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Ihre Basis: %1 HP</source>
        <translation>Your base: %1 HP</translation>
    </message>
    <message>
        <source>Gegner: %1 HP</source>
        <translation>Opponent: %1 HP</translation>
    </message>
    <message>
        <source>HP Ihrer Basis</source>
        <translation>Your base&apos;s hit points</translation>
    </message>
    <message>
        <source>HP der gegnerischen Basis</source>
        <translation>The opponent&apos;s base&apos;s hit points</translation>
    </message>
    <message>
        <source>Rot: %1 HP</source>
        <translation>Red: %1 HP</translation>
    </message>
    <message>
        <source>Blau: %1 HP</source>
        <translation>Blue: %1 HP</translation>
    </message>
    <message>
        <source>HP der roten Basis</source>
        <translation>HP of the red base</translation>
    </message>
    <message>
        <source>HP der blauen Basis</source>
        <translation>HP of the blue base</translation>
    </message>
</context>
<context>
    <name>gw::HintController</name>
    <message>
        <source>Tipp: Kaufen → Land kaufen → ein Feld. Land zahlt jede Runde, teures am meisten.</source>
        <translation>Tip: Buy → Buy land → a field. Land pays every round, dear land the most.</translation>
    </message>
    <message>
        <source>Tipp: Rekruten kämpfen erst nach Angreifen → Okay → Klick auf die blaue Basis.</source>
        <translation>Tip: recruits fight only after Attack → OK → a click on the blue base.</translation>
    </message>
    <message>
        <source>Tipp: Jede Truppe kämpft in eigener Stufe; wer durchkommt, nimmt der Basis 5 HP.</source>
        <translation>Tip: each force fights in a stage of its own; each that gets through costs the base 5 HP.</translation>
    </message>
    <message>
        <source>Der Gegner hat angegriffen. Tipp: Truppen und Bauten schützen die Basis.</source>
        <translation>The enemy attacked. Tip: troops and buildings defend your base.</translation>
    </message>
    <message>
        <source>Der Gegner hat gebaut. Tipp: Information → Gegner - Info zeigt es.</source>
        <translation>The enemy built. Tip: Information → Enemy info shows it.</translation>
    </message>
</context>
<context>
    <name>gw::InfoPanel</name>
    <message>
        <source>. : Information : .</source>
        <translation>. : Information : .</translation>
    </message>
    <message>
        <source>&lt;&lt; Felderkosten und - steuern</source>
        <translation>&lt;&lt; Land prices and taxes</translation>
    </message>
    <message>
        <source>Gegner - Info &gt;&gt;</source>
        <translation>Enemy info &gt;&gt;</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Geschütztürme: %1</source>
        <translation>Gun towers: %1</translation>
    </message>
    <message>
        <source>Bunker: %1</source>
        <translation>Bunkers: %1</translation>
    </message>
    <message>
        <source>Minenfelder: %1</source>
        <translation>Minefields: %1</translation>
    </message>
    <message>
        <source>Offensivstärke: ca. %1</source>
        <translation>Attack strength: about %1</translation>
    </message>
    <message>
        <source>Defensivstärke: ca. %1</source>
        <translation>Defence strength: about %1</translation>
    </message>
    <message>
        <source>HP der Basis: %1</source>
        <translation>Base HP: %1</translation>
    </message>
</context>
<context>
    <name>gw::Language</name>
    <message>
        <source>Deutsch</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>gw::MainMenu</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>gw::Map</name>
    <message>
        <source>Mittelmeer</source>
        <translation>Mediterranean</translation>
    </message>
    <message>
        <source>Big City Crisis</source>
        <translation>Big City Crisis</translation>
    </message>
    <message>
        <source>Gestrandet</source>
        <translation>Stranded</translation>
    </message>
</context>
<context>
    <name>gw::MapEditorController</name>
    <message>
        <source>%1 (als Kopie)</source>
        <translation>%1 (as a copy)</translation>
    </message>
    <message>
        <source>Karteneditor</source>
        <translation>Map editor</translation>
    </message>
    <message>
        <source>Die Änderungen an dieser Karte sind noch nicht gespeichert und gehen verloren. Trotzdem fortfahren?</source>
        <translation>The changes to this map are not saved yet and will be lost. Go on all the same?</translation>
    </message>
    <message>
        <source>Kopie von %1</source>
        <translation>Copy of %1</translation>
    </message>
    <message>
        <source>Eine eigene Karte &quot;%1&quot; gibt es schon. Soll sie überschrieben werden?</source>
        <translation>You already have a map called &quot;%1&quot;. Replace it?</translation>
    </message>
    <message>
        <source>Die Karte &quot;%1&quot; löschen? Die Datei %2 wird entfernt.</source>
        <translation>Delete the map &quot;%1&quot;? The file %2 will be removed.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelöscht werden.</source>
        <translation>The file %1 cannot be deleted.</translation>
    </message>
    <message>
        <source>Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der blauen Basis (Blue_Base), denn nur wer die gegnerische Basis zerstört, gewinnt.</source>
        <translation>The map cannot be saved like this: it needs at least one field of the blue base (Blue_Base), since only destroying the enemy base wins the game.</translation>
    </message>
    <message>
        <source>Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der roten Basis (Red_Base), denn das ist die Basis, die der Gegner angreift.</source>
        <translation>The map cannot be saved like this: it needs at least one field of the red base (Red_Base), since that is the base the enemy attacks.</translation>
    </message>
    <message>
        <source>%1 ist ein Verweis auf eine andere Datei. Soll er durch eine eigene Datei mit dieser Karte ersetzt werden? Die andere Datei bleibt, wie sie ist.</source>
        <translation>%1 is a link to another file. Replace the link by a file of this map&apos;s own? The other file stays as it is.</translation>
    </message>
    <message>
        <source>Das gespeicherte Spiel auf dieser Karte (Runde %1) kann danach nicht fortgesetzt werden.</source>
        <translation>The saved game on this map (round %1) can no longer be continued afterwards.</translation>
    </message>
</context>
<context>
    <name>gw::MapEditorScreen</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Steuern Rot:</source>
        <translation>Taxes Red:</translation>
    </message>
    <message>
        <source>Blau:</source>
        <translation>Blue:</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Spielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Pinsel: %1 · Rechtsklick nimmt ein Feld auf · Strg+Z nimmt zurück</source>
        <translation>Brush: %1 · right click picks up a field · Ctrl+Z undoes</translation>
    </message>
    <message>
        <source>Nicht gespeichert</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>Gespeichert.</source>
        <translation>Saved.</translation>
    </message>
</context>
<context>
    <name>gw::MessageBox</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>gw::NetGuestController</name>
    <message>
        <source>Verbinde mit %1 …</source>
        <translation>Connecting to %1 …</translation>
    </message>
    <message>
        <source>Wieder verbunden: Das Spiel geht weiter.</source>
        <translation>Connected again: the game goes on.</translation>
    </message>
    <message>
        <source>Rot hat das Spiel verlassen.</source>
        <translation>Red has left the game.</translation>
    </message>
    <message>
        <source>Grund: %1.</source>
        <translation>Reason: %1.</translation>
    </message>
</context>
<context>
    <name>gw::NetHostController</name>
    <message>
        <source>Es gibt kein gespeichertes Spiel zu zweit.</source>
        <translation>There is no saved game of two.</translation>
    </message>
    <message>
        <source>Diese Karte kann nicht über das Netzwerk gespielt werden: Sie hat Felder, die das Spiel nicht zeichnet.</source>
        <translation>This map cannot be played over the network: it has fields the game does not draw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (hostaddress= in options.cfg) ist keine IP-Adresse.</source>
        <translation>&quot;%1&quot; (hostaddress= in options.cfg) is no IP address.</translation>
    </message>
    <message>
        <source>Auf Port %1 kann kein Spiel eröffnet werden: %2</source>
        <translation>No game can be hosted on port %1: %2</translation>
    </message>
    <message>
        <source>Warte auf Blau …</source>
        <translation>Waiting for Blue …</translation>
    </message>
    <message>
        <source>Spiel eröffnet: Spielcode %1, Port %2, erreichbar unter %3</source>
        <translation>Game hosted: game code %1, port %2, reached at %3</translation>
    </message>
    <message>
        <source>Blau ist beigetreten (%1).</source>
        <translation>Blue has joined (%1).</translation>
    </message>
    <message>
        <source>Blau hat das Spiel verlassen.</source>
        <translation>Blue has left the game.</translation>
    </message>
    <message>
        <source>Grund: %1.</source>
        <translation>Reason: %1.</translation>
    </message>
    <message>
        <source>Abgewiesen: %1 (%2).</source>
        <translation>Turned away: %1 (%2).</translation>
    </message>
    <message>
        <source>Das Spiel geht gegen den Computer weiter (%1).</source>
        <translation>The game goes on against the computer (%1).</translation>
    </message>
    <message>
        <source>Das Spiel ist beendet; Blau wurde benachrichtigt.</source>
        <translation>The game is over; Blue has been told.</translation>
    </message>
</context>
<context>
    <name>gw::NetTexts</name>
    <message>
        <source>falscher Spielcode</source>
        <translation>a wrong game code</translation>
    </message>
    <message>
        <source>eine andere Version des Spiels</source>
        <translation>another version of the game</translation>
    </message>
    <message>
        <source>das Spiel hat schon einen Mitspieler</source>
        <translation>the game has its second player already</translation>
    </message>
    <message>
        <source>verlassen</source>
        <translation>left</translation>
    </message>
    <message>
        <source>eine Nachricht, die nicht zu lesen war</source>
        <translation>a message that could not be read</translation>
    </message>
    <message>
        <source>eine Nachricht über 64 KB</source>
        <translation>a message over 64 KB</translation>
    </message>
    <message>
        <source>ein Zug außer der Reihe</source>
        <translation>a move out of turn</translation>
    </message>
    <message>
        <source>ein Zug für die falsche Seite</source>
        <translation>a move for the wrong side</translation>
    </message>
    <message>
        <source>eine Nachricht zur falschen Zeit</source>
        <translation>a message at the wrong time</translation>
    </message>
    <message>
        <source>die Gegenseite hat die Verbindung beendet</source>
        <translation>the other side ended the connection</translation>
    </message>
    <message>
        <source>20 Sekunden ohne Antwort</source>
        <translation>no answer for 20 seconds</translation>
    </message>
    <message>
        <source>die Verbindung ist abgebrochen</source>
        <translation>the connection broke</translation>
    </message>
    <message>
        <source>keine Verbindung</source>
        <translation>no connection</translation>
    </message>
    <message>
        <source>keine Begrüßung</source>
        <translation>no greeting</translation>
    </message>
    <message>
        <source>Der Spielcode passt nicht zu diesem Spiel. Bitte fragen Sie den Gastgeber nach dem Code.</source>
        <translation>The game code does not fit this game. Please ask the host for the code.</translation>
    </message>
    <message>
        <source>Der Gastgeber spielt Grimsward %1, Sie spielen Grimsward %2. Zusammen spielen können nur gleiche Versionen.</source>
        <translation>The host plays Grimsward %1, you play Grimsward %2. Only the same versions can play together.</translation>
    </message>
    <message>
        <source>Dieses Spiel hat schon einen Mitspieler.</source>
        <translation>This game has its second player already.</translation>
    </message>
    <message>
        <source>Unter %1 ist kein Spiel zu erreichen (%2).</source>
        <translation>No game can be reached at %1 (%2).</translation>
    </message>
    <message>
        <source>%1 antwortet nicht.</source>
        <translation>%1 does not answer.</translation>
    </message>
    <message>
        <source>Unter %1 antwortet kein Spiel von Grimsward: %2.</source>
        <translation>No game of Grimsward answers at %1: %2.</translation>
    </message>
    <message>
        <source>Die Verbindung zu %1 ist unterbrochen.</source>
        <translation>The connection to %1 is broken.</translation>
    </message>
    <message>
        <source>Ein Spielcode hat sechs Zeichen, Buchstaben und Ziffern ohne 0, O, 1 und I (zum Beispiel K7MZQ4).</source>
        <translation>A game code has six characters, letters and digits without 0, O, 1 and I (K7MZQ4, for example).</translation>
    </message>
    <message>
        <source>Der Port ist eine Zahl von 1 bis 65535 (das Spiel nimmt sonst 47474).</source>
        <translation>The port is a number from 1 to 65535 (the game takes 47474 otherwise).</translation>
    </message>
    <message>
        <source>Netzwerkspiel</source>
        <translation>Network game</translation>
    </message>
</context>
<context>
    <name>gw::NetworkController</name>
    <message>
        <source>Netzwerkspiel: %1</source>
        <translation>Network game: %1</translation>
    </message>
    <message>
        <source>Gespeichertes Spiel: %1, Runde %2</source>
        <translation>Saved game: %1, round %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen oder die Adresse des Rechners ein, der das Spiel eröffnet hat.</source>
        <translation>Please type the name or the address of the computer that hosts the game.</translation>
    </message>
    <message>
        <source>Verbinde mit %1:%2 …</source>
        <translation>Connecting to %1:%2 …</translation>
    </message>
</context>
<context>
    <name>gw::NetworkPanel</name>
    <message>
        <source>Netzwerkspiel</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Spiel eröffnen</source>
        <translation>Host a game</translation>
    </message>
    <message>
        <source>Sie spielen Rot. Wählen Sie eine Karte oder Ihr gespeichertes Spiel zu zweit; Ihr Mitspieler braucht dann die Adresse, den Port und den Code, die das Spiel zeigt.</source>
        <translation>You play Red. Choose a map or your saved game of two; your friend then needs the address, the port and the code the game shows.</translation>
    </message>
    <message>
        <source>Spiel:</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Beitreten</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Sie spielen Blau. Geben Sie ein, was Ihnen der Gastgeber nennt: den Namen oder die Adresse seines Rechners, den Port und den Spielcode.</source>
        <translation>You play Blue. Type in what the host tells you: the name or the address of the host&apos;s computer, the port and the game code.</translation>
    </message>
    <message>
        <source>Rechner:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Spielcode:</source>
        <translation>Game code:</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>gw::OptionsScreen</name>
    <message>
        <source>Musik:</source>
        <translation>Music:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sound:</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>* Eingeschaltet *</source>
        <translation>* On *</translation>
    </message>
    <message>
        <source>* Ausgeschaltet *</source>
        <translation>* Off *</translation>
    </message>
    <message>
        <source>Gegner:</source>
        <translation>Opponent:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Musik-Lautstärke</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>Effekt-Lautstärke</source>
        <translation>Effects volume</translation>
    </message>
    <message>
        <source>Fenster:</source>
        <translation>Window:</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>Vollbild</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Tipps:</source>
        <translation>Hints:</translation>
    </message>
</context>
<context>
    <name>gw::PurchasePanel</name>
    <message>
        <source>Rekruten</source>
        <translation>Recruits</translation>
    </message>
    <message>
        <source>MGs</source>
        <translation>MGs</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Rifles</translation>
    </message>
    <message>
        <source>Mörser</source>
        <translation>Mortars</translation>
    </message>
    <message>
        <source>Specialpacks</source>
        <translation>Special packs</translation>
    </message>
    <message>
        <source>%1 Gold</source>
        <translation>%1 gold</translation>
    </message>
    <message>
        <source>Kosten:</source>
        <translation>Cost:</translation>
    </message>
    <message>
        <source>Land kaufen</source>
        <translation>Buy land</translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>gw::RecordKeeper</name>
    <message>
        <source>die Datei ist kein Spielstand von Grimsward</source>
        <translation>the file is not a Grimsward saved game</translation>
    </message>
    <message>
        <source>das Dateiformat hat die Version %1, gelesen wird Version %2</source>
        <translation>the file format is version %1; this game reads version %2</translation>
    </message>
    <message>
        <source>Zeile %1 enthält Steuerzeichen oder Binärdaten</source>
        <translation>line %1 holds control characters or binary data</translation>
    </message>
    <message>
        <source>Zeile %1: &apos;%2&apos; ist keine gültige Zahl</source>
        <translation>line %1: &apos;%2&apos; is not a valid number</translation>
    </message>
    <message>
        <source>Zeile %1: der Wert %2 ist hier nicht erlaubt</source>
        <translation>line %1: the value %2 is not allowed here</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannter Eintrag &apos;%2&apos;</source>
        <translation>line %1: unknown entry &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Zeile %1: der Eintrag &apos;%2&apos; steht doppelt</source>
        <translation>line %1: the entry &apos;%2&apos; appears twice</translation>
    </message>
    <message>
        <source>der Eintrag &apos;%1&apos; fehlt</source>
        <translation>the entry &apos;%1&apos; is missing</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Karte &apos;%2&apos;</source>
        <translation>line %1: unknown map &apos;%2&apos;</translation>
    </message>
    <message>
        <source>die Datei ist unvollständig</source>
        <translation>the file is incomplete</translation>
    </message>
    <message>
        <source>Zeile %1: unerwarteter Text &apos;%2&apos;</source>
        <translation>line %1: unexpected text &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Der gespeicherte Spielstand kann nicht fortgesetzt werden: %1. Die Datei %2 bleibt unverändert; ein neues Spiel legt sie als %3 beiseite.</source>
        <translation>The saved game cannot be continued: %1. The file %2 stays as it is; a new game puts it aside as %3.</translation>
    </message>
    <message>
        <source>Neuer Rekord!</source>
        <translation>New record!</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Das gespeicherte Spiel (%1, Runde %2) geht dabei verloren. Neues Spiel starten?</source>
        <translation>The saved game (%1, round %2) will be lost. Start a new game?</translation>
    </message>
</context>
<context>
    <name>gw::RecordLines</name>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Siege: %1 · Niederlagen: %2 · Rekord: %3 Runden</source>
        <translation>Wins: %1 · Losses: %2 · Record: %3 rounds</translation>
    </message>
    <message>
        <source>Siege: %1 · Niederlagen: %2 · Rekord: –</source>
        <translation>Wins: %1 · Losses: %2 · Record: –</translation>
    </message>
    <message>
        <source>%1, Runde %2</source>
        <translation>%1, round %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, zu zweit</source>
        <translation>%1, two players</translation>
    </message>
</context>
<context>
    <name>gw::ReplayBar</name>
    <message>
        <source>Anhalten</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>1 Runde/s</source>
        <translation>1 round/s</translation>
    </message>
    <message>
        <source>%1 Runden/s</source>
        <translation>%1 rounds/s</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Wiederholung: Runde %1 von %2</source>
        <translation>Replay: round %1 of %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>gw::ReplayController</name>
    <message>
        <source>Wiederholung</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>In Runde %1 passt die Aufzeichnung nicht mehr zum Spiel: %2</source>
        <translation>In round %1 the recording no longer matches the game: %2</translation>
    </message>
    <message>
        <source>sie ist keine Aufzeichnung eines Spiels von Grimsward</source>
        <translation>it is no recording of a Grimsward game</translation>
    </message>
    <message>
        <source>sie hat das Format %1, gelesen wird Format %2</source>
        <translation>it has format %1, format %2 is read</translation>
    </message>
    <message>
        <source>sie ist unvollständig</source>
        <translation>it is incomplete</translation>
    </message>
    <message>
        <source>Zeile %1 ist beschädigt</source>
        <translation>line %1 is damaged</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht wiedergegeben werden: %2.</source>
        <translation>The file %1 cannot be replayed: %2.</translation>
    </message>
    <message>
        <source>Der Zug &quot;%1&quot; ist nach den Regeln nicht möglich.</source>
        <translation>The move &quot;%1&quot; is not allowed by the rules.</translation>
    </message>
    <message>
        <source>Der Computer wählt &quot;%1&quot;, aufgezeichnet ist &quot;%2&quot;.</source>
        <translation>The computer chooses &quot;%1&quot;, the recording holds &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Der Zug von Blau fehlt.</source>
        <translation>Blue&apos;s move is missing.</translation>
    </message>
    <message>
        <source>Nach der Zerstörung der blauen Basis folgt noch ein Zug.</source>
        <translation>A move follows the destruction of the blue base.</translation>
    </message>
    <message>
        <source>Der Spielstand nach der Runde ist nicht der aufgezeichnete.</source>
        <translation>The game after the round is not the one recorded.</translation>
    </message>
    <message>
        <source>Zeile %1 der Datei ist beschädigt.</source>
        <translation>Line %1 of the file is damaged.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung endet, bevor das Spiel entschieden war.</source>
        <translation>The recording ends before the game was decided.</translation>
    </message>
    <message>
        <source>Das Spiel endet anders, als die Aufzeichnung sagt.</source>
        <translation>The game ends otherwise than the recording says.</translation>
    </message>
</context>
<context>
    <name>gw::ReportPanel</name>
    <message>
        <source>Kampfbericht</source>
        <translation>Battle report</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Spielbericht</source>
        <translation>Game report</translation>
    </message>
</context>
<context>
    <name>gw::ResultPanel</name>
    <message>
        <source>Sie haben gewonnen.</source>
        <translation>You have won.</translation>
    </message>
    <message>
        <source>Sie haben verloren.</source>
        <translation>You have lost.</translation>
    </message>
    <message>
        <source>Jippieh !!</source>
        <translation>Hooray!</translation>
    </message>
    <message>
        <source>Schade !</source>
        <translation>Too bad!</translation>
    </message>
    <message>
        <source>Spielbericht</source>
        <translation>Game report</translation>
    </message>
</context>
<context>
    <name>gw::RulesPanel</name>
    <message>
        <source>Spielregeln</source>
        <translation>Rules of the game</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>gw::RulesText</name>
    <message>
        <source>Rekrut</source>
        <translation>Recruit</translation>
    </message>
    <message>
        <source>Maschinengewehr (MG)</source>
        <translation>Machine gun (MG)</translation>
    </message>
    <message>
        <source>Scharfschützengewehr</source>
        <translation>Sniper rifle</translation>
    </message>
    <message>
        <source>Mörser</source>
        <translation>Mortar</translation>
    </message>
    <message>
        <source>Spezialausrüstung</source>
        <translation>Special pack</translation>
    </message>
    <message>
        <source>Infanterist</source>
        <translation>Infantryman</translation>
    </message>
    <message>
        <source>Scharfschütze</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>Mörsertrupp</source>
        <translation>Mortar crew</translation>
    </message>
    <message>
        <source>Sondereinheit</source>
        <translation>Special unit</translation>
    </message>
    <message>
        <source>Geschützturm</source>
        <translation>Gun tower</translation>
    </message>
    <message>
        <source>Bunker</source>
        <translation>Bunker</translation>
    </message>
    <message>
        <source>Minenfeld</source>
        <translation>Minefield</translation>
    </message>
    <message>
        <source>Rekruten</source>
        <translation>Recruits</translation>
    </message>
    <message>
        <source>Infanteristen</source>
        <translation>Infantry</translation>
    </message>
    <message>
        <source>Scharfschützen</source>
        <translation>Snipers</translation>
    </message>
    <message>
        <source>Mörsertrupps</source>
        <translation>Mortar crews</translation>
    </message>
    <message>
        <source>Sondereinheiten</source>
        <translation>Special units</translation>
    </message>
    <message>
        <source>Geschütztürme</source>
        <translation>Gun towers</translation>
    </message>
    <message>
        <source>Minenfelder</source>
        <translation>Minefields</translation>
    </message>
    <message>
        <source>%1: %2 Gold</source>
        <translation>%1: %2 gold</translation>
    </message>
    <message>
        <source>%1: 1 Rekrut, 1 %2 und %3 Gold</source>
        <translation>%1: 1 recruit, 1 %2 and %3 gold</translation>
    </message>
    <message>
        <source>%1: %2 Gold, danach %3 Gold Steuern je Runde</source>
        <translation>%1: %2 gold, then %3 gold in taxes every round</translation>
    </message>
    <message>
        <source>%1: Würfel mit %2 Seiten, eine 0 bei 1 von %2 Würfen</source>
        <translation>%1: a die with %2 sides, a 0 in 1 of %2 rolls</translation>
    </message>
    <message>
        <source>Ziel des Spiels</source>
        <translation>The aim of the game</translation>
    </message>
    <message>
        <source>Sie (Rot) und der Gegner (Blau) teilen eine Karte aus %1 × %2 Feldern. Jede Seite beginnt mit %3 Gold und einer Basis mit %4 HP. Sie gewinnen, sobald die gegnerische Basis in Ihrem Angriff auf 0 HP oder weniger fällt; Sie verlieren, wenn der Gegner das mit Ihrer Basis schafft. Ihr schnellster Sieg auf einer Karte ist Ihr Rekord.</source>
        <translation>You (red) and the enemy (blue) share a map of %1 × %2 fields. Each side starts with %3 gold and a base with %4 HP. You win as soon as your attack brings the enemy base down to 0 HP or below; you lose when the enemy does the same to yours. Your fastest win on a map is your record.</translation>
    </message>
    <message>
        <source>Ein Zug</source>
        <translation>A turn</translation>
    </message>
    <message>
        <source>In jedem Zug tun Sie genau eines davon; danach endet die Runde, und der Gegner zieht:</source>
        <translation>Each turn you do exactly one of these; then the round ends and the enemy moves:</translation>
    </message>
    <message>
        <source>%1: Rekruten und Ausrüstung kaufen, oder nach %2 ein freies Feld anklicken, das Ihnen dann gehört.</source>
        <translation>%1: buy recruits and equipment, or, after %2, click a free field to make it yours.</translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Land kaufen</source>
        <translation>Buy land</translation>
    </message>
    <message>
        <source>%1: Rekruten mit Ausrüstung zu Einheiten ausbilden.</source>
        <translation>%1: train recruits with equipment into units.</translation>
    </message>
    <message>
        <source>Ausbilden</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>%1: einen Geschützturm, einen Bunker oder ein Minenfeld für Ihre Basis bauen.</source>
        <translation>%1: build a gun tower, a bunker or a minefield for your base.</translation>
    </message>
    <message>
        <source>Bauen</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>%1, %2 und ein Klick auf ein Feld der gegnerischen Basis: angreifen.</source>
        <translation>%1, %2 and a click on a field of the enemy base: attack.</translation>
    </message>
    <message>
        <source>Angreifen</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Sanduhr: die Runde beenden, ohne etwas zu tun.</source>
        <translation>The hourglass: end the round without doing anything.</translation>
    </message>
    <message>
        <source>Was abgelehnt wird (zu wenig Gold, Ausrüstung oder Rekruten), kostet keinen Zug. %1 zeigt Ihre und die gegnerischen Zahlen und die Preise des Landes; das kostet ebenso wenig einen Zug wie diese Regeln.</source>
        <translation>Anything refused (too little gold, equipment or recruits) costs no turn. %1 shows your figures, the enemy&apos;s and the land prices; like these rules, it costs no turn.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Das Ende einer Runde</source>
        <translation>The end of a round</translation>
    </message>
    <message>
        <source>Die Runde wird gezählt, und Sie erhalten Ihre Steuern. Dann zieht der Gegner und erhält danach seine Steuern. Gold, Rekruten und Einheiten unter 0 werden auf 0 gesetzt. Das laufende Spiel wird nach jeder Runde gespeichert; im Gefecht setzt %1 es fort.</source>
        <translation>The round is counted and you collect your taxes. Then the enemy moves and collects its taxes. Gold, recruits and units below 0 are set back to 0. The game in progress is saved after every round; on the skirmish screen, %1 picks it up again.</translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Ausrüstung, je Stück:</source>
        <translation>Equipment, each:</translation>
    </message>
    <message>
        <source>Ausbildung, je Einheit:</source>
        <translation>Training, per unit:</translation>
    </message>
    <message>
        <source>Gebäude:</source>
        <translation>Buildings:</translation>
    </message>
    <message>
        <source>Land, einmal zu bezahlen; die Steuern kommen jede Runde hinzu:</source>
        <translation>Land, paid once; the taxes come in every round:</translation>
    </message>
    <message>
        <source>Der Kampf</source>
        <translation>The battle</translation>
    </message>
    <message>
        <source>Ein Angriff hat fünf Stufen; in jeder greift eine Truppe an: 1. Rekruten, 2. Infanteristen, 3. Scharfschützen, 4. Mörsertrupps, 5. Sondereinheiten. Solange die angreifende Truppe Einheiten hat, trifft sie auf den ersten Verteidiger, der noch steht, und würfelt gegen ihn. Der Würfel zeigt 0 bis Seitenzahl − 1:</source>
        <translation>An attack has five stages, each fought by one force: 1. recruits, 2. infantry, 3. snipers, 4. mortar crews, 5. special units. As long as the attacking force has units, it meets the first defender still standing and rolls a die against it. The die shows 0 to its number of sides − 1:</translation>
    </message>
    <message>
        <source>Bei 0 verliert der Verteidiger Einheiten: in Stufe 1 eine, in Stufe n zufällig 1 bis n.</source>
        <translation>On a 0 the defender loses units: one in stage 1, a random 1 to n in stage n.</translation>
    </message>
    <message>
        <source>Sonst verliert die angreifende Truppe so viele Einheiten, wie der Würfel zeigt.</source>
        <translation>Otherwise the attacking force loses as many units as the die shows.</translation>
    </message>
    <message>
        <source>Die Verteidiger in der Reihenfolge, in der sie kämpfen:</source>
        <translation>The defenders, in the order they fight:</translation>
    </message>
    <message>
        <source>Steht kein Verteidiger mehr, verliert die Basis %1 HP, und die Stufe ist vorbei. Eine Truppe ohne Einheiten richtet nichts aus. Der Gegner greift nach denselben Regeln an.</source>
        <translation>When no defender is left standing, the base loses %1 HP and the stage is over. A force without units does nothing. The enemy attacks by the same rules.</translation>
    </message>
    <message>
        <source>Der Gegner</source>
        <translation>The enemy</translation>
    </message>
    <message>
        <source>Am Ende jeder Runde führt der Gegner eine von zwölf Aktionen aus: fünf Käufe (Rekruten, MGs, Scharfschützengewehre, Mörser, Spezialausrüstung), vier Ausbildungen (Infanteristen, Scharfschützen, Mörsertrupps, Sondereinheiten), einen Bau, einen Angriff auf Ihre Basis oder das Besetzen eines Feldes. Wie er sie wählt, hängt von seiner Stufe ab, die %1 einstellt; ein Spiel behält die Stufe, mit der es begonnen hat:</source>
        <translation>At the end of every round the enemy carries out one of twelve actions: five purchases (recruits, MGs, sniper rifles, mortars, special packs), four trainings (infantry, snipers, mortar crews, special units), a building, an attack on your base, or taking a field. How it picks one depends on its level, set under %1; a game keeps the level it began with:</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>%1: Er lost jede Runde eine der zwölf Aktionen aus, jede gleich wahrscheinlich.</source>
        <translation>%1: it draws one of the twelve actions at random every round, each as likely as the others.</translation>
    </message>
    <message>
        <source>Leicht</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Schwer</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Er baut das teuerste Gebäude, das sein Gold erreicht, zu Ihren Preisen. Zum Besetzen zieht er auf Leicht ein zufälliges Feld: Ist es frei und reicht sein Gold an den Landpreis heran, gehört es ihm, ohne dass er zahlt, und seine Steuern steigen. Fehlt ihm für eine Aktion das Gold (beim Ausbilden auch Rekruten oder Ausrüstung), tut er in dieser Runde nichts. Auf keiner Stufe bekommt er Gold, Truppen oder Lebenspunkte geschenkt.</source>
        <translation>It builds the dearest building its gold reaches, at your prices. To take a field on Easy it draws one at random: if the field is free and its gold reaches the land price, the field is its own without paying, and its taxes rise. If it lacks the gold for an action (or, for training, the recruits or equipment), it does nothing that round. At no level is it given gold, troops or hit points.</translation>
    </message>
    <message>
        <source>%1: In etwa jeder zweiten Runde wählt er die Aktion, die ihm am meisten nützt; sonst lost er wie auf Leicht.</source>
        <translation>%1: in about every second round it works out the action that helps it most; otherwise it draws one, as on Easy.</translation>
    </message>
    <message>
        <source>%1: Er spielt jeden Zug, den er erwägt, gegen Ihre stärksten Antworten durch und wählt den, der ihm danach am meisten lässt: Er besetzt Land, verteidigt sich rechtzeitig gegen Ihre Truppen und greift an, wenn er auch nach Ihrer besten Antwort durchkommt.</source>
        <translation>%1: it plays every move it considers against your strongest replies and chooses the one that leaves it best off: it takes land, defends against your troops in time, and attacks when it gets through even after your best answer.</translation>
    </message>
    <message>
        <source>Auf Leicht und Mittel hängt, wie viel er kauft oder ausbildet, in drei Stufen von seinem Gold ab; zum Ausbilden braucht er Rekruten und so viel Ausrüstung, wie er Einheiten ausbildet, verbraucht die Ausrüstung aber nicht. Auf Schwer bestellt er wie Sie im Laden: eine Bestellung von bis zu 999 Stück jeder der fünf Sorten zu den Ladenpreisen, und eine Ausbildung von bis zu 999 Einheiten jeder der vier Arten zu den Ausbildungsgebühren; dabei verbraucht er wie Sie je Einheit einen Rekruten und ein Stück Ausrüstung.</source>
        <translation>On Easy and Normal, how much it buys or trains depends on its gold, in three steps; to train, it needs recruits and as much equipment as it trains units, but it does not use the equipment up. On Hard it orders like you in the shop: one order of up to 999 of each of the five kinds at the shop&apos;s prices, and one training of up to 999 units of each of the four kinds at the training fees, using up one recruit and one piece of equipment per unit, as you do.</translation>
    </message>
</context>
<context>
    <name>gw::ScreenSwitcher</name>
    <message>
        <source>Bestätigung</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Möchten Sie wirklich beenden?</source>
        <translation>Do you really want to quit?</translation>
    </message>
</context>
<context>
    <name>gw::SkirmishScreen</name>
    <message>
        <source>Karte:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Karteneditor</source>
        <translation>Map editor</translation>
    </message>
    <message>
        <source>Spiel gegen:</source>
        <translation>Play against:</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Mensch (am selben Bildschirm)</source>
        <translation>Human (same screen)</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Netzwerkspiel</source>
        <translation>Network game</translation>
    </message>
</context>
<context>
    <name>gw::StatsKeeper</name>
    <message>
        <source>Die Statistik in %1 ist beschädigt. Sie liegt jetzt unverändert in %2; die Zählung beginnt neu.</source>
        <translation>The statistics in %1 are damaged. They are kept unchanged in %2; counting starts afresh.</translation>
    </message>
    <message>
        <source>Die Statistik in %1 ist beschädigt und kann nicht nach %2 verschoben werden. Sie bleibt unverändert; bis zum Programmende wird nichts gespeichert.</source>
        <translation>The statistics in %1 are damaged and cannot be moved to %2. They stay as they are; nothing is saved until the game ends.</translation>
    </message>
</context>
<context>
    <name>gw::StatusStrip</name>
    <message>
        <source>Gold:</source>
        <translation>Gold:</translation>
    </message>
    <message>
        <source>Rekruten:</source>
        <translation>Recruits:</translation>
    </message>
    <message>
        <source>Maschinengewehre:</source>
        <translation>Machine guns:</translation>
    </message>
    <message>
        <source>Scharfschützengewehre:</source>
        <translation>Sniper rifles:</translation>
    </message>
    <message>
        <source>Spezialausrüstung:</source>
        <translation>Special packs:</translation>
    </message>
    <message>
        <source>Infanteristen:</source>
        <translation>Infantry:</translation>
    </message>
    <message>
        <source>Scharfschützen:</source>
        <translation>Snipers:</translation>
    </message>
    <message>
        <source>Sondereinheiten:</source>
        <translation>Special units:</translation>
    </message>
    <message>
        <source>Monatliche Steuererträge:</source>
        <translation>Tax income per round:</translation>
    </message>
    <message>
        <source>Mörser:</source>
        <comment>the equipment</comment>
        <translation>Mortars:</translation>
    </message>
    <message>
        <source>Mörser:</source>
        <comment>the units</comment>
        <translation>Mortar crews:</translation>
    </message>
    <message>
        <source>Land kaufen: Klicken Sie auf ein freies Feld.</source>
        <translation>Buy land: click a free field.</translation>
    </message>
    <message>
        <source>Angriff: Klicken Sie auf die blaue Basis.</source>
        <translation>Attack: click the blue base.</translation>
    </message>
    <message>
        <source>Gegner: %1</source>
        <translation>Opponent: %1</translation>
    </message>
    <message>
        <source>Runde %1 · %2</source>
        <translation>Round %1 · %2</translation>
    </message>
    <message>
        <source>Zu zweit</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>Angriff: Klicken Sie auf die rote Basis.</source>
        <translation>Attack: click the red base.</translation>
    </message>
    <message>
        <source>Rot ist am Zug …</source>
        <translation>Red to move …</translation>
    </message>
    <message>
        <source>Blau ist am Zug …</source>
        <translation>Blue to move …</translation>
    </message>
</context>
<context>
    <name>gw::TaxPanel</name>
    <message>
        <source>Kosten: %1 Gold</source>
        <translation>Price: %1 gold</translation>
    </message>
    <message>
        <source>Steuern: %1 Gold</source>
        <translation>Taxes: %1 gold</translation>
    </message>
</context>
<context>
    <name>gw::Terrain</name>
    <message>
        <source>Gras</source>
        <translation>Grass</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Wald</source>
        <translation>Forest</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Holz</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Blumen</source>
        <translation>Flowers</translation>
    </message>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Heliport</source>
        <translation>Heliport</translation>
    </message>
    <message>
        <source>Oase</source>
        <translation>Oasis</translation>
    </message>
    <message>
        <source>Getreidefeld</source>
        <translation>Cornfield</translation>
    </message>
    <message>
        <source>Wolkenkratzer</source>
        <translation>Skyscraper</translation>
    </message>
</context>
<context>
    <name>gw::Texts</name>
    <message>
        <source>Datei %1 kann nicht geöffnet werden</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht erstellt werden</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>Bitmap ist ungültig</source>
        <translation>The bitmap is not valid</translation>
    </message>
    <message>
        <source>Datei %1 enthält keine abspielbaren Audiodaten</source>
        <translation>The file %1 holds no playable sound</translation>
    </message>
    <message>
        <source>Nicht genügend MGs vorhanden !</source>
        <translation>Not enough machine guns in store!</translation>
    </message>
    <message>
        <source>Nicht genügend Sniper vorhanden !</source>
        <translation>Not enough sniper rifles in store!</translation>
    </message>
    <message>
        <source>Nicht genügend Mörser vorhanden !</source>
        <translation>Not enough mortars in store!</translation>
    </message>
    <message>
        <source>Nicht genügend Spezialausrüstung vorhanden !</source>
        <translation>Not enough special packs in store!</translation>
    </message>
    <message>
        <source>Sie haben die gegnerische Basis zerstört!</source>
        <translation>You destroyed the enemy base!</translation>
    </message>
    <message>
        <source>Ihre Basis wurde zerstört!</source>
        <translation>Your base has been destroyed!</translation>
    </message>
    <message>
        <source>Herzlichen Glückwunsch !!!</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>Niederlage !</source>
        <translation>Defeat!</translation>
    </message>
    <message>
        <source>Sie haben in %1 Runden gewonnen!</source>
        <translation>You won in %1 rounds!</translation>
    </message>
    <message>
        <source>Sie haben in %1 Runden verloren!</source>
        <translation>You lost after %1 rounds!</translation>
    </message>
    <message>
        <source>Der Gegner hat nichts getan.</source>
        <translation>The enemy did nothing.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Rekruten gekauft.</source>
        <translation>The enemy bought %1 recruits.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 MG gekauft.</source>
        <translation>The enemy bought 1 machine gun.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 MGs gekauft.</source>
        <translation>The enemy bought %1 machine guns.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Scharfschützengewehr gekauft.</source>
        <translation>The enemy bought 1 sniper rifle.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Scharfschützengewehre gekauft.</source>
        <translation>The enemy bought %1 sniper rifles.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Mörser gekauft.</source>
        <translation>The enemy bought %1 mortars.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Spezialausrüstung gekauft.</source>
        <translation>The enemy bought 1 special pack.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Spezialausrüstungen gekauft.</source>
        <translation>The enemy bought %1 special packs.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Infanteristen ausgebildet.</source>
        <translation>The enemy trained %1 infantrymen.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Scharfschützen ausgebildet.</source>
        <translation>The enemy trained %1 snipers.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Mörsertrupp ausgebildet.</source>
        <translation>The enemy trained 1 mortar crew.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Mörsertrupps ausgebildet.</source>
        <translation>The enemy trained %1 mortar crews.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Sondereinheit ausgebildet.</source>
        <translation>The enemy trained 1 special unit.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 Sondereinheiten ausgebildet.</source>
        <translation>The enemy trained %1 special units.</translation>
    </message>
    <message>
        <source>Der Gegner hat einen Geschützturm gebaut.</source>
        <translation>The enemy built a gun tower.</translation>
    </message>
    <message>
        <source>Der Gegner hat einen Bunker gebaut.</source>
        <translation>The enemy built a bunker.</translation>
    </message>
    <message>
        <source>Der Gegner hat ein Minenfeld gebaut.</source>
        <translation>The enemy laid a minefield.</translation>
    </message>
    <message>
        <source>Der Gegner hat angegriffen. Ihre Basis blieb unbeschädigt.</source>
        <translation>The enemy attacked. Your base took no damage.</translation>
    </message>
    <message>
        <source>Der Gegner hat angegriffen. Ihre Basis verlor %1 HP.</source>
        <translation>The enemy attacked. Your base lost %1 HP.</translation>
    </message>
    <message>
        <source>Der Gegner hat ein Feld besetzt (%1).</source>
        <translation>The enemy took a field (%1).</translation>
    </message>
    <message>
        <source>Rekruten</source>
        <translation>Recruits</translation>
    </message>
    <message>
        <source>Infanteristen</source>
        <translation>Infantry</translation>
    </message>
    <message>
        <source>Scharfschützen</source>
        <translation>Snipers</translation>
    </message>
    <message>
        <source>Mörsertrupps</source>
        <translation>Mortar crews</translation>
    </message>
    <message>
        <source>Sondereinheiten</source>
        <translation>Special units</translation>
    </message>
    <message>
        <source>Geschütztürme</source>
        <translation>Gun towers</translation>
    </message>
    <message>
        <source>Bunker</source>
        <translation>Bunkers</translation>
    </message>
    <message>
        <source>Minenfelder</source>
        <translation>Minefields</translation>
    </message>
    <message>
        <source>Ihr Angriff auf die gegnerische Basis</source>
        <translation>Your attack on the enemy base</translation>
    </message>
    <message>
        <source>Angriff des Gegners auf Ihre Basis</source>
        <translation>The enemy&apos;s attack on your base</translation>
    </message>
    <message>
        <source>%1. %2 (%3): kein Einsatz</source>
        <translation>%1. %2 (%3): stayed back</translation>
    </message>
    <message>
        <source>1 Wurf</source>
        <translation>1 roll</translation>
    </message>
    <message>
        <source>%1 Würfe</source>
        <translation>%1 rolls</translation>
    </message>
    <message>
        <source>Verluste: Angreifer %1, Verteidiger %2</source>
        <translation>losses: attackers %1, defenders %2</translation>
    </message>
    <message>
        <source>Verluste: Angreifer %1, Verteidiger %2 (%3)</source>
        <translation>losses: attackers %1, defenders %2 (%3)</translation>
    </message>
    <message>
        <source>%1. %2 (%3): %4; %5; Schaden %6</source>
        <translation>%1. %2 (%3): %4; %5; damage %6</translation>
    </message>
    <message>
        <source>HP der Basis: %1 -&gt; %2</source>
        <translation>Base HP: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Rekruten gekauft.</source>
        <translation>The enemy bought 1 recruit.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Mörser gekauft.</source>
        <translation>The enemy bought 1 mortar.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Infanteristen ausgebildet.</source>
        <translation>The enemy trained 1 infantryman.</translation>
    </message>
    <message>
        <source>Der Gegner hat 1 Scharfschützen ausgebildet.</source>
        <translation>The enemy trained 1 sniper.</translation>
    </message>
    <message>
        <source>Der Gegner griff ohne Truppen an.</source>
        <translation>The enemy attacked without any troops.</translation>
    </message>
    <message>
        <source>HP der Basis: %1 -&gt; 0, zerstört</source>
        <translation>Base HP: %1 -&gt; 0, destroyed</translation>
    </message>
    <message>
        <source>Leicht</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Schwer</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Bitte geben Sie der Karte einen Namen.</source>
        <translation>Please give the map a name.</translation>
    </message>
    <message>
        <source>Der Name enthält Zeichen, die kein Text sind.</source>
        <translation>The name holds bytes that are not text.</translation>
    </message>
    <message>
        <source>Der Name darf keine Steuerzeichen (Tabulator, Zeilenumbruch und dergleichen) enthalten.</source>
        <translation>The name must not hold control characters (a tab, a line break and the like).</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch &quot;\&quot; enthalten.</source>
        <translation>The name must hold neither &quot;/&quot; nor &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Der Name darf nicht nur aus Punkten bestehen.</source>
        <translation>The name must not be dots only.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang: höchstens %1 Zeichen.</source>
        <translation>The name is too long: %1 characters at most.</translation>
    </message>
    <message>
        <source>So heißt schon eine mitgelieferte Karte. Bitte wählen Sie einen anderen Namen.</source>
        <translation>A map that comes with the game has that name. Please choose another one.</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Basis (%1)</source>
        <translation>Base (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rot hat die blaue Basis zerstört!</source>
        <translation>Red has destroyed the blue base!</translation>
    </message>
    <message>
        <source>Blau hat die rote Basis zerstört!</source>
        <translation>Blue has destroyed the red base!</translation>
    </message>
    <message>
        <source>Rot ist am Zug</source>
        <translation>Red to move</translation>
    </message>
    <message>
        <source>Blau ist am Zug</source>
        <translation>Blue to move</translation>
    </message>
    <message>
        <source>Rot ist am Zug – klicken, wenn Blau wegschaut.</source>
        <translation>Red to move – click when Blue looks away.</translation>
    </message>
    <message>
        <source>Blau ist am Zug – klicken, wenn Rot wegschaut.</source>
        <translation>Blue to move – click when Red looks away.</translation>
    </message>
    <message>
        <source>Rot hat gewonnen!</source>
        <translation>Red has won!</translation>
    </message>
    <message>
        <source>Blau hat gewonnen!</source>
        <translation>Blue has won!</translation>
    </message>
    <message>
        <source>in Runde %1</source>
        <translation>in round %1</translation>
    </message>
    <message>
        <source>Auf dieser Karte hat Rot keine Basis (Red_Base). Sie kann nur gegen den Computer gespielt werden.</source>
        <translation>Red has no base on this map (Red_Base). It can only be played against the computer.</translation>
    </message>
    <message>
        <source>Auf dieser Karte hat Blau keine Basis (Blue_Base). Sie kann nur gegen den Computer gespielt werden.</source>
        <translation>Blue has no base on this map (Blue_Base). It can only be played against the computer.</translation>
    </message>
    <message>
        <source>Angriff von Rot auf die blaue Basis</source>
        <translation>Red&apos;s attack on the blue base</translation>
    </message>
    <message>
        <source>Angriff von Blau auf die rote Basis</source>
        <translation>Blue&apos;s attack on the red base</translation>
    </message>
    <message>
        <source>1 Rekruten</source>
        <translation>1 recruit</translation>
    </message>
    <message>
        <source>%1 Rekruten</source>
        <translation>%1 recruits</translation>
    </message>
    <message>
        <source>1 MG</source>
        <translation>1 machine gun</translation>
    </message>
    <message>
        <source>%1 MGs</source>
        <translation>%1 machine guns</translation>
    </message>
    <message>
        <source>1 Scharfschützengewehr</source>
        <translation>1 sniper rifle</translation>
    </message>
    <message>
        <source>%1 Scharfschützengewehre</source>
        <translation>%1 sniper rifles</translation>
    </message>
    <message>
        <source>1 Mörser</source>
        <translation>1 mortar</translation>
    </message>
    <message>
        <source>%1 Mörser</source>
        <translation>%1 mortars</translation>
    </message>
    <message>
        <source>1 Spezialausrüstung</source>
        <translation>1 special pack</translation>
    </message>
    <message>
        <source>%1 Spezialausrüstungen</source>
        <translation>%1 special packs</translation>
    </message>
    <message>
        <source>1 Infanteristen</source>
        <translation>1 infantryman</translation>
    </message>
    <message>
        <source>%1 Infanteristen</source>
        <translation>%1 infantrymen</translation>
    </message>
    <message>
        <source>1 Scharfschützen</source>
        <translation>1 sniper</translation>
    </message>
    <message>
        <source>%1 Scharfschützen</source>
        <translation>%1 snipers</translation>
    </message>
    <message>
        <source>1 Mörsertrupp</source>
        <translation>1 mortar crew</translation>
    </message>
    <message>
        <source>%1 Mörsertrupps</source>
        <translation>%1 mortar crews</translation>
    </message>
    <message>
        <source>1 Sondereinheit</source>
        <translation>1 special unit</translation>
    </message>
    <message>
        <source>%1 Sondereinheiten</source>
        <translation>%1 special units</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Der Gegner hat %1 gekauft.</source>
        <translation>The enemy bought %1.</translation>
    </message>
    <message>
        <source>Der Gegner hat %1 ausgebildet.</source>
        <translation>The enemy trained %1.</translation>
    </message>
    <message>
        <source>Der Gegner hat eingekauft.</source>
        <translation>The enemy went shopping.</translation>
    </message>
</context>
<context>
    <name>gw::TrainingPanel</name>
    <message>
        <source>Infanteristen</source>
        <translation>Infantry</translation>
    </message>
    <message>
        <source>Scharfschützen</source>
        <translation>Snipers</translation>
    </message>
    <message>
        <source>Mörser</source>
        <translation>Mortar crews</translation>
    </message>
    <message>
        <source>Sondereinheiten</source>
        <translation>Special units</translation>
    </message>
    <message>
        <source>%1 Gold</source>
        <translation>%1 gold</translation>
    </message>
    <message>
        <source>Kosten:</source>
        <translation>Cost:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ausbilden</source>
        <translation>Train</translation>
    </message>
</context>
</TS>
