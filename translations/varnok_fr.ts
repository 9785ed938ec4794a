<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>ignoring the unknown argument %1 (varnok --help lists what it takes)</source>
        <translation>l&apos;argument inconnu %1 est ignoré (varnok --help liste ce qu&apos;il accepte)</translation>
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
        <translation>Utilisation : varnok [--help | --version | --record FICHIER
                     | --play FICHIER [--check]]

Varnok est un train miniature : jusqu&apos;à trois trains roulent sur un réseau fixe
à trois aiguillages, chacun à l&apos;allure de son propre régulateur, dirigés avec
les touches fléchées.

  -h, --help     afficher cette aide et quitter
      --version  afficher le nom et la version et quitter
      --record FICHIER  fonctionner comme d&apos;habitude et écrire la conduite (le
                        départ, chaque commande avec son heure, l&apos;état final en
                        quittant) dans FICHIER
      --play FICHIER    ouvrir les fenêtres au départ de FICHIER et rejouer ses
                        commandes ; les réglages ne sont ni lus ni écrits, et
                        vous reprenez la main là où elle s&apos;arrête
      --check           avec --play, rejouer la conduite sans fenêtre aussi vite
                        que possible ; code 0 si elle atteint sa fin
                        enregistrée, sinon 1
Les options propres à Qt, comme -platform xcb, sont prises par Qt.

Réglages : %1
  écrits en quittant ; supprimez ce fichier, Varnok fermé, pour repartir des
  valeurs par défaut.

Environnement :
  XDG_CONFIG_HOME  le dossier des réglages (~/.config s&apos;il n&apos;est pas défini)
  QT_QPA_PLATFORM  le système de fenêtres ; s&apos;il n&apos;est pas défini, X11 là où un
                   serveur X répond sur DISPLAY (lui seul rouvre les fenêtres là
                   où elles étaient), sinon Wayland
  QT_SCALE_FACTOR  agrandit chaque fenêtre, par exemple 2 sur un écran dense
  XDG_RUNTIME_DIR  un dossier à vous seul (mode 0700) pour le verrou qui réserve
                   un fichier de réglages à un seul Varnok ; s&apos;il n&apos;est pas
                   défini, runtime-UTILISATEUR dans /tmp
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   la langue des fenêtres et des messages

Le manuel : man varnok
</translation>
    </message>
    <message>
        <source>%1 needs the file of the drive (varnok --help lists what it takes)</source>
        <translation>%1 demande le fichier de la conduite (varnok --help liste ce qu&apos;il accepte)</translation>
    </message>
    <message>
        <source>one drive at a time: --record and --play take one file between them (varnok --help lists what it takes)</source>
        <translation>une conduite à la fois : --record et --play prennent un seul fichier à eux deux (varnok --help liste ce qu&apos;il accepte)</translation>
    </message>
    <message>
        <source>--check checks the drive that --play names (varnok --help lists what it takes)</source>
        <translation>--check vérifie la conduite que --play désigne (varnok --help liste ce qu&apos;il accepte)</translation>
    </message>
</context>
<context>
    <name>DriveFile</name>
    <message>
        <source>cannot play the drive %1: there is no such file</source>
        <translation>impossible de rejouer la conduite %1 : ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot play the drive %1: at %2 bytes it is larger than a drive can be (%3)</source>
        <translation>impossible de rejouer la conduite %1 : avec %2 octets elle est plus grande qu&apos;une conduite ne peut l&apos;être (%3)</translation>
    </message>
    <message>
        <source>cannot play the drive %1: %2</source>
        <translation>impossible de rejouer la conduite %1 : %2</translation>
    </message>
</context>
<context>
    <name>DriveRecorderText</name>
    <message>
        <source>cannot record the drive to %1: it is not a regular file</source>
        <translation>impossible d&apos;enregistrer la conduite dans %1 : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: it is the settings file</source>
        <translation>impossible d&apos;enregistrer la conduite dans %1 : c&apos;est le fichier de réglages</translation>
    </message>
    <message>
        <source>cannot record the drive to %1: %2</source>
        <translation>impossible d&apos;enregistrer la conduite dans %1 : %2</translation>
    </message>
    <message>
        <source>the drive %1 cannot be written on: %2; it keeps what was written before, and the run goes on without recording</source>
        <translation>impossible de continuer à écrire la conduite %1 : %2 ; elle garde ce qui a été écrit avant, et la marche continue sans enregistrement</translation>
    </message>
