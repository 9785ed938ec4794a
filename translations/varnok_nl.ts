<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>ignoring the unknown argument %1 (varnok --help lists what it takes)</source>
        <translation>het onbekende argument %1 wordt genegeerd (varnok --help noemt wat het aanneemt)</translation>
    </message>
    <message>
        <source>Usage: varnok [--help | --version | --record FILE | --play FILE [--check]]

Varnok is a model railway: up to three trains run on a fixed track with three
junctions, each at the pace of its own throttle, steered with the arrow keys.

  -h, --help     show this help and exit
      --version  show the name and version and exit
      --record FILE  run as usual, and write the drive (the start, every input
                     with its time, the end state at Quit) to FILE
      --play FILE    open the windows at FILE&apos;s start and play its inputs; the
                     settings are neither read nor written, and you drive on
                     from where it ends
      --check        with --play, run the drive without windows as fast as it
                     goes, and exit 0 if it reaches its recorded end, else 1
Qt&apos;s own options, such as -platform xcb, are taken as Qt takes them.

Settings: %1
  written at Quit; delete it, with Varnok not running, to start from the defaults.

Environment:
  XDG_CONFIG_HOME  the folder of the settings (~/.config when unset)
  QT_QPA_PLATFORM  the window system; when unset, X11 where an X server answers
                   on DISPLAY (it alone lets windows open where they were last),
                   else Wayland
  QT_SCALE_FACTOR  makes every window larger, for example 2 on a dense screen
  XDG_RUNTIME_DIR  a folder of yours alone (mode 0700) for the lock that keeps one
                   Varnok to a settings file; when unset, runtime-USER in /tmp
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   the language of the windows and the messages

The manual: man varnok
</source>
        <translation>Gebruik: varnok [--help | --version | --record BESTAND
                | --play BESTAND [--check]]

Varnok is een modelspoorbaan: tot drie treinen rijden op een vaste baan met drie
wissels, elk in het tempo van de eigen rijregelaar, gestuurd met de
pijltjestoetsen.

  -h, --help     deze hulp tonen en stoppen
      --version  naam en versie tonen en stoppen
      --record BESTAND  gewoon rijden en de rit (het begin, elke invoer met
                        zijn tijd, de eindstand bij Afsluiten) naar BESTAND
                        schrijven
      --play BESTAND    de vensters openen bij het begin van BESTAND en de
                        invoer afspelen; de instellingen worden niet gelezen of
                        geschreven, en u rijdt verder waar de rit eindigt
      --check           met --play de rit zonder vensters zo snel mogelijk
                        afspelen; status 0 als hij zijn opgenomen einde haalt,
                        anders 1
De eigen opties van Qt, zoals -platform xcb, neemt Qt zelf aan.

Instellingen: %1
  geschreven bij Afsluiten; verwijder het bestand terwijl Varnok niet draait om
  met de standaardwaarden te beginnen.

Omgeving:
  XDG_CONFIG_HOME  de map van de instellingen (~/.config als niet ingesteld)
  QT_QPA_PLATFORM  het venstersysteem; als niet ingesteld X11 waar een X-server
                   op DISPLAY antwoordt (alleen daar openen vensters waar ze het
                   laatst waren), anders Wayland
  QT_SCALE_FACTOR  maakt elk venster groter, bijvoorbeeld 2 op een dicht scherm
  XDG_RUNTIME_DIR  een map van u alleen (modus 0700) voor het slot dat een
                   instellingenbestand aan één Varnok houdt; als niet ingesteld
                   runtime-GEBRUIKER in /tmp
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   de taal van de vensters en de meldingen

De handleiding: man varnok
</translation>
    </message>
    <message>
        <source>%1 needs the file of the drive (varnok --help lists what it takes)</source>
        <translation>%1 heeft het bestand van de rit nodig (varnok --help noemt wat het aanneemt)</translation>
    </message>
    <message>
        <source>one drive at a time: --record and --play take one file between them (varnok --help lists what it takes)</source>
        <translation>één rit tegelijk: --record en --play nemen samen één bestand (varnok --help noemt wat het aanneemt)</translation>
    </message>
    <message>
        <source>--check checks the drive that --play names (varnok --help lists what it takes)</source>
        <translation>--check controleert de rit die --play noemt (varnok --help noemt wat het aanneemt)</translation>
    </message>
