#!/usr/bin/env python3
"""Writes examples/mobile-numbers.txt: a GBK, CR LF sample of mobile numbers in four columns
(number, name, city, amount), with some repeated lines and numbers, from a fixed seed."""
import pathlib
import random

PREFIXES = ["134", "135", "136", "137", "138", "139", "150", "151", "152", "157", "158", "159",
            "182", "183", "187", "188", "130", "131", "132", "155", "156", "185", "186",
            "133", "153", "180", "181", "189", "170", "171"]
SURNAMES = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗"
GIVEN = "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂"
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "成都", "武汉", "南京", "西安", "重庆"]


def main() -> None:
    rng = random.Random(20261211)
    lines = []
    for _ in range(320):
        number = rng.choice(PREFIXES) + "".join(rng.choice("0123456789") for _ in range(8))
        name = rng.choice(SURNAMES) + rng.choice(GIVEN) + (rng.choice(GIVEN) if rng.random() < 0.5 else "")
        amount = f"{rng.randint(0, 99999) / 100:.2f}"
        lines.append(",".join([number, name, rng.choice(CITIES), amount]))
    # Repeats: whole lines, and numbers that come back with other columns.
    for _ in range(40):
        lines.insert(rng.randrange(len(lines)), rng.choice(lines))
    for _ in range(20):
        number = rng.choice(lines).split(",")[0]
        lines.insert(rng.randrange(len(lines)), f"{number},{rng.choice(SURNAMES)}{rng.choice(GIVEN)},{rng.choice(CITIES)},0.00")
    target = pathlib.Path(__file__).resolve().parent.parent / "examples" / "mobile-numbers.txt"
    target.write_bytes("".join(line + "\r\n" for line in lines).encode("gbk"))
    print(f"{target}: {len(lines)} lines")


if __name__ == "__main__":
    main()
