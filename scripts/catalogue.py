#!/usr/bin/env python3
"""The program's catalogue of texts (translations/*.ts, Qt Linguist's format).

  catalogue.py pseudo IN.ts OUT.ts      a pseudo-translation of IN's texts, for the tests
  catalogue.py rc KEYS.h OUT.rc TS...   the Windows window's string resources and their keys
  catalogue.py rc-pseudo KEYS.h OUT.rc TS   the pseudo-translation as string resources
  catalogue.py check LRELEASE TS...     every text finished, its placeholders kept

A text is found by its context, its English and its comment (a plural
text's English form for one); the keys give each an ID, and a plural text
one ID for each form (at most four).
"""
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

# Each language the catalogue has, with the Windows language ID its string
# resources go under and the number of plural forms Qt's tools give it.
LANGUAGES = {
    "de": (0x0407, 2), "fr": (0x040C, 2), "es": (0x0C0A, 2), "pt_BR": (0x0416, 2), "it": (0x0410, 2),
    "pl": (0x0415, 3), "ru": (0x0419, 3), "ja": (0x0411, 1), "ko": (0x0412, 1), "zh_CN": (0x0804, 1),
    "zh_TW": (0x0404, 1),
}
# The pseudo-translation goes under Windows' own pseudo-locale, qps-ploc.
PSEUDO_LANGUAGE_ID = 0x0501
FORMS_PER_TEXT = 4
PLACEHOLDER = re.compile(r"%[1-9n]")


def messages(ts_path):
    """(context, source, comment, numerus, [translations], finished) of a .ts file."""
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text or ""]
            kind = translation.get("type")
            yield (name, message.findtext("source"), message.findtext("comment") or "",
                   message.get("numerus") == "yes", forms, kind not in ("unfinished", "vanished", "obsolete"))


def language_of(ts_path):
    return ET.parse(ts_path).getroot().get("language")


# Accented letters for the ASCII ones, so that a pseudo-translated text
# still reads and shows what a font must draw beyond ASCII.
ACCENTED = dict(zip("aceinouyACEINOUY", "àçéîñöûýÀÇÉÎÑÖÛÝ"))


