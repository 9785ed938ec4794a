<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>ignoring the unknown argument %1 (varnok --help lists what it takes)</source>
        <translation>das unbekannte Argument %1 wird übergangen (varnok --help nennt, was es annimmt)</translation>
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
        <translation>Aufruf: varnok [--help | --version | --record DATEI | --play DATEI [--check]]

Varnok ist eine Modellbahn: bis zu drei Züge fahren auf einem festen Gleisplan
mit drei Weichen, jeder im Tempo seines eigenen Fahrreglers, gelenkt mit den
Pfeiltasten.

  -h, --help     diese Hilfe zeigen und beenden
      --version  Name und Version zeigen und beenden
      --record DATEI  wie gewohnt fahren und die Fahrt (den Start, jede Eingabe
                      mit ihrer Zeit, den Endstand bei Beenden) in DATEI
                      schreiben
      --play DATEI    die Fenster am Start von DATEI öffnen und ihre Eingaben
                      abspielen; die Einstellungen werden weder gelesen noch
                      geschrieben, und Sie fahren weiter, wo die Fahrt endet
      --check         mit --play die Fahrt ohne Fenster so schnell wie möglich
                      abspielen; Status 0, wenn sie ihr aufgezeichnetes Ende
                      erreicht, sonst 1
Qts eigene Optionen wie -platform xcb nimmt Qt selbst entgegen.

Einstellungen: %1
  geschrieben bei Beenden; zum Start mit den Standardwerten die Datei löschen,
  während Varnok nicht läuft.

Umgebung:
  XDG_CONFIG_HOME  der Ordner der Einstellungen (~/.config, wenn nicht gesetzt)
  QT_QPA_PLATFORM  das Fenstersystem; wenn nicht gesetzt, X11, wo ein X-Server
                   auf DISPLAY antwortet (nur dort öffnen Fenster, wo sie
                   zuletzt waren), sonst Wayland
  QT_SCALE_FACTOR  vergrößert jedes Fenster, zum Beispiel 2 auf einem dichten
                   Bildschirm
  XDG_RUNTIME_DIR  ein Ordner nur für Sie (Modus 0700) für die Sperre, die eine
                   Einstellungsdatei einem Varnok vorbehält; wenn nicht gesetzt,
                   runtime-BENUTZER in /tmp
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   die Sprache der Fenster und der Meldungen

Das Handbuch: man varnok
</translation>
    </message>
    <message>
        <source>%1 needs the file of the drive (varnok --help lists what it takes)</source>
        <translation>%1 braucht die Datei der Fahrt (varnok --help nennt, was es annimmt)</translation>
    </message>
    <message>
        <source>one drive at a time: --record and --play take one file between them (varnok --help lists what it takes)</source>
        <translation>eine Fahrt nach der anderen: --record und --play nehmen zusammen eine Datei (varnok --help nennt, was es annimmt)</translation>
    </message>
    <message>
        <source>--check checks the drive that --play names (varnok --help lists what it takes)</source>
        <translation>--check prüft die Fahrt, die --play nennt (varnok --help nennt, was es annimmt)</translation>
    </message>
</context>
<context>
    <name>DriveFile</name>
    <message>
        <source>cannot play the drive %1: there is no such file</source>
        <translation>die Fahrt %1 lässt sich nicht abspielen: diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>cannot play the drive %1: at %2 bytes it is larger than a drive can be (%3)</source>
        <translation>die Fahrt %1 lässt sich nicht abspielen: mit %2 Bytes ist sie größer, als eine Fahrt sein kann (%3)</translation>
    </message>
    <message>
        <source>cannot play the drive %1: %2</source>
        <translation>die Fahrt %1 lässt sich nicht abspielen: %2</translation>
    </message>
</context>
<context>
    <name>DriveRecorderText</name>
    <message>
        <source>cannot record the drive to %1: it is not a regular file</source>
        <translation>die Fahrt lässt sich nicht in %1 aufzeichnen: das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: it is the settings file</source>
        <translation>die Fahrt lässt sich nicht in %1 aufzeichnen: das ist die Einstellungsdatei</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: %2</source>
        <translation>die Fahrt lässt sich nicht in %1 aufzeichnen: %2</translation>
    </message>
    <message>
        <source>the drive %1 cannot be written on: %2; it keeps what was written before, and the run goes on without recording</source>
        <translation>die Fahrt %1 lässt sich nicht weiterschreiben: %2; sie behält, was vorher geschrieben wurde, und der Lauf geht ohne Aufzeichnung weiter</translation>
    </message>
