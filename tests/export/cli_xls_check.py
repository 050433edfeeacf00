"""Runs `quvolo-cli deals --json --xls FILE` on the demo marketplace it starts itself and reads
the workbook back with xlrd: the sheet holds the title row and exactly the rows printed."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

import xlrd

CLI = sys.argv.pop(1)
WORK = tempfile.mkdtemp()
CONFIG = os.path.join(WORK, "no-hosts.ini")  # no [hosts]: the demo runs in-process


def deals(*args):
    return subprocess.run([CLI, "--config", CONFIG, "--pace", "0", "deals", *args],
                          capture_output=True, text=True, encoding="utf-8", timeout=120)


def first_game():
    listing = subprocess.run([CLI, "--config", CONFIG, "catalogue"], capture_output=True,
                             text=True, encoding="utf-8", timeout=60, check=True)
    return listing.stdout.splitlines()[0].split("\t")[1]


class DealsExport(unittest.TestCase):
    def test_the_workbook_holds_what_the_window_shows(self):
        path = os.path.join(WORK, "成交量.xls")
        result = deals("--game", first_game(), "--json", "--xls", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        shown = json.loads(result.stdout)
        sheet = xlrd.open_workbook(path).sheet_by_index(0)
        self.assertTrue(sheet.name.startswith("Lumora网"), sheet.name)
        self.assertEqual(sheet.row_values(0), shown["columns"])
        self.assertEqual([sheet.row_values(r) for r in range(1, sheet.nrows)], shown["rows"])

    def test_a_file_that_cannot_be_written_is_reported(self):
        result = deals("--game", first_game(), "--xls", os.path.join(WORK, "missing", "x.xls"))
        self.assertEqual(result.returncode, 1)
        self.assertIn("导出失败：", result.stderr)
        self.assertFalse(os.path.exists(os.path.join(WORK, "missing")))


if __name__ == "__main__":
    unittest.main()