def pseudo(text):
    """The text with accents, a third longer, in brackets; placeholders,
    accelerators (&x) and tabs before a shortcut kept as they are."""
    out, at = [], 0
    while at < len(text):
        if text[at] == "%" and at + 1 < len(text):
            out.append(text[at:at + 2])
            at += 2
        elif text[at] == "&" and at + 1 < len(text):
            out.append(text[at:at + 2])
            at += 2
        elif text[at] == "\t":
            out.append(text[at:])  # a shortcut's name: the system's, not ours
            break
        else:
            out.append(ACCENTED.get(text[at], text[at]))
            at += 1
    body = "".join(out)
    shortcut = ""
    if "\t" in body:
        body, shortcut = body.split("\t", 1)
        shortcut = "\t" + shortcut
    padding = "~" * max(1, (len(text) + 2) // 3)
    return "[" + body + padding + "]" + shortcut


def write_pseudo(source_ts, out_ts):
    root = ET.parse(source_ts).getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for form in translation.findall("numerusform"):
                translation.remove(form)
            ET.SubElement(translation, "numerusform").text = pseudo(message.findtext("source"))
            translation.text = None
        else:
            translation.text = pseudo(message.findtext("source"))
    ET.ElementTree(root).write(out_ts, encoding="utf-8", xml_declaration=True)


def c_string(text):
    """A UTF-8 text as a C++ string literal, every byte outside plain ASCII
    written as an octal escape."""
    safe = " .,:;!?()[]{}'-_/+*=<>%&#@~^|$`"
    return '"' + "".join(c if c.isalnum() and c.isascii() or c in safe else
                         "".join("\\%03o" % b for b in c.encode("utf-8")) for c in text) + '"'


def rc_string(text):
    """A text as a wide string of a resource script, every character escaped
    that a resource compiler could take otherwise."""
    out = []
    for c in text:
        if c == '"':
            out.append('""')
        elif 0x20 <= ord(c) < 0x7F and c != "\\":
            out.append(c)
        else:
            for unit in c.encode("utf-16-le").hex(" ", 2).split():
                out.append("\\x" + unit[2:] + unit[:2])
    return 'L"' + "".join(out) + '"'


def keys_of(ts_paths):
    keys = sorted({(m[0], m[1], m[2], m[3]) for path in ts_paths for m in messages(path)})
    return {key[:3]: (index + 1) * FORMS_PER_TEXT for index, key in enumerate(keys)}, keys


def write_keys(path, keys):
    with open(path, "w", encoding="utf-8") as out:
        out.write("// Made by scripts/catalogue.py from translations/*.ts: each text's ID.\n#pragma once\n\n")
        out.write("namespace win32 {\n\nstruct CatalogueKey {\n  const char* context;\n  const char* english;\n"
                  "  const char* comment;\n  unsigned short id;\n};\n\n")
        out.write("inline constexpr CatalogueKey kCatalogueKeys[] = {\n")
        for index, (context, source, comment, _) in enumerate(keys):
            out.write("    {%s, %s, %s, %d},\n" % (c_string(context), c_string(source), c_string(comment),
                                                   (index + 1) * FORMS_PER_TEXT))
        out.write("};\n\ninline constexpr unsigned short kCatalogueLanguages[] = {%s};\n\n}  // namespace win32\n"
                  % ", ".join("0x%04X" % LANGUAGES[lang][0] for lang in LANGUAGES))


def write_rc(path, tables):
    with open(path, "w", encoding="ascii") as out:
        out.write("// Made by scripts/catalogue.py from translations/*.ts.\n")
        for language_id, strings in tables:
            out.write("\nLANGUAGE 0x%02X, 0x%02X\nSTRINGTABLE\nBEGIN\n" % (language_id & 0x3FF, language_id >> 10))
            for string_id, text in sorted(strings.items()):
                out.write("  %d, %s\n" % (string_id, rc_string(text)))
            out.write("END\n")


def translated_strings(ids, ts_path, translate=None):
    strings = {}
    for context, source, comment, numerus, forms, finished in messages(ts_path):
        if translate:
            forms, finished = [translate(source)], True
        if not finished:
            continue
        for form, text in enumerate(forms):
            if text:
                strings[ids[(context, source, comment)] + form] = text
    return strings


def command_rc(keys_h, out_rc, ts_paths):
    ids, keys = keys_of(ts_paths)
    write_keys(keys_h, keys)
    tables = []
    for path in ts_paths:
        language = language_of(path)
        tables.append((LANGUAGES[language][0], translated_strings(ids, path)))
    write_rc(out_rc, tables)


def command_rc_pseudo(keys_h, out_rc, ts_path):
    # The same keys as the program's (they come from every .ts, whose
    # texts are the same after an update).
    ids, _ = keys_of([ts_path])
    write_rc(out_rc, [(PSEUDO_LANGUAGE_ID, translated_strings(ids, ts_path, pseudo))])


def command_check(lrelease, ts_paths):
    failures = []
    for path in ts_paths:
        language = language_of(path)
        # The tools' own count of unfinished and untranslated texts.
        report = subprocess.run([lrelease, path, "-qm", "/dev/null"], capture_output=True, text=True).stdout
        finished = re.search(r"\((\d+) finished and (\d+) unfinished\)", report)
        if not finished or finished.group(2) != "0" or "untranslated" in report:
            failures.append("%s: lrelease says: %s" % (path, " ".join(report.split())))
        _, wanted_forms = LANGUAGES.get(language, (0, 1))
        for context, source, comment, numerus, forms, done in messages(path):
            if not done:
                continue  # counted above
            wanted = sorted(set(PLACEHOLDER.findall(source)) | set(PLACEHOLDER.findall(comment)))
            if numerus and len(forms) != wanted_forms:
                failures.append("%s: %s: %d plural forms, not %d" % (path, source, len(forms), wanted_forms))
            for form in forms:
                got = sorted(set(PLACEHOLDER.findall(form)))
                # One plural form may leave out %n ("one line" written out).
                if got != wanted and not (numerus and got == [p for p in wanted if p != "%n"]):
                    failures.append("%s: %r has the placeholders %s, its English %s" % (path, form, got, wanted))
                if source.count("&") - source.count("&&") > 0 and "&" not in form:
                    failures.append("%s: %r has no accelerator, its English %r has one" % (path, form, source))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "pseudo" and len(argv) == 4:
        write_pseudo(argv[2], argv[3])
    elif command == "rc" and len(argv) >= 5:
        command_rc(argv[2], argv[3], argv[4:])
    elif command == "rc-pseudo" and len(argv) == 5:
        command_rc_pseudo(argv[2], argv[3], argv[4])
    elif command == "check" and len(argv) >= 4:
        return command_check(argv[2], argv[3:])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
