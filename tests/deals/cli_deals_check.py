"""Runs `quvolo-cli deals` against the demo marketplace it starts itself and checks what it
prints: the rows as the crawl lays them out and figures that agree with the rows."""

import json
import os
import subprocess
import sys
import tempfile
import unittest
from decimal import ROUND_HALF_UP, Decimal

CLI = sys.argv.pop(1)
CONFIG = os.path.join(tempfile.mkdtemp(), "no-hosts.ini")  # no [hosts]: the demo runs in-process
TITLES = ["序号", "商品名称", "游戏区服", "商品类型", "价格", "单价", "成交时间", "交易地址"]


def run(*args):
    return subprocess.run([CLI, "--config", CONFIG, "--pace", "0", *args], capture_output=True,
                          text=True, encoding="utf-8", timeout=120)


def number(text):
    """The leading decimal number of a value, 0 without one."""
    digits = ""
    for c in text.strip():
        if c.isdigit() or (c in "+-" and not digits) or (c == "." and "." not in digits):
            digits += c
        else:
            break
    try:
        return float(digits)
    except ValueError:
        return 0.0


def without_host(rows):
    """Each run starts its own demo on its own port; the deals are the same."""
    return [row[:7] + ["/" + row[7].split("/", 3)[3]] for row in rows]


def unit_value(cell):
    return cell.split("元")[0] if "元" in cell else ""


class CliDeals(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        catalogue = run("catalogue")
        ids = [line.split("\t")[0] for line in catalogue.stdout.splitlines()]
        cls.game = None
        for game in ids[:60]:
            answer = json.loads(run("deals", "--game", "id:" + game, "--json").stdout)
            if len(answer["rows"]) > 160:
                cls.game, cls.answer = game, answer
                break
        assert cls.game, "a game with three pages of deals"

    def test_rows_are_numbered_from_the_top_down_to_one(self):
        rows = self.answer["rows"]
        self.assertEqual(self.answer["columns"], TITLES)
        self.assertEqual([row[0] for row in rows], [str(len(rows) - i) for i in range(len(rows))])
        for row in rows:
            self.assertEqual(len(row), 8)
            self.assertTrue(row[7].startswith("http://"), row)

    def test_figures_agree_with_the_rows(self):
        rows, figures = self.answer["rows"], self.answer["figures"]
        prices = [number(row[4].replace(",", "")) for row in rows]
        units = [number(unit_value(row[5])) for row in rows]
        self.assertEqual(figures["标签_交易笔数"], "%d 笔" % len(rows))
        self.assertTrue(figures["标签_交易总金额"].endswith(" 元"))
        self.assertAlmostEqual(number(figures["标签_交易总金额"]), sum(prices), delta=1e-6 * sum(prices))
        self.assertEqual(number(figures["标签_最低价"]), min(prices))
        self.assertEqual(number(figures["标签_最高价"]), max(prices))
        self.assertEqual(number(figures["标签_最低单价"]), min(units))
        self.assertEqual(number(figures["标签_最高单价"]), max(units))
        average = Decimal(repr(sum(units) / len(units))).quantize(Decimal("0.001"), ROUND_HALF_UP)
        self.assertAlmostEqual(number(figures["标签_平均单价"]), float(average), delta=1e-9)
        status = self.answer["status"]
        self.assertTrue(status[0].endswith("  元") and " 定单     统计交易额为：  " in status[0])
        self.assertEqual(status[1], "查询完毕！")
        self.assertRegex(status[2], r"^\d+年\d+月\d+日")

    def test_a_day_keeps_exactly_that_days_deals(self):
        rows = self.answer["rows"]
        day = rows[len(rows) // 2][6].split(" ")[0]
        expected = [row for row in rows if row[6].startswith(day + " ")]
        narrowed = json.loads(run("deals", "--game", "id:" + self.game, "--day", "20" + day,
                                  "--json").stdout)
        self.assertEqual(without_host(narrowed["rows"]), without_host(expected))
        self.assertEqual(narrowed["figures"]["标签_交易笔数"], "%d 笔" % len(expected))

    def test_the_table_shows_the_same_rows_and_figures(self):
        table = run("deals", "--game", "id:" + self.game)
        self.assertEqual(table.returncode, 0)
        lines = table.stdout.splitlines()
        self.assertEqual(lines[0], "查询目标: " + self.answer["target"])
        for row in without_host(self.answer["rows"][:5]):
            self.assertTrue(any(line.startswith(row[0] + " ") and all(cell in line for cell in row[1:])
                                for line in lines), row)
        self.assertIn("交易量    " + self.answer["figures"]["标签_交易笔数"], lines)

    def test_unknown_names_exit_2_and_name_the_choices(self):
        for args, listed in [(["--game", "没有这个游戏"], "the choices are:"),
                             (["--game", "id:" + self.game, "--area", "没有这个区"],
                              "the choices are:")]:
            answer = run("deals", *args)
            self.assertEqual(answer.returncode, 2, args)
            self.assertIn(listed, answer.stderr)
            self.assertEqual(answer.stdout, "")


if __name__ == "__main__":
    unittest.main()
