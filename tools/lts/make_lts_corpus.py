#!/usr/bin/env python3
"""Writes the seed corpus of the line type library fuzz target (fuzz/corpus/lts).

Each seed is a small library: the shipped one, one per shipped type, odd and even
patterns, with and without a byte order mark, line feeds alone, long names, a missing
last line, numbers in every form the pattern reader takes.
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_lts  # noqa: E402


def library(records, bom=True, newline="\r\n", header=";; seed", final=True):
    lines = [header]
    for record in records:
        lines.extend(record)
    text = newline.join(lines) + (newline if final else "")
    return (("\ufeff" if bom else "") + text).encode("utf-16-le")


def main():
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2] / "fuzz" / "corpus" / "lts"
    target.mkdir(parents=True, exist_ok=True)
    seeds = {}
    shipped = pathlib.Path(__file__).resolve().parents[2] / "data" / "KorvoCAD.lts"
    seeds["shipped.lts"] = shipped.read_bytes()
    for name, description, pattern in make_lts.FAMILIES:
        text = ", ".join(make_lts.number(e) for e in pattern)
        seeds["type_%s.lts" % name.lower()] = library([(name, description, text)])
    seeds["odd_pattern.lts"] = library([("ODD", "three elements", "2, -1, 0.5")])
    seeds["even_pattern.lts"] = library([("EVEN", "four elements", "2, -1, 0, -1")])
    seeds["one_element.lts"] = library([("ONE", "continuous", "5")])
    seeds["empty_pattern.lts"] = library([("EMPTY", "no elements", "")])
    seeds["no_bom.lts"] = library([("PLAIN", "no byte order mark", "1, -1")], bom=False)
    seeds["line_feeds.lts"] = library([("LF", "line feeds only", "3, -2")], newline="\n")
    seeds["no_final_newline.lts"] = library([("LAST", "no line end", "1, -0.5")], final=False)
    seeds["incomplete_record.lts"] = library([("WHOLE", "complete", "1, -1"), ("HALF", "cut")])
    seeds["header_only.lts"] = library([])
    seeds["long_name.lts"] = library([("L" * 300, "D" * 500, ", ".join(["1.25, -0.75"] * 40))])
    seeds["number_forms.lts"] = library(
        [("FORMS", "exponents and signs", "+1e1 -2.5E-1\t0 -.5, 3.,-0x1p1")])
    seeds["stops_at_text.lts"] = library([("STOP", "text ends the pattern", "1, -1, A, 2")])
    seeds["non_ascii.lts"] = library([("LIGNE\u00e9\u4e2d", "\u00c4\u00d6\u00dc \u2014 dash",
                                       "2, -1")])
    seeds["many_types.lts"] = library(
        [("T%d" % i, "type %d" % i, ", ".join(make_lts.number(v) for v in (i % 7, -(i % 5) - 1)))
         for i in range(60)])
    for name, data in seeds.items():
        (target / name).write_bytes(data)


if __name__ == "__main__":
    main()
