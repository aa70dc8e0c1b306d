#!/usr/bin/env python3
"""Every shipped catalogue holds every text of the program, finished, with its plural forms.

Runs lupdate as scripts/update-translations.sh does, into copies of translations/*.ts in a
scratch folder, and fails on any message of a catalogue that is unfinished, missing (a
text of the program the catalogue did not have) or whose plural forms are empty or not as
many as its language has (Polish three, the others two). English is the language the texts
are written in: its catalogue holds only the counted texts, so only those are asked of it.

    catalogues_complete.py SOURCE_DIR
Exit 77 (skipped) without lupdate.
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"pl": 3}  # every other shipped language has two


def find_lupdate():
    for candidate in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6") or "",
                      shutil.which("lupdate") or ""):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    return None


def messages(path):
    """(context, source, comment) -> the <message> element, for one catalogue."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            found[key] = message
    return found


def problems(language, message, shipped):
    """What is wrong with one message of the program in a catalogue, or None. `message` is
    lupdate's, `shipped` the catalogue's own (None when it lacked the text): lupdate pads
    the plural forms to the language's count, so they are counted as shipped."""
    counted = message.get("numerus") == "yes"
    if language == "en" and not counted:
        return None
    if shipped is None:
        return "is missing"
    message = shipped
    translation = message.find("translation")
    if translation is None:
        return "is missing"
    kind = translation.get("type", "")
    if kind in ("vanished", "obsolete"):
        return None
    if kind == "unfinished":
        return "is unfinished"
    if counted:
        forms = [form.text or "" for form in translation.findall("numerusform")]
        wanted = PLURAL_FORMS.get(language.split("_")[0], 2)
        if len(forms) != wanted:
            return "has %d plural forms, %d wanted" % (len(forms), wanted)
        if any(not form.strip() for form in forms):
            return "has an empty plural form"
    elif not (translation.text or "").strip():
        return "is empty"
    return None


def main():
    source_dir = sys.argv[1]
    lupdate = find_lupdate()
    if not lupdate:
        print("SKIP lupdate is missing")
        return 77
    shipped = sorted(glob.glob(os.path.join(source_dir, "translations", "zentova_*.ts")))
    if not shipped:
        print("FAIL no catalogue in %s/translations" % source_dir)
        return 1
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in shipped:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        run = subprocess.run(
            [lupdate, "-silent", "-locations", "none", "-no-obsolete",
             "-tr-function-alias", "translate+=translated",
             os.path.join(source_dir, "src"), "-ts"] + copies,
            capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("FAIL lupdate ended with %d" % run.returncode)
            return 1
        for path, copy in zip(shipped, copies):
            language = ET.parse(copy).getroot().get("language", "")
            before = messages(path)
            for key, message in messages(copy).items():
                problem = problems(language, message, before.get(key))
                if problem:
                    context, source, _ = key
                    failures.append("%s: %s: \"%s\" %s" % (language, context, source, problem))
    for line in failures:
        print(line)
    if failures:
        print("FAIL %d messages of the catalogues are not ready" % len(failures))
        return 1
    print("PASS %d catalogues complete" % len(shipped))
    return 0


if __name__ == "__main__":
    sys.exit(main())
