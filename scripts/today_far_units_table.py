# Vardeln — MIT licence, see LICENSE.
"""The table of the units off by 0.1 % or more from their definitions today in docs/today.md,
written from engine/tables/today.tsv between its two marker lines.

  today_far_units_table.py --write   rewrites the page's table
  today_far_units_table.py --check   the test: the page's table is the one the data gives"""
import sys
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TABLE = ROOT / "engine" / "tables" / "today.tsv"
PAGE = ROOT / "docs" / "today.md"
BEGIN = "<!-- The table of units far from today's definitions: scripts/today_far_units_table.py -->"
END = "<!-- End of the table of units far from today's definitions -->"


def far_rows():
    lines = [line for line in TABLE.read_text(encoding="utf-8").splitlines()
             if not line.startswith("#")]
    names = lines[0].split("\t")
    rows = [dict(zip(names, line.split("\t"))) for line in lines[1:]]
    return [row for row in rows
            if row["deviation"] != "—" and abs(Fraction(row["deviation"])) >= Fraction(1, 1000)]


def cell(text):
    return text.replace("|", "\\|")


def table():
    lines = ["| Category | Unit | This table's unit is | Today | Source | Confirmation |",
             "|---|---|---|---|---|---|"]
    for row in far_rows():
        lines.append("| " + " | ".join(cell(text) for text in (
            row["category"], row["label"], row["comparison"] + " today's", row["definition"],
            row["source"], row["confirmation"])) + " |")
    return "\n".join([BEGIN, *lines, END])


def main():
    text = PAGE.read_text(encoding="utf-8")
    start, end = text.index(BEGIN), text.index(END) + len(END)
    written = text[:start] + table() + text[end:]
    if sys.argv[1] == "--write":
        PAGE.write_text(written, encoding="utf-8")
    elif written != text:
        print("docs/today.md: the table of units far from today's definitions differs from "
              "engine/tables/today.tsv; run scripts/today_far_units_table.py --write")
        sys.exit(1)


if __name__ == "__main__":
    main()
