#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Usage: catalogues.py SOURCE_DIR LUPDATE: each catalogue, brought up to date with the sources
as update_translations does (on a copy), has every message translated, with its placeholders.
The checks of the real program read what a language says here too."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SOURCES = ["walk", "mainwindow", "graphs", "help", "platform", "resources"]
LANGUAGES = sorted(re.fullmatch(r"lurchfield_(.+)\.ts", name)[1]  # English's: plural forms only
                   for name in os.listdir(f"{os.path.dirname(__file__)}/../translations") if name.endswith(".ts"))
LOCALES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8", "ja": "ja_JP.UTF-8"}


def speaking(language, **env):  # the environment of a desktop session in that language
    return dict(env, LC_ALL="", LANG=LOCALES[language])


def translation(source, language, context, text):
    """The language's catalogue's translation of a source text, its first plural form for a
    count."""
    tree = ElementTree.parse(f"{source}/translations/lurchfield_{language}.ts")
    for message in tree.findall(f"context[name='{context}']/message"):
        if message.findtext("source") == text:
            found = message.find("translation")
            return found.findtext("numerusform") if message.get("numerus") else found.text
    raise KeyError(f"{language}: no {context} message {text!r}")


def faults(path):
    found = []
    for message in ElementTree.parse(path).iter("message"):
        text, translated = message.findtext("source"), message.find("translation")
        forms = [f.text or "" for f in translated.findall("numerusform")] or [translated.text or ""]
        if translated.get("type") or not all(forms):
            found.append(f"{translated.get('type') or 'empty'}: {text!r}")
        elif any(sorted(re.findall(r"%[\dn]", form)) != sorted(re.findall(r"%[\dn]", text)) for form in forms):
            found.append(f"placeholders of {text!r} not as in {forms}")
    return found


def main():
    source, lupdate = sys.argv[1:]
    failed = []
    with tempfile.TemporaryDirectory() as scratch:
        for language in LANGUAGES:
            copy = os.path.join(scratch, f"lurchfield_{language}.ts")
            shutil.copy(f"{source}/translations/lurchfield_{language}.ts", copy)
            plural = ["-pluralonly"] if language == "en" else []
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-I", ".",
                            *plural, *SOURCES, "-ts", copy], cwd=source, check=True)
            found = faults(copy)
            print(("FAIL " if found else "ok   ") + language, *found, sep="\n  ")
            failed += found
    sys.exit(f"FAIL: {len(failed)} message(s)" if failed else None)


if __name__ == "__main__":
    main()
