#!/usr/bin/env python3
"""Writes the five scenario tables of the sample course (ini/scenario.ini, fraga.ini,
svarsalt.ini, facit.ini, bilder.ini) from the scenario texts below.

The tables are plain course sources afterwards; run this again after changing a text here:
    python3 course/tools/scn_tables.py
"""
import textwrap
from pathlib import Path

from scn_content import SCENARIOS

INI = Path(__file__).resolve().parent.parent / "ini"


def table(name, fields, posts):
    lines = [f"[{name}]"] + [f"FieldName={f}" for f in fields] + [""]
    for number, values in enumerate(posts):
        assert len(values) == len(fields), (name, values)
        for value in values:
            assert "\n" not in str(value), value
        lines += ["", f"[{number}]"] + [str(v) for v in values] + [""]
    return "\n".join(lines) + "\n"


# Characters per line that fit the question column (496 pixels) in Scenario's fonts: the
# question is bold, the hint italic and smaller, an alternative sits right of its check box.
QUESTION_WIDTH = 64
HINT_WIDTH = 80
ALTERNATIVE_WIDTH = 72


def wrap(text, width):
    """Breaks each paragraph of text into lines of at most width characters, joined by a
    literal \\n: the label heights come from these line counts, so no line may wrap again."""
    return "\\n".join("\\n".join(textwrap.wrap(part, width)) or part for part in text.split("\\n"))


def line_count(text):
    return text.count("\\n") + 1 if text else 0


def build():
    scenarios, questions, alternatives, keys, pictures = [], [], [], [], []
    for sc in SCENARIOS:
        sid = sc["id"]
        scenarios.append([sid, sc["name"], sc["description"], sc["start_time"], sc["score_min"],
                          sc["score_max"], sc["logo"], sc["temp"], sc["wind"]])
        for room in sc["rooms"]:
            rid = room["id"]
            question = wrap(room["question"], QUESTION_WIDTH)
            hint = wrap(room.get("hint", ""), HINT_WIDTH)
            questions.append([rid, sid, question, hint, room.get("picture", ""),
                              room["type"], room["minutes"], "True" if room.get("start") else "False",
                              "", room["points"], room["status"], room.get("info", ""),
                              line_count(question), line_count(hint)])
            for order, (alt_id, text) in enumerate(room["alternatives"], start=1):
                alternatives.append([alt_id, rid, sid, wrap(text, ALTERNATIVE_WIDTH), order])
            for answer, action, dialog in room["key"]:
                keys.append([rid, sid, answer, action, dialog])
            for order, name in enumerate(room["scenes"], start=1):
                pictures.append([rid, sid, name, order])
    return {
        "scenario.ini": table("Scenario", ["sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax",
                                           "Logo", "Temp", "Vind"], scenarios),
        "fraga.ini": table("Fraga", ["RumID", "sc_id", "Fraga", "FragaLedtext", "Bild", "Typ",
                                     "eventAddtime", "StartFraga", "Anteckning", "Poang", "Status",
                                     "Infolank", "Fraga_Lines", "FragaLedtext_Lines"], questions),
        "svarsalt.ini": table("SvarsAlt", ["SvarsAltID", "RumID", "sc_id", "Namn", "Order"], alternatives),
        "facit.ini": table("Facit", ["RumID", "sc_id", "Svar", "Action", "DialogText"], keys),
        "bilder.ini": table("Bilder", ["RumID", "sc_id", "Namn", "Order"], pictures),
    }


if __name__ == "__main__":
    for name, text in build().items():
        (INI / name).write_text(text, encoding="utf-8", newline="\n")
        print("wrote", INI / name)