</context>
<context>
    <name>DriveReport</name>
    <message>
        <source>the time</source>
        <translation>die Zeit</translation>
    </message>
    <message>
        <source>the stall&apos;s start</source>
        <translation>der Beginn der Stockung</translation>
    </message>
    <message>
        <source>the train</source>
        <translation>der Zug</translation>
    </message>
    <message>
        <source>the key code</source>
        <translation>der Tastencode</translation>
    </message>
    <message>
        <source>the shift state</source>
        <translation>der Stand der Umschalttasten</translation>
    </message>
    <message>
        <source>a cell</source>
        <translation>ein Feld</translation>
    </message>
    <message>
        <source>a colour</source>
        <translation>eine Farbe</translation>
    </message>
    <message>
        <source>not a drive: it does not begin with &quot;varnok drive %1&quot;</source>
        <translation>keine Fahrt: sie beginnt nicht mit &quot;varnok drive %1&quot;</translation>
    </message>
    <message>
        <source>a drive of format %1, which this Varnok does not know (it reads format %2)</source>
        <translation>eine Fahrt im Format %1, das dieser Varnok nicht kennt (er liest Format %2)</translation>
    </message>
    <message>
        <source>the drive ends before its %1 line</source>
        <translation>die Fahrt endet vor ihrer %1-Zeile</translation>
    </message>
    <message>
        <source>a line needs a time and what happened</source>
        <translation>eine Zeile braucht eine Zeit und was geschah</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number</source>
        <translation>%1 %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 %2 is not within %3..%4</source>
        <translation>%1 %2 liegt nicht in %3..%4</translation>
    </message>
    <message>
        <source>expected %1=..., found %2</source>
        <translation>%1=... erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected %1 words, found %2</source>
        <translation>%1 Wörter erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>the time %1 goes back from %2</source>
        <translation>die Zeit %1 liegt vor %2</translation>
    </message>
    <message>
        <source>expected the %1 line at %2</source>
        <translation>die %1-Zeile bei %2 erwartet</translation>
    </message>
    <message>
        <source>a run starts with no key held</source>
        <translation>ein Lauf beginnt ohne gedrückte Taste</translation>
    </message>
    <message>
        <source>train %1 does not start as a start leaves it: on a node cell, with no run, no body and interval 0</source>
        <translation>Zug %1 beginnt nicht, wie ein Start ihn hinterlässt: auf einem Knotenfeld, ohne Strecke, ohne Wurm und mit Intervall 0</translation>
    </message>
    <message>
        <source>expected train %1</source>
        <translation>Zug %1 erwartet</translation>
    </message>
    <message>
        <source>a body of more than %1 cells</source>
        <translation>ein Wurm aus mehr als %1 Feldern</translation>
    </message>
    <message>
        <source>the track has no cell %1</source>
        <translation>der Gleisplan hat kein Feld %1</translation>
    </message>
    <message>
        <source>interval %1 is not the throttle&apos;s</source>
        <translation>Intervall %1 ist nicht das des Fahrreglers</translation>
    </message>
    <message>
        <source>no entry is called %1</source>
        <translation>kein Eintrag heißt %1</translation>
    </message>
    <message>
        <source>the digest %1 is not 16 lower-case hexadecimal digits</source>
        <translation>die Prüfsumme %1 besteht nicht aus 16 kleinen Hexadezimalziffern</translation>
    </message>
    <message>
        <source>nothing may follow the end</source>
        <translation>auf das Ende darf nichts folgen</translation>
    </message>
    <message>
        <source>the digest %1 is not that of the end state above it</source>
        <translation>die Prüfsumme %1 ist nicht die des Endstands darüber</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the number of trains is %1 where the drive has %2</source>
        <translation>die Zahl der Züge ist %1, wo die Fahrt %2 hat</translation>
    </message>
    <message>
        <source>the controlled train is %1 where the drive has %2</source>
        <translation>der gesteuerte Zug ist %1, wo die Fahrt %2 hat</translation>
    </message>
    <message>
        <source>the track colour is %1 where the drive has %2</source>
        <translation>die Farbe des Gleisplans ist %1, wo die Fahrt %2 hat</translation>
    </message>
    <message>
        <source>the key held is %1 where the drive has %2</source>
        <translation>die gedrückte Taste ist %1, wo die Fahrt %2 hat</translation>
    </message>
    <message>
        <source>train %1&apos;s %2 is %3 where the drive has %4</source>
        <translation>bei Zug %1 ist %2 %3, wo die Fahrt %4 hat</translation>
    </message>
    <message>
        <source>train %1&apos;s body cell %2 is %3 where the drive has %4</source>
        <translation>bei Zug %1 ist Wurmfeld %2 %3, wo die Fahrt %4 hat</translation>
    </message>
    <message>
        <source>the colour of cell %1 is %2 where the drive has %3</source>
        <translation>die Farbe von Feld %1 ist %2, wo die Fahrt %3 hat</translation>
    </message>
    <message>
        <source>the drive reached its recorded end at %1 ms, digest %2</source>
        <translation>die Fahrt hat ihr aufgezeichnetes Ende bei %1 ms erreicht, Prüfsumme %2</translation>
    </message>
    <message>
        <source>the run differs</source>
        <translation>der Lauf weicht ab</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: the run departs from it at %1 ms; at %2 ms %3</source>
        <translation>die Fahrt hat ihr aufgezeichnetes Ende nicht erreicht: der Lauf weicht bei %1 ms von ihr ab; bei %2 ms: %3</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: at %1 ms %2</source>
        <translation>die Fahrt hat ihr aufgezeichnetes Ende nicht erreicht: bei %1 ms: %2</translation>
    </message>
    <message>
        <source>the drive played to its last input, at %1 ms; it has no recorded end to compare with</source>
        <translation>die Fahrt lief bis zu ihrer letzten Eingabe bei %1 ms; sie hat kein aufgezeichnetes Ende zum Vergleichen</translation>
    </message>
    <message>
        <source>head</source>
        <translation>das Kopffeld</translation>
    </message>
    <message>
        <source>next</source>
        <translation>der nächste Knoten</translation>
    </message>
    <message>
        <source>start</source>
        <translation>der Beginn der Strecke</translation>
    </message>
    <message>
        <source>end</source>
        <translation>das Ende der Strecke</translation>
    </message>
    <message>
        <source>length</source>
        <translation>die Länge</translation>
    </message>
    <message>
        <source>color</source>
        <translation>die Farbe</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>das Tempo</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>der Fahrregler</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>das Intervall</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>das Ctrl-Kennzeichen</translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Fb</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Worm</source>
        <translation>Wurm</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 von Zug %1</translation>
    </message>
    <message>
        <source>stored speed</source>
        <translation>Gespeichertes Tempo</translation>
    </message>
    <message>
        <source>head cell</source>
        <translation>Kopffeld</translation>
    </message>
    <message>
        <source>colour number</source>
        <translation>Farbnummer</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>TrainCount</source>
        <translation>Zugzahl</translation>
    </message>
    <message>
        <source>Number of trains</source>
        <translation>Anzahl der Züge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hide this window; it keeps following the trains</source>
        <translation>Dieses Fenster ausblenden; es folgt den Zügen weiter</translation>
    </message>
    <message>
        <source>Held key code</source>
        <translation>Code der gehaltenen Taste</translation>
    </message>
