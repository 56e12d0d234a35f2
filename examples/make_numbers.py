#!/usr/bin/env python3
"""Writes examples/numbers.txt: a few hundred mobile numbers with a name and a city, some of
them repeated, GBK encoded, CR LF lines. Fixed seed, so the file is the same on every run."""
import os
import random

random.seed(20171212)
prefixes = ["134", "135", "138", "139", "150", "158", "130", "131", "155", "186", "133",
            "153", "180", "189", "170", "199"]
surnames = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗"
given = "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英"
cities = ["北京", "上海", "广州", "深圳", "杭州", "成都", "武汉", "西安", "南京", "重庆"]

rows = []
for _ in range(300):
    number = random.choice(prefixes) + "".join(random.choice("0123456789") for _ in range(8))
    name = random.choice(surnames) + "".join(random.choice(given) for _ in range(random.randint(1, 2)))
    rows.append(f"{number},{name},{random.choice(cities)}")
rows += random.sample(rows, 40)  # repeats for "剔除重复"
random.shuffle(rows)

path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "numbers.txt")
with open(path, "wb") as out:
    for row in rows:
        out.write(row.encode("gbk") + b"\r\n")
