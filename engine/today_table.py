# Vardeln — MIT licence, see LICENSE.
"""Writes the C++ table of today's definitions from engine/tables/today.tsv, one row a unit,
so the program carries the written table as it stands: today_table.py TABLE OUTPUT."""
import sys
from pathlib import Path


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    lines = Path(sys.argv[1]).read_text(encoding="utf-8").splitlines()
    header, *rows = [line.split("\t") for line in lines if not line.startswith("#")]
    # Of a confirmation the program says only "confirmed": what was read is the table's
    # record for its readers, and would only weigh on the page's first load.
    confirmation = header.index("confirmation")
    for row in rows:
        row[confirmation] = row[confirmation].split(":")[0]
    body = ",\n".join("    {" + ", ".join(literal(field) for field in row) + "}" for row in rows)
    Path(sys.argv[2]).write_text(
        "// Written by engine/today_table.py from engine/tables/today.tsv; edit the table.\n"
        '#include "today.h"\n\nnamespace vardeln {\n\n'
        "std::span<const TodaysDefinition> todaysDefinitions() {\n"
        f"  static constexpr TodaysDefinition kRows[] = {{\n{body}}};\n"
        "  return kRows;\n}\n\n}  // namespace vardeln\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
