#!/usr/bin/env python3
"""Writes the program's catalogues (translations/talvo_<code>.ts, the files the desktop program
and talvo-cli compile in) as one JSON file for the browser's core:
{"es": [[context, source, disambiguation, form, ...], ...], "zh": [...]}.
A message has one form, or a plural text one per plural class of its language."""
import json
import pathlib
import sys
import xml.etree.ElementTree as ET

# Plural classes the core's lookup knows: one form for every count, or one for 1 and one for
# the rest. A catalogue needing more stops the build instead of showing wrong words.
MAX_FORMS = 2


def read_catalogue(path):
    entries = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            # As lrelease: unfinished translations count, vanished and obsolete ones do not.
            if translation is None or translation.get("type") in ("vanished", "obsolete"):
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            if len(forms) > MAX_FORMS:
                sys.exit(f"{path}: {len(forms)} plural forms for {message.findtext('source')!r}")
            source = message.findtext("source", "")
            disambiguation = message.findtext("comment", "")
            entries.append([name, source, disambiguation, *forms])
    return entries


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: catalogues.py TRANSLATIONS_DIR OUT.json")
    folder, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    catalogues = {}
    for ts in sorted(folder.glob("talvo_*.ts")):
        catalogues[ts.stem[len("talvo_"):]] = read_catalogue(ts)
    out.parent.mkdir(parents=True, exist_ok=True)
    text = json.dumps(catalogues, ensure_ascii=False, separators=(",", ":"))
    # Written only when changed, so what depends on it is not rebuilt for nothing.
    if not out.exists() or out.read_text(encoding="utf-8") != text:
        out.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