</context>
<context>
    <name>DriveReport</name>
    <message>
        <source>the time</source>
        <translation>le temps</translation>
    </message>
    <message>
        <source>the stall&apos;s start</source>
        <translation>le début du blocage</translation>
    </message>
    <message>
        <source>the train</source>
        <translation>le train</translation>
    </message>
    <message>
        <source>the key code</source>
        <translation>le code de touche</translation>
    </message>
    <message>
        <source>the shift state</source>
        <translation>l&apos;état des touches de modification</translation>
    </message>
    <message>
        <source>a cell</source>
        <translation>une case</translation>
    </message>
    <message>
        <source>a colour</source>
        <translation>une couleur</translation>
    </message>
    <message>
        <source>not a drive: it does not begin with &quot;varnok drive %1&quot;</source>
        <translation>pas une conduite : elle ne commence pas par &quot;varnok drive %1&quot;</translation>
    </message>
    <message>
        <source>a drive of format %1, which this Varnok does not know (it reads format %2)</source>
        <translation>une conduite au format %1, que ce Varnok ne connaît pas (il lit le format %2)</translation>
    </message>
    <message>
        <source>the drive ends before its %1 line</source>
        <translation>la conduite s&apos;arrête avant sa ligne %1</translation>
    </message>
    <message>
        <source>a line needs a time and what happened</source>
        <translation>une ligne demande un temps et ce qui s&apos;est passé</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number</source>
        <translation>%1 %2 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 %2 is not within %3..%4</source>
        <translation>%1 %2 n&apos;est pas dans %3..%4</translation>
    </message>
    <message>
        <source>expected %1=..., found %2</source>
        <translation>%1=... attendu, %2 trouvé</translation>
    </message>
    <message>
        <source>expected %1 words, found %2</source>
        <translation>%1 mots attendus, %2 trouvés</translation>
    </message>
    <message>
        <source>the time %1 goes back from %2</source>
        <translation>le temps %1 est antérieur à %2</translation>
    </message>
    <message>
        <source>expected the %1 line at %2</source>
        <translation>ligne %1 attendue à %2</translation>
    </message>
    <message>
        <source>a run starts with no key held</source>
        <translation>une marche commence sans touche tenue</translation>
    </message>
    <message>
        <source>train %1 does not start as a start leaves it: on a node cell, with no run, no body and interval 0</source>
        <translation>le train %1 ne commence pas comme un démarrage le laisse : sur une case de nœud, sans parcours, sans ver et avec l&apos;intervalle 0</translation>
    </message>
    <message>
        <source>expected train %1</source>
        <translation>train %1 attendu</translation>
    </message>
    <message>
        <source>a body of more than %1 cells</source>
        <translation>un ver de plus de %1 cases</translation>
    </message>
    <message>
        <source>the track has no cell %1</source>
        <translation>le réseau n&apos;a pas de case %1</translation>
    </message>
    <message>
        <source>interval %1 is not the throttle&apos;s</source>
        <translation>l&apos;intervalle %1 n&apos;est pas celui du régulateur</translation>
    </message>
    <message>
        <source>no entry is called %1</source>
        <translation>aucune entrée ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>the digest %1 is not 16 lower-case hexadecimal digits</source>
        <translation>l&apos;empreinte %1 n&apos;est pas faite de 16 chiffres hexadécimaux en minuscules</translation>
    </message>
    <message>
        <source>nothing may follow the end</source>
        <translation>rien ne peut suivre la fin</translation>
    </message>
    <message>
        <source>the digest %1 is not that of the end state above it</source>
        <translation>l&apos;empreinte %1 n&apos;est pas celle de l&apos;état final au-dessus</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the number of trains is %1 where the drive has %2</source>
        <translation>le nombre de trains est %1 là où la conduite a %2</translation>
    </message>
    <message>
        <source>the controlled train is %1 where the drive has %2</source>
        <translation>le train commandé est %1 là où la conduite a %2</translation>
    </message>
    <message>
        <source>the track colour is %1 where the drive has %2</source>
        <translation>la couleur du réseau est %1 là où la conduite a %2</translation>
    </message>
    <message>
        <source>the key held is %1 where the drive has %2</source>
        <translation>la touche tenue est %1 là où la conduite a %2</translation>
    </message>
    <message>
        <source>train %1&apos;s %2 is %3 where the drive has %4</source>
        <translation>pour le train %1, %2 vaut %3 là où la conduite a %4</translation>
    </message>
    <message>
        <source>train %1&apos;s body cell %2 is %3 where the drive has %4</source>
        <translation>pour le train %1, la case %2 du ver vaut %3 là où la conduite a %4</translation>
    </message>
    <message>
        <source>the colour of cell %1 is %2 where the drive has %3</source>
        <translation>la couleur de la case %1 est %2 là où la conduite a %3</translation>
    </message>
    <message>
        <source>the drive reached its recorded end at %1 ms, digest %2</source>
        <translation>la conduite a atteint sa fin enregistrée à %1 ms, empreinte %2</translation>
    </message>
    <message>
        <source>the run differs</source>
        <translation>la marche diffère</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: the run departs from it at %1 ms; at %2 ms %3</source>
        <translation>la conduite n&apos;a pas atteint sa fin enregistrée : la marche s&apos;en écarte à %1 ms ; à %2 ms, %3</translation>
    </message>
    <message>
        <source>the drive did not reach its recorded end: at %1 ms %2</source>
        <translation>la conduite n&apos;a pas atteint sa fin enregistrée : à %1 ms, %2</translation>
    </message>
    <message>
        <source>the drive played to its last input, at %1 ms; it has no recorded end to compare with</source>
        <translation>la conduite a été rejouée jusqu&apos;à sa dernière entrée, à %1 ms ; elle n&apos;a pas de fin enregistrée à comparer</translation>
    </message>
    <message>
        <source>head</source>
        <translation>la case de tête</translation>
    </message>
    <message>
        <source>next</source>
        <translation>le prochain nœud</translation>
    </message>
    <message>
        <source>start</source>
        <translation>le début du parcours</translation>
    </message>
    <message>
        <source>end</source>
        <translation>la fin du parcours</translation>
    </message>
    <message>
        <source>length</source>
        <translation>la longueur</translation>
    </message>
    <message>
        <source>color</source>
        <translation>la couleur</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>le régulateur</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>l&apos;intervalle</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>l&apos;indicateur Ctrl</translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Cl</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Worm</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 du train %1</translation>
    </message>
    <message>
        <source>stored speed</source>
        <translation>Vitesse enregistrée</translation>
    </message>
    <message>
        <source>head cell</source>
        <translation>Case de tête</translation>
    </message>
    <message>
        <source>colour number</source>
        <translation>Numéro de couleur</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>TrainCount</source>
        <translation>Nb trains</translation>
    </message>
    <message>
        <source>Number of trains</source>
        <translation>Nombre de trains</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide this window; it keeps following the trains</source>
        <translation>Masquer cette fenêtre ; elle continue de suivre les trains</translation>
    </message>
    <message>
        <source>Held key code</source>
        <translation>Code de la touche tenue</translation>
    </message>
