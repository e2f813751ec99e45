# Vardeln — MIT licence, see LICENSE.
"""Writes the C++ table of today's definitions from engine/tables/today.tsv, one row a unit,
so the program carries the written table as it stands, and the temperature scales of
engine/tables/today_temperature.tsv: today_table.py TABLE OUTPUT SCALES."""
import sys
from fractions import Fraction
from pathlib import Path


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def exact(text):
    numerator, _, denominator = text.partition("/")
    return Fraction(numerator) / Fraction(denominator or 1)


def scales(path, rows, header):
    """The scales' C++ rows; each must give today.tsv's value of 1 on its scale."""
    lines = Path(path).read_text(encoding="utf-8").splitlines()
    _, *scale_rows = [line.split("\t") for line in lines if not line.startswith("#")]
    label, today = header.index("label"), header.index("today")
    values = {row[label]: row[today] for row in rows if row[0] == "temperature"}
    for name, factor, offset in scale_rows:
        if exact(factor) + exact(offset) != exact(values[name]):
            sys.exit(f"{path}: {name}'s scale gives 1 as {exact(factor) + exact(offset)}, "
                     f"today.tsv says {values[name]}")
    if sorted(values) != sorted(row[0] for row in scale_rows):
        sys.exit(f"{path}: the scales are not today.tsv's temperatures")
    return ",\n".join("    {" + ", ".join(literal(field) for field in ["temperature", *row]) + "}"
                      for row in scale_rows)


def main():
    lines = Path(sys.argv[1]).read_text(encoding="utf-8").splitlines()
    header, *rows = [line.split("\t") for line in lines if not line.startswith("#")]
    # Of a confirmation the program says only "confirmed": what was read is the table's
    # record for its readers, and would only weigh on the page's first load.
    confirmation = header.index("confirmation")
    for row in rows:
        row[confirmation] = row[confirmation].split(":")[0]
    scale_body = scales(sys.argv[3], rows, header)
    body = ",\n".join("    {" + ", ".join(literal(field) for field in row) + "}" for row in rows)
    Path(sys.argv[2]).write_text(
        "// Written by engine/today_table.py from engine/tables/today.tsv; edit the table.\n"
        '#include "today.h"\n#include "today_scale.h"\n\nnamespace vardeln {\n\n'
        "std::span<const TodaysDefinition> todaysDefinitions() {\n"
        f"  static constexpr TodaysDefinition kRows[] = {{\n{body}}};\n"
        "  return kRows;\n}\n\n"
        "std::span<const TodaysScale> todaysScales() {\n"
        f"  static constexpr TodaysScale kScales[] = {{\n{scale_body}}};\n"
        "  return kScales;\n}\n\n}  // namespace vardeln\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