</context>
<context>
    <name>DriveFile</name>
    <message>
        <source>cannot play the drive %1: there is no such file</source>
        <translation>de rit %1 kan niet afgespeeld worden: dat bestand bestaat niet</translation>
    </message>
    <message>
        <source>cannot play the drive %1: at %2 bytes it is larger than a drive can be (%3)</source>
        <translation>de rit %1 kan niet afgespeeld worden: met %2 bytes is hij groter dan een rit kan zijn (%3)</translation>
    </message>
    <message>
        <source>cannot play the drive %1: %2</source>
        <translation>de rit %1 kan niet afgespeeld worden: %2</translation>
    </message>
</context>
<context>
    <name>DriveRecorderText</name>
    <message>
        <source>cannot record the drive to %1: it is not a regular file</source>
        <translation>de rit kan niet in %1 opgenomen worden: dat is geen gewoon bestand</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: it is the settings file</source>
        <translation>de rit kan niet in %1 opgenomen worden: dat is het instellingenbestand</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: %2</source>
        <translation>de rit kan niet in %1 opgenomen worden: %2</translation>
    </message>
    <message>
        <source>the drive %1 cannot be written on: %2; it keeps what was written before, and the run goes on without recording</source>
        <translation>de rit %1 kan niet verder geschreven worden: %2; hij houdt wat eerder geschreven is, en de loop gaat door zonder opname</translation>
    </message>
