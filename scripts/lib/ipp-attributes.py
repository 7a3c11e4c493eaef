#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes an ippeveprinter attributes file (its -a FILE) from what a real
printer answered to Get-Printer-Attributes, as `ipptool -tv` prints it:
one attribute a line, `name (type) = value,value,...`.

The answers kept in tests/data/ipp-printers/ list no media-col-database, and
ippeveprinter accepts a job's media-col only when one of that database's
entries matches it member for member. A real printer lists every size with
each of its margins, trays and paper types; so is the database written here,
from media-size-supported, the *-margin-supported values,
media-source-supported and media-type-supported.

--refusing leaves the envelope sizes, and the ranges of custom sizes that
hold them, out of media-size-supported, which
ippeveprinter checks each job's media-col against, while the database still
lists them: CUPS offers them, and the printer refuses every envelope job with
"Unsupported media-col collection value", as a printer whose own lists
disagree does.

usage: ipp-attributes.py [--refusing] ANSWER.txt OUT.conf
"""
import re
import sys

# The members of the collections these answers hold that are numbers;
# every other plain member is a keyword.
INTEGER_MEMBERS = {
    "x-dimension", "y-dimension", "media-top-margin", "media-bottom-margin",
    "media-left-margin", "media-right-margin",
}
# orientation-requested's keywords, as the enum's numbers.
ORIENTATIONS = {"portrait": "3", "landscape": "4", "reverse-landscape": "5", "reverse-portrait": "6", "none": "7"}
# DL, C5, C6, No. 10 and Monarch, in hundredths of a millimetre.
ENVELOPE_SIZES = {(11000, 22000), (16200, 22900), (11400, 16200), (10477, 24130), (9842, 19050)}
MARGINS = ("media-bottom-margin", "media-left-margin", "media-right-margin", "media-top-margin")


def split_top(text, separator):
    """Splits at `separator` outside braces."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
        elif c == separator and depth == 0:
            parts.append(text[start:i])
            start = i + 1
    parts.append(text[start:])
    return [p.strip() for p in parts if p.strip()]


def quoted(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def collection(text):
    """`{a=1 b={c=2}}` as ippeveprinter's `{MEMBER integer a 1 ...}`."""
    members = []
    for member in split_top(text.strip()[1:-1], " "):
        name, value = member.split("=", 1)
        if value.startswith("{"):
            members.append(f"MEMBER collection {name} {collection(value)}")
        elif name in INTEGER_MEMBERS and "-" in value:  # a range: custom sizes
            members.append(f"MEMBER rangeOfInteger {name} {value}")
        elif name in INTEGER_MEMBERS:
            members.append(f"MEMBER integer {name} {int(value)}")
        else:
            members.append(f"MEMBER keyword {name} {quoted(value)}")
    return "{ " + " ".join(members) + " }"


def value_type(type_text):
    type_text = type_text.replace("1setOf ", "")
    return {"textWithoutLanguage": "text", "nameWithoutLanguage": "name", "mimeMediaType": "mimetype"}.get(
        type_text, type_text)


def parse(path):
    attributes = {}
    line_pattern = re.compile(r"^([a-z0-9-]+) \(([^)]*)\) = (.*)$")
    with open(path, encoding="utf-8") as answer:
        for line in answer:
            match = line_pattern.match(line.rstrip("\n"))
            if match:
                name, type_text, values = match.groups()
                attributes[name] = (value_type(type_text), split_top(values, ","))
    return attributes


def size_of(text):
    """A fixed size as (x, y); None for a range of custom sizes."""
    match = re.search(r"x-dimension=(\d+) y-dimension=(\d+)\}", text)
    return (int(match.group(1)), int(match.group(2))) if match else None


def database(attributes):
    sizes = attributes["media-size-supported"][1]
    margins = [attributes[f"{m}-supported"][1] for m in MARGINS]
    margin_sets = sorted({tuple(int(values[min(i, len(values) - 1)]) for values in margins)
                          for i in range(max(len(values) for values in margins))}, reverse=True)
    sources = attributes["media-source-supported"][1]
    types = attributes["media-type-supported"][1]
    entries = []
    for size in sizes:
        for margin_set in margin_sets:
            for source in sources:
                for media_type in types:
                    members = [f"media-size={size}"]
                    members += [f"{m}={v}" for m, v in zip(MARGINS, margin_set)]
                    members.append(f"media-source={source}")
                    members.append(f"media-type={media_type}")
                    entries.append("{" + " ".join(members) + "}")
    return entries


def main(argv):
    full = "--refusing" not in argv
    paths = [a for a in argv if not a.startswith("--")]
    if len(paths) != 2:
        sys.exit(__doc__)
    attributes = parse(paths[0])
    attributes["media-col-database"] = ("collection", database(attributes))
    if not full:
        kind, sizes = attributes["media-size-supported"]
        attributes["media-size-supported"] = (kind, [s for s in sizes if size_of(s) and size_of(s) not in ENVELOPE_SIZES])
    lines = []
    for name, (type_name, values) in attributes.items():
        if type_name == "collection":
            text = ",".join(collection(v) for v in values)
        elif type_name in ("integer", "enum", "resolution"):
            text = ",".join(ORIENTATIONS.get(v, v) for v in values)
        else:
            text = ",".join(quoted(v) for v in values)
        lines.append(f"ATTR {type_name} {name} {text}\n")
    with open(paths[1], "w", encoding="utf-8") as out:
        out.writelines(lines)
        out.flush()


if __name__ == "__main__":
    main(sys.argv[1:])
