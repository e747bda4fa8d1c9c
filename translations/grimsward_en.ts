<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>gw::Application</name>
    <message>
        <source>Anwendungsfehler</source>
        <translation>Application error</translation>
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
        <translation>End game</translation>
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
    <name>gw::ReportPanel</name>
    <message>
        <source>Kampfbericht</source>
        <translation>Battle report</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
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
</context>
<context>
    <name>gw::SkirmishScreen</name>
    <message>
        <source>Karte:</source>
        <translation>Map:</translation>
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
        <translation>Special gear:</translation>
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
        <translation>Monthly tax income:</translation>
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
        <translation>Wood</translation>
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
        <translation>Not enough special gear in store!</translation>
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
</context>
<context>
    <name>gw::Tgw</name>
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
