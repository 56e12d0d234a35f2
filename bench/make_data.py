#!/usr/bin/env python3
"""Writes the comparison data from a fixed seed into a folder (byte for byte the same each time):

  numbers.txt  10,000,000 eleven-digit mobile numbers, CR LF, about 30% of them repeats
  records.txt  10,000,000 GBK lines of four columns: number,name,city,amount (about 30% of the
               numbers repeat, with other columns; no two amounts are equal)
  compare.txt  1,000,000 numbers, half of them taken from numbers.txt, half new

Usage: make_data.py FOLDER [LINES [numbers]]   (LINES scales all three files, default
10,000,000; with "numbers" only numbers.txt is written)
"""
import pathlib
import random
import sys

PREFIXES = [134, 135, 136, 137, 138, 139, 147, 148, 150, 151, 152, 157, 158, 159, 172, 178, 182,
            183, 184, 187, 188, 198, 130, 131, 132, 145, 146, 155, 156, 166, 171, 175, 176, 185,
            186, 133, 149, 153, 173, 174, 177, 180, 181, 189, 199, 170, 162, 165]
SURNAMES = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁"
GIVEN = "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红建文辉力国鹏飞斌宇浩凯"
CITIES = ["北京市朝阳区", "上海市浦东区", "广东省广州市", "广东省深圳市", "浙江省杭州市", "四川省成都市",
          "湖北省武汉市", "江苏省南京市", "陕西省西安市", "重庆市渝中区", "天津市河西区", "山东省济南市"]


def numbers(rng, count):
    """count numbers, about 30% of them repeating an earlier one."""
    out = []
    for _ in range(count):
        if out and rng.random() < 0.3:
            out.append(out[rng.randrange(len(out))])
        else:
            out.append(rng.choice(PREFIXES) * 100000000 + rng.randrange(100000000))
    return out


def write(path, lines):
    with open(path, "wb") as f:
        for start in range(0, len(lines), 100000):
            f.write("".join(line + "\r\n" for line in lines[start:start + 100000]).encode("gbk"))


def main():
    folder = pathlib.Path(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10_000_000
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(20261211)

    first = numbers(rng, count)
    write(folder / "numbers.txt", [str(n) for n in first])
    if len(sys.argv) > 3 and sys.argv[3] == "numbers":
        return

    half = count // 20
    taken = [first[rng.randrange(count)] for _ in range(half)]
    fresh = [rng.choice(PREFIXES) * 100000000 + rng.randrange(100000000) for _ in range(half)]
    mixed = taken + fresh
    rng.shuffle(mixed)
    write(folder / "compare.txt", [str(n) for n in mixed])
    del first, taken, fresh, mixed

    records = []
    for i, n in enumerate(numbers(rng, count)):
        # Distinct amounts in scrambled order: i -> (i * a + b) mod 10^9 is one-to-one.
        amount = (i * 48271 + 12345) % 1_000_000_000
        name = rng.choice(SURNAMES) + rng.choice(GIVEN) + (rng.choice(GIVEN) if rng.random() < 0.5 else "")
        records.append(f"{n},{name},{rng.choice(CITIES)},{amount // 100}.{amount % 100:02d}")
    write(folder / "records.txt", records)


if __name__ == "__main__":
    main()