</context>
<context>
    <name>ProgramSetup</name>
    <message>
        <source>this window system (Wayland) does not let programs place their windows: they open where it puts them, and Quit keeps the places saved before</source>
        <translation>ce système de fenêtres (Wayland) ne laisse pas les programmes placer leurs fenêtres : elles s&apos;ouvrent là où il les met, et Quitter garde les places enregistrées avant</translation>
    </message>
    <message>
        <source>the track&apos;s node cells are inconsistent: %1</source>
        <translation>les cases d&apos;aiguillage du réseau se contredisent : %1</translation>
    </message>
</context>
<context>
    <name>RuntimeFolder</name>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>%1 ne peut pas être examiné : %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 appartient à un autre utilisateur (uid %2)</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700</source>
        <translation>%1 a le mode %2, pas 0700</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no runtime folder of your own to keep one Varnok to a settings file: %1, and %2; set XDG_RUNTIME_DIR to a folder of your own with mode 0700</source>
        <translation>aucun dossier d&apos;exécution à vous pour réserver un fichier de réglages à un seul Varnok : %1, et %2 ; définissez XDG_RUNTIME_DIR sur un dossier à vous de mode 0700</translation>
    </message>
</context>
<context>
    <name>SettingsReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file</source>
        <translation>%1 est un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a regular file</source>
        <translation>%1 est une FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is a character device, not a regular file</source>
        <translation>%1 est un périphérique caractère, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is a block device, not a regular file</source>
        <translation>%1 est un périphérique bloc, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is a socket, not a regular file</source>
        <translation>%1 est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it</source>
        <translation>il</translation>
    </message>
    <message>
        <source>it cannot be read: at %1 bytes it is larger than a settings file can be (%2)</source>
        <translation>il ne peut pas être lu : avec %1 octets il est plus grand qu&apos;un fichier de réglages ne peut l&apos;être (%2)</translation>
    </message>
    <message>
        <source>its link %1 cannot be read: %2</source>
        <translation>son lien %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>it leads through more than %1 symbolic links, or round in a loop</source>
        <translation>il passe par plus de %1 liens symboliques, ou tourne en boucle</translation>
    </message>
    <message>
        <source>the file it links to, %1,</source>
        <translation>le fichier vers lequel il pointe, %1,</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made: %2</source>
        <translation>son dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>the new file %1 cannot be made: %2</source>
        <translation>le nouveau fichier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>writing %1 failed: %2</source>
        <translation>l&apos;écriture de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>flushing %1 failed: %2</source>
        <translation>la mise sur disque de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the new file %1 does not read back as it was written</source>
        <translation>le nouveau fichier %1 ne se relit pas tel qu&apos;il a été écrit</translation>
    </message>
    <message>
        <source>closing %1 failed: %2</source>
        <translation>la fermeture de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>renaming %1 over it failed: %2</source>
        <translation>le renommage de %1 à sa place a échoué : %2</translation>
    </message>
    <message>
        <source>renaming %1 over the file it links to, %2, failed: %3</source>
        <translation>le renommage de %1 à la place du fichier vers lequel il pointe, %2, a échoué : %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>is not in %1..%2</source>
        <translation>n&apos;est pas dans %1..%2</translation>
    </message>
    <message>
        <source>is not True, False or a number</source>
        <translation>n&apos;est ni True, ni False, ni un nombre</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>does not fit the rows of %1 = %2</source>
        <translation>ne convient pas aux rangées de %1 = %2</translation>
    </message>
    <message>
        <source>settings: %1: %2; every setting takes its default, and Quit leaves the file as it is</source>
        <translation>réglages : %1 : %2 ; chaque réglage prend sa valeur par défaut, et Quitter laisse le fichier tel quel</translation>
    </message>
    <message>
        <source>settings: %1: line %2 is not a setting; it is kept as it is</source>
        <translation>réglages : %1 : la ligne %2 n&apos;est pas un réglage ; elle est gardée telle quelle</translation>
    </message>
    <message>
        <source>settings: %1: lines %2 are not settings; they are kept as they are</source>
        <translation>réglages : %1 : les lignes %2 ne sont pas des réglages ; elles sont gardées telles quelles</translation>
    </message>
    <message>
        <source>settings: %1 is given %2 times; the last one counts</source>
        <translation>réglages : %1 est donné %2 fois ; le dernier compte</translation>
    </message>
    <message>
        <source>settings: %1 is not a Varnok setting; it is kept as it is</source>
        <translation>réglages : %1 n&apos;est pas un réglage de Varnok ; il est gardé tel quel</translation>
    </message>
    <message>
        <source>settings: [%1] %2 = %3 %4; using %5</source>
        <translation>réglages : [%1] %2 = %3 %4 ; utilisation de %5</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, its default place</source>
        <translation>réglages : [%1] Left = %2, Top = %3 laissent trop peu de la fenêtre sur son écran pour l&apos;atteindre ; utilisation de Left = %4, Top = %5, sa place par défaut</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>réglages : [%1] Left = %2, Top = %3 laissent trop peu de la fenêtre sur son écran pour l&apos;atteindre ; utilisation de Left = %4, Top = %5, ramenée sur son écran</translation>
    </message>
    <message>
        <source>settings: [%1] Left = %2, Top = %3 leave too little of the window on its screen to reach it, and so does its default place; using Left = %4, Top = %5, moved onto its screen</source>
        <translation>réglages : [%1] Left = %2, Top = %3 laissent trop peu de la fenêtre sur son écran pour l&apos;atteindre, et sa place par défaut aussi ; utilisation de Left = %4, Top = %5, ramenée sur son écran</translation>
    </message>
    <message>
        <source>settings: %1 more keys given twice or unknown</source>
        <translation>réglages : %1 autres clés données deux fois ou inconnues</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2%3</source>
        <translation>impossible d&apos;enregistrer les réglages dans %1 : %2%3</translation>
    </message>
    <message>
        <source>, so it is left as it is</source>
        <translation>, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>at %1 bytes the new file would be larger than a settings file can be (%2), so it is not written and the earlier file stays as it is</source>
        <translation>avec %1 octets le nouveau fichier serait plus grand qu&apos;un fichier de réglages ne peut l&apos;être (%2), il n&apos;est donc pas écrit et le fichier précédent reste tel quel</translation>
    </message>
    <message>
        <source>its folder %1 is append-only or immutable, so no file in it can be replaced</source>
        <translation>son dossier %1 est en ajout seul ou immuable, aucun fichier n&apos;y peut donc être remplacé</translation>
    </message>
    <message>
        <source>its folder %1 could not be flushed to the disk: %2</source>
        <translation>son dossier %1 n&apos;a pas pu être mis sur disque : %2</translation>
    </message>
    <message>
        <source>saved the settings to %1, but a power cut may still lose them: %2</source>
        <translation>réglages enregistrés dans %1, mais une coupure de courant peut encore les perdre : %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot listen on %1: %2; a second Varnok cannot reach this one</source>
        <translation>impossible d&apos;écouter sur %1 : %2 ; un second Varnok ne peut pas joindre celui-ci</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>another Varnok holds %1 but does not answer; a second one would save over its settings</source>
        <translation>un autre Varnok tient %1 mais ne répond pas ; un second enregistrerait par-dessus ses réglages</translation>
    </message>
    <message>
        <source>cannot take the lock %1, without which a second Varnok would save over this one&apos;s settings</source>
        <translation>impossible de prendre le verrou %1, sans lequel un second Varnok enregistrerait par-dessus les réglages de celui-ci</translation>
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
        <translation>CTRL = Train suivant 
