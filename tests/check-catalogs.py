#!/usr/bin/env python3
"""Fails when a catalog has fallen behind the texts it translates, and names each text.

Qt's catalogs (.ts) are updated by lupdate from the sources into a copy: a text that the code
has and the catalog lacks comes out unfinished, one that the code no longer has comes out
vanished. gettext's catalogs (.po) of the desktop entry and the metadata are merged the same
way with the texts that xgettext finds. A translation that leaves out a placeholder (%1) of
its text fails too: the message would lose a name or a number.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def placeholders(text):
    return sorted(set(re.findall(r"%\d", text or "")))


def linguist_faults(lupdate, root, sources, catalog, work):
    copy = os.path.join(work, os.path.basename(catalog))
    shutil.copy(catalog, copy)
    run(lupdate, "-I", root, "-locations", "absolute", *sources, "-ts", copy)
    for context in ElementTree.parse(copy).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            # lupdate writes a location relative to the catalog.
            places = ", ".join(
                os.path.relpath(os.path.join(work, place.get("filename")), root) + ":" +
                place.get("line") for place in message.findall("location"))
            shown = f'{name} "{source}"' + (f" ({places})" if places else "")
            kind = translation.get("type")
            if kind == "unfinished":
                yield f"lacks a translation of {shown}"
            elif kind in ("vanished", "obsolete"):
                yield f"holds {shown}, which the code no longer has"
            elif not translation.text:
                yield f"translates {shown} as nothing"
            elif placeholders(source) != placeholders(translation.text):
                yield f"translates {shown} without its placeholders {placeholders(source)}"


def msgids(po):
    return re.findall(r'^(?:#~ )?msgid "(.+)"$', po, re.MULTILINE)


def gettext_faults(template, catalog, work):
    merged = os.path.join(work, "merged.po")
    run("msgmerge", "--quiet", "--no-fuzzy-matching", "--no-wrap", "-o", merged, catalog, template)
    for text in msgids(run("msgattrib", "--untranslated", "--no-obsolete", "--no-wrap", merged)):
        yield f'lacks a translation of "{text}"'
    for text in msgids(run("msgattrib", "--only-obsolete", "--no-wrap", merged)):
        yield f'holds "{text}", which the data no longer has'


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--root", required=True)
    parser.add_argument("--catalogs", nargs="+", required=True)
    parser.add_argument("--sources", nargs="+", required=True)
    parser.add_argument("--data-catalogs", nargs="+", required=True)
    parser.add_argument("--data-sources", nargs="+", required=True)
    arguments = parser.parse_args()
    faults = []
    with tempfile.TemporaryDirectory() as work:
        for catalog in arguments.catalogs:
            faults += [f"{os.path.relpath(catalog, arguments.root)} {fault}" for fault in
                       linguist_faults(arguments.lupdate, arguments.root, arguments.sources,
                                       catalog, work)]
        template = os.path.join(work, "data.pot")
        run("xgettext", "--from-code=UTF-8", "--no-wrap", "-o", template, *arguments.data_sources)
        for catalog in arguments.data_catalogs:
            faults += [f"{os.path.relpath(catalog, arguments.root)} {fault}"
                       for fault in gettext_faults(template, catalog, work)]
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} faults: update the catalogs (cmake --build BUILD --target "
              "update_translations for Qt's, msgmerge for gettext's) and translate what is new")
        return 1
    print("every catalog translates every text, and nothing more")
    return 0


if __name__ == "__main__":
    sys.exit(main())