</context>
<context>
    <name>ProgramSetup</name>
    <message>
        <source>this window system (Wayland) does not let programs place their windows: they open where it puts them, and Quit keeps the places saved before</source>
        <translation>dieses Fenstersystem (Wayland) lässt Programme ihre Fenster nicht platzieren: sie öffnen, wo es sie hinsetzt, und Beenden behält die zuvor gespeicherten Plätze</translation>
    </message>
    <message>
        <source>the track&apos;s node cells are inconsistent: %1</source>
        <translation>die Weichenfelder des Gleisplans widersprechen sich: %1</translation>
    </message>
</context>
<context>
    <name>RuntimeFolder</name>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>%1 lässt sich nicht ansehen: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 gehört einem anderen Benutzer (uid %2)</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700</source>
        <translation>%1 hat den Modus %2, nicht 0700</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no runtime folder of your own to keep one Varnok to a settings file: %1, and %2; set XDG_RUNTIME_DIR to a folder of your own with mode 0700</source>
        <translation>kein eigener Laufzeitordner, um eine Einstellungsdatei einem Varnok vorzubehalten: %1, und %2; setzen Sie XDG_RUNTIME_DIR auf einen eigenen Ordner mit Modus 0700</translation>
    </message>
</context>
<context>
    <name>SettingsReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file</source>
        <translation>%1 ist ein Ordner, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a regular file</source>
        <translation>%1 ist ein FIFO, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a character device, not a regular file</source>
        <translation>%1 ist ein Zeichengerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a block device, not a regular file</source>
        <translation>%1 ist ein Blockgerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a socket, not a regular file</source>
        <translation>%1 ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>it</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>it cannot be read: at %1 bytes it is larger than a settings file can be (%2)</source>
        <translation>sie lässt sich nicht lesen: mit %1 Bytes ist sie größer, als eine Einstellungsdatei sein kann (%2)</translation>
    </message>
    <message>
        <source>its link %1 cannot be read: %2</source>
        <translation>ihr Link %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>it leads through more than %1 symbolic links, or round in a loop</source>
        <translation>sie führt über mehr als %1 symbolische Links oder im Kreis</translation>
    </message>
    <message>
        <source>the file it links to, %1,</source>
        <translation>die Datei, auf die sie verweist, %1,</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made: %2</source>
        <translation>ihr Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>the new file %1 cannot be made: %2</source>
        <translation>die neue Datei %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>writing %1 failed: %2</source>
        <translation>das Schreiben von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>flushing %1 failed: %2</source>
        <translation>das Sichern von %1 auf die Platte ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the new file %1 does not read back as it was written</source>
        <translation>die neue Datei %1 liest sich nicht so zurück, wie sie geschrieben wurde</translation>
    </message>
    <message>
        <source>closing %1 failed: %2</source>
        <translation>das Schließen von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>renaming %1 over it failed: %2</source>
        <translation>das Umbenennen von %1 an ihre Stelle ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>renaming %1 over the file it links to, %2, failed: %3</source>
        <translation>das Umbenennen von %1 an die Stelle der Datei, auf die sie verweist, %2, ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>is not in %1..%2</source>
        <translation>liegt nicht in %1..%2</translation>
    </message>
    <message>
        <source>is not True, False or a number</source>
        <translation>ist nicht True, False oder eine Zahl</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>does not fit the rows of %1 = %2</source>
        <translation>passt nicht zu den Reihen von %1 = %2</translation>
    </message>
    <message>
        <source>settings: %1: %2; every setting takes its default, and Quit leaves the file as it is</source>
        <translation>Einstellungen: %1: %2; jede Einstellung nimmt ihren Standardwert, und Beenden lässt die Datei, wie sie ist</translation>
    </message>
    <message>
        <source>settings: %1: line %2 is not a setting; it is kept as it is</source>
        <translation>Einstellungen: %1: Zeile %2 ist keine Einstellung; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>settings: %1: lines %2 are not settings; they are kept as they are</source>
        <translation>Einstellungen: %1: Zeilen %2 sind keine Einstellungen; sie bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>settings: %1 is given %2 times; the last one counts</source>
        <translation>Einstellungen: %1 steht %2-mal da; die letzte Angabe gilt</translation>
    </message>
    <message>
        <source>settings: %1 is not a Varnok setting; it is kept as it is</source>
        <translation>Einstellungen: %1 ist keine Einstellung von Varnok; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>settings: [%1] %2 = %3 %4; using %5</source>
        <translation>Einstellungen: [%1] %2 = %3 %4; verwendet wird %5</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, its default place</source>
        <translation>Einstellungen: [%1] Left = %2, Top = %3 lassen zu wenig vom Fenster auf seinem Bildschirm, um es zu erreichen; verwendet wird Left = %4, Top = %5, sein Standardplatz</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>Einstellungen: [%1] Left = %2, Top = %3 lassen zu wenig vom Fenster auf seinem Bildschirm, um es zu erreichen; verwendet wird Left = %4, Top = %5, auf seinen Bildschirm geschoben</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it, and so does its default place; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>Einstellungen: [%1] Left = %2, Top = %3 lassen zu wenig vom Fenster auf seinem Bildschirm, um es zu erreichen, und sein Standardplatz ebenso; verwendet wird Left = %4, Top = %5, auf seinen Bildschirm geschoben</translation>
    </message>
    <message>
        <source>settings: %1 more keys given twice or unknown</source>
        <translation>Einstellungen: %1 weitere doppelte oder unbekannte Schlüssel</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2%3</source>
        <translation>die Einstellungen ließen sich nicht in %1 speichern: %2%3</translation>
    </message>
    <message>
        <source>, so it is left as it is</source>
        <translation>, also bleibt sie, wie sie ist</translation>
    </message>
    <message>
        <source>at %1 bytes the new file would be larger than a settings file can be (%2), so it is not written and the earlier file stays as it is</source>
        <translation>mit %1 Bytes wäre die neue Datei größer, als eine Einstellungsdatei sein kann (%2), also wird sie nicht geschrieben, und die frühere Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>its folder %1 is append-only or immutable, so no file in it can be replaced</source>
        <translation>ihr Ordner %1 ist nur zum Anhängen oder unveränderlich, also lässt sich keine Datei darin ersetzen</translation>
    </message>
    <message>
        <source>its folder %1 could not be flushed to the disk: %2</source>
        <translation>ihr Ordner %1 ließ sich nicht auf die Platte sichern: %2</translation>
    </message>
    <message>
        <source>saved the settings to %1, but a power cut may still lose them: %2</source>
        <translation>die Einstellungen sind in %1 gespeichert, aber ein Stromausfall kann sie noch verlieren: %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot listen on %1: %2; a second Varnok cannot reach this one</source>
        <translation>kann nicht auf %1 lauschen: %2; ein zweiter Varnok erreicht diesen nicht</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>another Varnok holds %1 but does not answer; a second one would save over its settings</source>
        <translation>ein anderer Varnok hält %1, antwortet aber nicht; ein zweiter würde über seine Einstellungen speichern</translation>
    </message>
    <message>
        <source>cannot take the lock %1, without which a second Varnok would save over this one&apos;s settings</source>
        <translation>die Sperre %1 lässt sich nicht nehmen; ohne sie würde ein zweiter Varnok über die Einstellungen dieses Varnok speichern</translation>
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
        <translation>STRG = Zug wählen 
