#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the workbook of a problem with vantrell-cli and reads it back with openpyxl.

Usage: check_workbook.py VANTRELL_CLI PROBLEM.lp, with PROBLEM.lp the example
maximize.lp, whose dual run (the last run of "report") takes four tableaus of six lines.
Exits 0 when every check holds, 1 with the failures listed otherwise.
"""

import os
import subprocess
import sys
import tempfile

import openpyxl

M1 = "(0.000, -1.000M)"
CJ_LINE = ["", "Cj", "-4.000", "-6.000", "0.000", M1, "0.000", M1]
HEADINGS = ["Cb", "Basis", "Y1", "Y2", "S1", "a1", "S2", "a2", "Bi", "Bi/Aij"]

# The first two tableaus of the dual run, line by line, cell by cell.
EXPECTED_PAGES = [
    [
        CJ_LINE,
        HEADINGS,
        [M1, "a1", "1.000", "1.000", "-1.000", "1.000", "0.000", "0.000", "3.000", "3.000"],
        [M1, "a2", "1.000", "3.000", "0.000", "0.000", "-1.000", "1.000", "2.000", "0.667"],
        ["", "Zj", "(0.000, -2.000M)", "(0.000, -4.000M)", "(0.000, 1.000M)", M1,
         "(0.000, 1.000M)", M1],
        ["", "Cj-Zj", "(-4.000, 2.000M)", "(-6.000, 4.000M)", M1, "(0.000, 0.000M)", M1,
         "(0.000, 0.000M)", "0.000"],
    ],
    [
        CJ_LINE,
        HEADINGS,
        [M1, "a1", "0.667", "0.000", "-1.000", "1.000", "0.333", "-0.333", "2.333", "3.500"],
        ["-6.000", "Y2", "0.333", "1.000", "0.000", "0.000", "-0.333", "0.333", "0.667",
         "2.000"],
        ["", "Zj", "(-2.000, -0.667M)", "(-6.000, 0.000M)", "(0.000, 1.000M)", M1,
         "(2.000, -0.333M)", "(-2.000, 0.333M)"],
        ["", "Cj-Zj", "(-2.000, 0.667M)", "(0.000, 0.000M)", M1, "(0.000, 0.000M)",
         "(-2.000, 0.333M)", "(2.000, -1.333M)", "-4.000"],
    ],
]
PAGES = 4
LINES_PER_PAGE = 6


def main():
    cli, problem = sys.argv[1], sys.argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        workbook_path = os.path.join(folder, "tableaus.xlsx")
        run = subprocess.run(
            [cli, "report", problem, "-o", os.path.join(folder, "report.out"),
             "--xlsx", workbook_path],
            capture_output=True, text=True, check=False)
        if run.returncode != 0:
            print(f"vantrell-cli exited with {run.returncode}: {run.stderr}")
            return 1
        if sorted(os.listdir(folder)) != ["report.out", "tableaus.xlsx"]:
            failures.append(f"files left beside the workbook: {sorted(os.listdir(folder))}")
        sheet = openpyxl.load_workbook(workbook_path).active

        page_rows = LINES_PER_PAGE + 1
        if sheet.max_row != PAGES * page_rows - 1:
            failures.append(f"the sheet ends at row {sheet.max_row}")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                if cell.column == 1:
                    failures.append(f"{cell.coordinate} holds {cell.value!r}; A stays empty")
                if cell.data_type != "s":
                    failures.append(f"{cell.coordinate} is of type {cell.data_type!r}, not text")
                if cell.row % page_rows == 0:
                    failures.append(f"{cell.coordinate} is in an empty row between tableaus")

        for page_index, page in enumerate(EXPECTED_PAGES):
            for line_index, line in enumerate(page):
                row = page_index * page_rows + line_index + 1
                found = [sheet.cell(row=row, column=k + 2).value for k in range(len(line) + 2)]
                # An empty text leaves its cell empty; nothing follows a line's last cell.
                wanted = [text or None for text in line] + [None, None]
                if found != wanted:
                    failures.append(f"row {row}: {found} instead of {wanted}")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