↑↓ = Régulateur 
←→ = Tourner
--------------------------
Sans touche -
Tout droit si 4 voies,
à droite si 3 voies
</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Track Map</source>
        <translation>Plan du réseau</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Save the settings and end Varnok</source>
        <translation>Enregistrer les réglages et quitter Varnok</translation>
    </message>
    <message>
        <source>Show the state of every train</source>
        <translation>Afficher l&apos;état de chaque train</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Controlled train&apos;s colour</source>
        <translation>Couleur du train conduit</translation>
    </message>
</context>
<context>
    <name>TrainControlWindow</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Train %1 %2</source>
        <translation>%2 du train %1</translation>
    </message>
    <message>
        <source>Click: add a train, Shift+click: remove one</source>
        <translation>Clic : ajouter un train, Maj+clic : en retirer un</translation>
    </message>
    <message>
        <source>Train Control</source>
        <translation>Commande des trains</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Rangée</translation>
    </message>
    <message>
        <source>Click: next colour</source>
        <translation>Clic : couleur suivante</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Drag or click: this train&apos;s pace, from 0 (stopped) to 100</source>
        <translation>Glisser ou cliquer : l&apos;allure de ce train, de 0 (à l&apos;arrêt) à 100</translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Speed, set by the throttle</source>
        <translation>Vitesse, réglée par le régulateur</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Click: longer, Shift+click: shorter</source>
        <translation>Clic : plus long, Maj+clic : plus court</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Longueur</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY %1</source>
        <translation>aucun serveur X ne répond sur DISPLAY %1</translation>
    </message>
    <message>
        <source>the X server on DISPLAY %1 has not answered in %2 seconds</source>
        <translation>le serveur X sur DISPLAY %1 n&apos;a pas répondu en %2 secondes</translation>
    </message>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>aucun compositeur Wayland ne répond</translation>
    </message>
    <message>
        <source>the Wayland compositor at %1 has not answered in %2 seconds</source>
        <translation>le compositeur Wayland à %1 n&apos;a pas répondu en %2 secondes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>-platform is %1 and %2</source>
        <translation>-platform vaut %1 et %2</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <translation>QT_QPA_PLATFORM vaut %1 et %2</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server, or run Varnok under xvfb-run</source>
        <translation>définissez DISPLAY sur un serveur X en marche, ou lancez Varnok sous xvfb-run</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or leave out -platform</source>
        <translation>lancez Varnok là où son compositeur tourne, ou retirez -platform</translation>
    </message>
    <message>
        <source>start Varnok where its compositor runs, or unset QT_QPA_PLATFORM</source>
        <translation>lancez Varnok là où son compositeur tourne, ou supprimez QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display to open windows on: %1; %2</source>
        <translation>aucun affichage où ouvrir des fenêtres : %1 ; %2</translation>
    </message>
</context>
</TS>
