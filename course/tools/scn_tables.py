#!/usr/bin/env python3
"""Writes the five scenario tables of the sample course (ini/scenario.ini, fraga.ini,
svarsalt.ini, facit.ini, bilder.ini) from the scenario texts below.

The tables are plain course sources afterwards; run this again after changing a text here:
    python3 course/tools/scn_tables.py
"""
import itertools
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


def key_rows(room):
    """The room's key with every `with:n` answer spelt out as the combinations that tick n
    (ones the key names itself keep their own row); "*" rows stay last, as they only catch
    what nothing else matched."""
    ids = sorted(alt_id for alt_id, _ in room["alternatives"])
    named = {answer for answer, _, _ in room["key"] if not answer.startswith("with:")}
    rows = []
    for answer, action, dialog in room["key"]:
        if not answer.startswith("with:"):
            rows.append((answer, action, dialog))
            continue
        risky = int(answer[len("with:"):])
        assert room["type"] == "fv" and risky in ids, (room["id"], answer)
        for size in range(1, len(ids) + 1):
            for combination in itertools.combinations(ids, size):
                text = ",".join(map(str, combination))
                if risky in combination and text not in named:
                    rows.append((text, action, dialog))
                    named.add(text)
    return [r for r in rows if r[0] != "*"] + [r for r in rows if r[0] == "*"]


def targets(room):
    """The rooms (None for the finish) that the room's answers lead on to."""
    out = set()
    for _, action, _ in key_rows(room):
        if action == "finish":
            out.add(None)
        elif int(action[1:]) != room["id"]:
            out.add(int(action[1:]))
    return out


def score_range(sc):
    """PoangMin and PoangMax: the fewest and the most points of a finished run that enters
    no room twice (a try-again adds a room's points once more and has no upper bound)."""
    rooms = {room["id"]: room for room in sc["rooms"]}
    start = next(room["id"] for room in sc["rooms"] if room.get("start"))
    scores = []

    def walk(room_id, points, seen):
        for target in targets(rooms[room_id]):
            if target is None:
                scores.append(points)
            elif target not in seen:
                walk(target, points + rooms[target]["points"], seen | {target})

    walk(start, rooms[start]["points"], {start})
    return min(scores), max(scores)


def build():
    scenarios, questions, alternatives, keys, pictures = [], [], [], [], []
    for sc in SCENARIOS:
        sid = sc["id"]
        score_min, score_max = score_range(sc)
        scenarios.append([sid, sc["name"], sc["description"], sc["start_time"], score_min,
                          score_max, sc["logo"], sc["temp"], sc["wind"]])
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
            for answer, action, dialog in key_rows(room):
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