</context>
<context>
    <name>DriveReport</name>
    <message>
        <source>the time</source>
        <translation>de tijd</translation>
    </message>
    <message>
        <source>the stall&apos;s start</source>
        <translation>het begin van de hapering</translation>
    </message>
    <message>
        <source>the train</source>
        <translation>de trein</translation>
    </message>
    <message>
        <source>the key code</source>
        <translation>de toetscode</translation>
    </message>
    <message>
        <source>the shift state</source>
        <translation>de stand van de wijzigingstoetsen</translation>
    </message>
    <message>
        <source>a cell</source>
        <translation>een vak</translation>
    </message>
    <message>
        <source>a colour</source>
        <translation>een kleur</translation>
    </message>
    <message>
        <source>not a drive: it does not begin with &quot;varnok drive %1&quot;</source>
        <translation>geen rit: hij begint niet met &quot;varnok drive %1&quot;</translation>
    </message>
    <message>
        <source>a drive of format %1, which this Varnok does not know (it reads format %2)</source>
        <translation>een rit in formaat %1, dat deze Varnok niet kent (hij leest formaat %2)</translation>
    </message>
    <message>
        <source>the drive ends before its %1 line</source>
        <translation>de rit houdt op vóór zijn %1-regel</translation>
    </message>
    <message>
        <source>a line needs a time and what happened</source>
        <translation>een regel heeft een tijd nodig en wat er gebeurde</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number</source>
        <translation>%1 %2 is geen geheel getal</translation>
    </message>
    <message>
        <source>%1 %2 is not within %3..%4</source>
        <translation>%1 %2 ligt niet in %3..%4</translation>
    </message>
    <message>
        <source>expected %1=..., found %2</source>
        <translation>%1=... verwacht, %2 gevonden</translation>
    </message>
    <message>
        <source>expected %1 words, found %2</source>
        <translation>%1 woorden verwacht, %2 gevonden</translation>
    </message>
    <message>
        <source>the time %1 goes back from %2</source>
        <translation>de tijd %1 ligt vóór %2</translation>
    </message>
    <message>
        <source>expected the %1 line at %2</source>
        <translation>de %1-regel op %2 verwacht</translation>
    </message>
    <message>
        <source>a run starts with no key held</source>
        <translation>een loop begint zonder ingedrukte toets</translation>
    </message>
    <message>
        <source>train %1 does not start as a start leaves it: on a node cell, with no run, no body and interval 0</source>
        <translation>trein %1 begint niet zoals een start hem achterlaat: op een knooppuntvak, zonder traject, zonder worm en met interval 0</translation>
    </message>
    <message>
        <source>expected train %1</source>
        <translation>trein %1 verwacht</translation>
    </message>
    <message>
        <source>a body of more than %1 cells</source>
        <translation>een worm van meer dan %1 vakken</translation>
    </message>
    <message>
        <source>the track has no cell %1</source>
        <translation>de baan heeft geen vak %1</translation>
    </message>
    <message>
        <source>interval %1 is not the throttle&apos;s</source>
        <translation>interval %1 is niet dat van de rijregelaar</translation>
    </message>
    <message>
        <source>no entry is called %1</source>
        <translation>geen soort regel heet %1</translation>
    </message>
    <message>
        <source>the digest %1 is not 16 lower-case hexadecimal digits</source>
        <translation>de controlesom %1 bestaat niet uit 16 kleine hexadecimale cijfers</translation>
    </message>
    <message>
        <source>nothing may follow the end</source>
        <translation>na het einde mag niets volgen</translation>
    </message>
    <message>
        <source>the digest %1 is not that of the end state above it</source>
        <translation>de controlesom %1 is niet die van de eindstand erboven</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>the number of trains is %1 where the drive has %2</source>
        <translation>het aantal treinen is %1 waar de rit %2 heeft</translation>
    </message>
    <message>
        <source>the controlled train is %1 where the drive has %2</source>
        <translation>de bestuurde trein is %1 waar de rit %2 heeft</translation>
    </message>
    <message>
        <source>the track colour is %1 where the drive has %2</source>
        <translation>de kleur van de baan is %1 waar de rit %2 heeft</translation>
    </message>
    <message>
        <source>the key held is %1 where the drive has %2</source>
        <translation>de ingedrukte toets is %1 waar de rit %2 heeft</translation>
    </message>
    <message>
        <source>train %1&apos;s %2 is %3 where the drive has %4</source>
        <translation>bij trein %1 is %2 %3 waar de rit %4 heeft</translation>
    </message>
    <message>
        <source>train %1&apos;s body cell %2 is %3 where the drive has %4</source>
        <translation>bij trein %1 is wormvak %2 %3 waar de rit %4 heeft</translation>
    </message>
    <message>
        <source>the colour of cell %1 is %2 where the drive has %3</source>
        <translation>de kleur van vak %1 is %2 waar de rit %3 heeft</translation>
    </message>
    <message>
        <source>the drive reached its recorded end at %1 ms, digest %2</source>
        <translation>de rit heeft zijn opgenomen einde bereikt op %1 ms, controlesom %2</translation>
    </message>
    <message>
        <source>the run differs</source>
        <translation>de loop wijkt af</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: the run departs from it at %1 ms; at %2 ms %3</source>
        <translation>de rit heeft zijn opgenomen einde niet bereikt: de loop wijkt er op %1 ms van af; op %2 ms: %3</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: at %1 ms %2</source>
        <translation>de rit heeft zijn opgenomen einde niet bereikt: op %1 ms: %2</translation>
    </message>
    <message>
        <source>the drive played to its last input, at %1 ms; it has no recorded end to compare with</source>
        <translation>de rit is afgespeeld tot zijn laatste invoer, op %1 ms; hij heeft geen opgenomen einde om mee te vergelijken</translation>
    </message>
    <message>
        <source>head</source>
        <translation>het kopvak</translation>
    </message>
    <message>
        <source>next</source>
        <translation>het volgende knooppunt</translation>
    </message>
    <message>
        <source>start</source>
        <translation>het begin van het traject</translation>
    </message>
    <message>
        <source>end</source>
        <translation>het eind van het traject</translation>
    </message>
    <message>
        <source>length</source>
        <translation>de lengte</translation>
    </message>
    <message>
        <source>color</source>
        <translation>de kleur</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>de snelheid</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>de rijregelaar</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>het interval</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>de Ctrl-vlag</translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Klr</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Lgt</translation>
    </message>
    <message>
        <source>Worm</source>
        <translation>Worm</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 van trein %1</translation>
    </message>
    <message>
        <source>stored speed</source>
        <translation>Opgeslagen snelheid</translation>
    </message>
    <message>
        <source>head cell</source>
        <translation>Kopvak</translation>
    </message>
    <message>
        <source>colour number</source>
        <translation>Kleurnummer</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>Vakken</translation>
    </message>
    <message>
        <source>TrainCount</source>
        <translation>Treinen</translation>
    </message>
    <message>
        <source>Number of trains</source>
        <translation>Aantal treinen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Hide this window; it keeps following the trains</source>
        <translation>Dit venster verbergen; het blijft de treinen volgen</translation>
    </message>
    <message>
        <source>Held key code</source>
        <translation>Code van de ingedrukte toets</translation>
    </message>