↑↓ = Fahrregler 
←→ = Abbiegen
--------------------------
Ohne Taste -
Gerade bei 4 Wegen,
rechts bei 3 Wegen
</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Track Map</source>
        <translation>Gleisplan</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Gleis</translation>
    </message>
    <message>
        <source>Save the settings and end Varnok</source>
        <translation>Die Einstellungen speichern und Varnok beenden</translation>
    </message>
    <message>
        <source>Show the state of every train</source>
        <translation>Den Zustand jedes Zuges zeigen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Controlled train&apos;s colour</source>
        <translation>Farbe des gesteuerten Zuges</translation>
    </message>
</context>
<context>
    <name>TrainControlWindow</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Fahrregler</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 von Zug %1</translation>
    </message>
    <message>
        <source>Click: add a train, Shift+click: remove one</source>
        <translation>Klick: einen Zug hinzufügen, Umschalt+Klick: einen entfernen</translation>
    </message>
    <message>
        <source>Train Control</source>
        <translation>Fahrpult</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Click: next colour</source>
        <translation>Klick: nächste Farbe</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Drag or click: this train&apos;s pace, from 0 (stopped) to 100</source>
        <translation>Ziehen oder klicken: das Tempo dieses Zuges, von 0 (steht) bis 100</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>Fahrregler</translation>
    </message>
    <message>
        <source>Speed, set by the throttle</source>
        <translation>Tempo, vom Fahrregler gesetzt</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Click: longer, Shift+click: shorter</source>
        <translation>Klick: länger, Umschalt+Klick: kürzer</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY %1</source>
        <translation>kein X-Server antwortet auf DISPLAY %1</translation>
    </message>
    <message>
        <source>the X server on DISPLAY %1 has not answered in %2 seconds</source>
        <translation>der X-Server auf DISPLAY %1 hat in %2 Sekunden nicht geantwortet</translation>
    </message>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>kein Wayland-Compositor antwortet</translation>
    </message>
    <message>
        <source>the Wayland compositor at %1 has not answered in %2 seconds</source>
        <translation>der Wayland-Compositor unter %1 hat in %2 Sekunden nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>-platform is %1 and %2</source>
        <translation>-platform ist %1 und %2</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <translation>QT_QPA_PLATFORM ist %1 und %2</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server, or run Varnok under xvfb-run</source>
        <translation>setzen Sie DISPLAY auf einen laufenden X-Server, oder starten Sie Varnok unter xvfb-run</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or leave out -platform</source>
        <translation>starten Sie Varnok, wo sein Compositor läuft, oder lassen Sie -platform weg</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or unset QT_QPA_PLATFORM</source>
        <translation>starten Sie Varnok, wo sein Compositor läuft, oder heben Sie QT_QPA_PLATFORM auf</translation>
    </message>
    <message>
        <source>no display to open windows on: %1; %2</source>
        <translation>keine Anzeige, um Fenster zu öffnen: %1; %2</translation>
    </message>
</context>
</TS>