</context>
<context>
    <name>ProgramSetup</name>
    <message>
        <source>this window system (Wayland) does not let programs place their windows: they open where it puts them, and Quit keeps the places saved before</source>
        <translation>dit venstersysteem (Wayland) laat programma&apos;s hun vensters niet plaatsen: ze openen waar het ze neerzet, en Afsluiten houdt de eerder opgeslagen plaatsen</translation>
    </message>
    <message>
        <source>the track&apos;s node cells are inconsistent: %1</source>
        <translation>de wisselvakken van de baan spreken elkaar tegen: %1</translation>
    </message>
</context>
<context>
    <name>RuntimeFolder</name>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>%1 kan niet bekeken worden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 is een symbolische koppeling</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 is van een andere gebruiker (uid %2)</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700</source>
        <translation>%1 heeft modus %2, niet 0700</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR is niet ingesteld</translation>
    </message>
    <message>
        <source>no runtime folder of your own to keep one Varnok to a settings file: %1, and %2; set XDG_RUNTIME_DIR to a folder of your own with mode 0700</source>
        <translation>geen eigen runtimemap om een instellingenbestand aan één Varnok te houden: %1, en %2; stel XDG_RUNTIME_DIR in op een eigen map met modus 0700</translation>
    </message>
</context>
<context>
    <name>SettingsReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file</source>
        <translation>%1 is een map, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a regular file</source>
        <translation>%1 is een FIFO, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is a character device, not a regular file</source>
        <translation>%1 is een tekenapparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is a block device, not a regular file</source>
        <translation>%1 is een blokapparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is a socket, not a regular file</source>
        <translation>%1 is een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>het kan niet gelezen worden: %1</translation>
    </message>
    <message>
        <source>it</source>
        <translation>het</translation>
    </message>
    <message>
        <source>it cannot be read: at %1 bytes it is larger than a settings file can be (%2)</source>
        <translation>het kan niet gelezen worden: met %1 bytes is het groter dan een instellingenbestand kan zijn (%2)</translation>
    </message>
    <message>
        <source>its link %1 cannot be read: %2</source>
        <translation>de koppeling %1 ervan kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>it leads through more than %1 symbolic links, or round in a loop</source>
        <translation>het loopt via meer dan %1 symbolische koppelingen, of in een kring rond</translation>
    </message>
    <message>
        <source>the file it links to, %1,</source>
        <translation>het bestand waarnaar het verwijst, %1,</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made: %2</source>
        <translation>de map %1 ervan kan niet gemaakt worden: %2</translation>
    </message>
    <message>
        <source>the new file %1 cannot be made: %2</source>
        <translation>het nieuwe bestand %1 kan niet gemaakt worden: %2</translation>
    </message>
    <message>
        <source>writing %1 failed: %2</source>
        <translation>het schrijven van %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>flushing %1 failed: %2</source>
        <translation>het wegschrijven van %1 naar de schijf is mislukt: %2</translation>
    </message>
    <message>
        <source>the new file %1 does not read back as it was written</source>
        <translation>het nieuwe bestand %1 leest niet terug zoals het geschreven is</translation>
    </message>
    <message>
        <source>closing %1 failed: %2</source>
        <translation>het sluiten van %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>renaming %1 over it failed: %2</source>
        <translation>het hernoemen van %1 op de plaats ervan is mislukt: %2</translation>
    </message>
    <message>
        <source>renaming %1 over the file it links to, %2, failed: %3</source>
        <translation>het hernoemen van %1 op de plaats van het bestand waarnaar het verwijst, %2, is mislukt: %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>is geen geheel getal</translation>
    </message>
    <message>
        <source>is not in %1..%2</source>
        <translation>ligt niet in %1..%2</translation>
    </message>
    <message>
        <source>is not True, False or a number</source>
        <translation>is geen True, False of getal</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>is geen eindig getal</translation>
    </message>
    <message>
        <source>does not fit the rows of %1 = %2</source>
        <translation>past niet bij de rijen van %1 = %2</translation>
    </message>
    <message>
        <source>settings: %1: %2; every setting takes its default, and Quit leaves the file as it is</source>
        <translation>instellingen: %1: %2; elke instelling krijgt haar standaardwaarde, en Afsluiten laat het bestand zoals het is</translation>
    </message>
    <message>
        <source>settings: %1: line %2 is not a setting; it is kept as it is</source>
        <translation>instellingen: %1: regel %2 is geen instelling; ze blijft zoals ze is</translation>
    </message>
    <message>
        <source>settings: %1: lines %2 are not settings; they are kept as they are</source>
        <translation>instellingen: %1: regels %2 zijn geen instellingen; ze blijven zoals ze zijn</translation>
    </message>
    <message>
        <source>settings: %1 is given %2 times; the last one counts</source>
        <translation>instellingen: %1 staat er %2 keer; de laatste telt</translation>
    </message>
    <message>
        <source>settings: %1 is not a Varnok setting; it is kept as it is</source>
        <translation>instellingen: %1 is geen instelling van Varnok; ze blijft zoals ze is</translation>
    </message>
    <message>
        <source>settings: [%1] %2 = %3 %4; using %5</source>
        <translation>instellingen: [%1] %2 = %3 %4; %5 wordt gebruikt</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, its default place</source>
        <translation>instellingen: [%1] Left = %2, Top = %3 laten te weinig van het venster op zijn scherm om het te bereiken; Left = %4, Top = %5 wordt gebruikt, zijn standaardplaats</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>instellingen: [%1] Left = %2, Top = %3 laten te weinig van het venster op zijn scherm om het te bereiken; Left = %4, Top = %5 wordt gebruikt, naar zijn scherm verschoven</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it, and so does its default place; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>instellingen: [%1] Left = %2, Top = %3 laten te weinig van het venster op zijn scherm om het te bereiken, en zijn standaardplaats ook; Left = %4, Top = %5 wordt gebruikt, naar zijn scherm verschoven</translation>
    </message>
    <message>
        <source>settings: %1 more keys given twice or unknown</source>
        <translation>instellingen: nog %1 dubbele of onbekende sleutels</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2%3</source>
        <translation>de instellingen konden niet in %1 opgeslagen worden: %2%3</translation>
    </message>
    <message>
        <source>, so it is left as it is</source>
        <translation>, dus blijft het zoals het is</translation>
    </message>
    <message>
        <source>at %1 bytes the new file would be larger than a settings file can be (%2), so it is not written and the earlier file stays as it is</source>
        <translation>met %1 bytes zou het nieuwe bestand groter zijn dan een instellingenbestand kan zijn (%2), dus wordt het niet geschreven en blijft het vorige bestand zoals het is</translation>
    </message>
    <message>
        <source>its folder %1 is append-only or immutable, so no file in it can be replaced</source>
        <translation>de map %1 ervan is alleen-toevoegen of onveranderlijk, dus kan geen bestand erin vervangen worden</translation>
    </message>
    <message>
        <source>its folder %1 could not be flushed to the disk: %2</source>
        <translation>de map %1 ervan kon niet naar de schijf geschreven worden: %2</translation>
    </message>
    <message>
        <source>saved the settings to %1, but a power cut may still lose them: %2</source>
        <translation>de instellingen zijn in %1 opgeslagen, maar een stroomstoring kan ze nog verliezen: %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot listen on %1: %2; a second Varnok cannot reach this one</source>
        <translation>kan niet luisteren op %1: %2; een tweede Varnok kan deze niet bereiken</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>another Varnok holds %1 but does not answer; a second one would save over its settings</source>
        <translation>een andere Varnok houdt %1 vast maar antwoordt niet; een tweede zou over zijn instellingen heen opslaan</translation>
    </message>
    <message>
        <source>cannot take the lock %1, without which a second Varnok would save over this one&apos;s settings</source>
        <translation>kan het slot %1 niet nemen, zonder welk een tweede Varnok over de instellingen van deze heen zou opslaan</translation>
    </message>
</context>
<context>
    <name>TrackMapWindow</name>
    <message>
        <source>CTRL = Select Train 
UP-DOWN = Throttle 
LEFT-RIGHT = Turn
--------------------------
Defaults -
Straight at 4-ways,
Right at 3-ways
</source>
        <translation>CTRL = Trein kiezen 
↑↓ = Rijregelaar 
←→ = Afslaan
--------------------------
Zonder toets -
Rechtdoor bij 4-weg,
rechtsaf bij 3-weg
</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Track Map</source>
        <translation>Baanplan</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Spoor</translation>
    </message>
    <message>
        <source>Save the settings and end Varnok</source>
        <translation>De instellingen opslaan en Varnok afsluiten</translation>
    </message>
    <message>
        <source>Show the state of every train</source>
        <translation>De toestand van elke trein tonen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Controlled train&apos;s colour</source>
        <translation>Kleur van de bestuurde trein</translation>
    </message>
</context>
<context>
    <name>TrainControlWindow</name>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Rijregelaar</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Lgt</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 van trein %1</translation>
    </message>
    <message>
        <source>Click: add a train, Shift+click: remove one</source>
        <translation>Klik: een trein toevoegen, Shift+klik: er een verwijderen</translation>
    </message>
    <message>
        <source>Train Control</source>
        <translation>Treinbediening</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Rij</translation>
    </message>
    <message>
        <source>Click: next colour</source>
        <translation>Klik: volgende kleur</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Drag or click: this train&apos;s pace, from 0 (stopped) to 100</source>
        <translation>Slepen of klikken: het tempo van deze trein, van 0 (stil) tot 100</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>Rijregelaar</translation>
    </message>
    <message>
        <source>Speed, set by the throttle</source>
        <translation>Snelheid, ingesteld met de rijregelaar</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Click: longer, Shift+click: shorter</source>
        <translation>Klik: langer, Shift+klik: korter</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Lengte</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY %1</source>
        <translation>geen X-server antwoordt op DISPLAY %1</translation>
    </message>
    <message>
        <source>the X server on DISPLAY %1 has not answered in %2 seconds</source>
        <translation>de X-server op DISPLAY %1 heeft in %2 seconden niet geantwoord</translation>
    </message>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>geen Wayland-compositor antwoordt</translation>
    </message>
    <message>
        <source>the Wayland compositor at %1 has not answered in %2 seconds</source>
        <translation>de Wayland-compositor op %1 heeft in %2 seconden niet geantwoord</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>-platform is %1 and %2</source>
        <translation>-platform is %1 en %2</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <translation>QT_QPA_PLATFORM is %1 en %2</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server, or run Varnok under xvfb-run</source>
        <translation>stel DISPLAY in op een draaiende X-server, of start Varnok onder xvfb-run</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or leave out -platform</source>
        <translation>start Varnok waar zijn compositor draait, of laat -platform weg</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or unset QT_QPA_PLATFORM</source>
        <translation>start Varnok waar zijn compositor draait, of verwijder QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display to open windows on: %1; %2</source>
        <translation>geen beeldscherm om vensters op te openen: %1; %2</translation>
    </message>
</context>
</TS>
