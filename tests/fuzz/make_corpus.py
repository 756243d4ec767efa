#!/usr/bin/env python3
"""Writes the committed seed corpus of the core fuzzers (tests/fuzz/corpus/<target>/).

Each seed is one input in the layout fuzz_input.h decodes: start date, end date,
then item ID and amount of days 1..20, then the three templates, each text ended
by a backslash and one other byte; the last byte's low bit picks the edition.
"""
from pathlib import Path

CRLF = "\r\n"
SERVER_HEADER = CRLF.join([
    "#" * 76, "#= 适合范围:", "#= <<Pelverine>>", "#" + "=" * 60, "#= [Quillomar ] ",
    "#= QQ:2718281828", "#= DC:quillomar_dev", "#= 更多定制副本创意可以联系作者编写", "#" * 76, "",
    "Header:", "  Type: ATTENDANCE_DB", "  Version: 1", ""]).encode("gbk")
CLIENT_HEADER = CRLF.join([
    "-" * 58, "------ <<Pelverine>>", "------ [Quillomar ] ", "------ QQ:2718281828",
    "------ DC:quillomar_dev", "------ 更多定制副本创意可以联系作者编写", "-" * 58, ""]).encode("gbk")
CLIENT_MAIN = CRLF.join([
    "}", "", "main = function()",
    "  result, msg = InsertCheckAttendanceConfig(Config.EvendOnOff, Config.StartDate, Config.EndDate), Config.EvendOnOff",
    "  if not result then", "    return false, msg", "  end", "  for k,rewardtbl in pairs(Reward) do",
    "    result, msg = InsertCheckAttendanceReward(rewardtbl[1], rewardtbl[2], rewardtbl[3]), rewardtbl[1]",
    "    if not result then", "      return false, msg", "    end", "  end", '  return true, "success"',
    "end"]).encode("ascii")
DEFAULT_TEMPLATES = [SERVER_HEADER, CLIENT_HEADER, CLIENT_MAIN]

FULL, ITEM_ONLY = 0, 1


def worked_example():
    items = [str(500 + day).encode() for day in range(1, 21)]
    amounts = [str(day).encode() for day in range(1, 21)]
    amounts[0], amounts[1], amounts[8], amounts[9], amounts[19] = b"3", b"10", b"1", b"5", b"1"
    return {"start": b"20240701", "end": b"20240720", "items": items, "amounts": amounts}


def encode(schedule, templates, edition):
    texts = [schedule["start"], schedule["end"]]
    for item, amount in zip(schedule["items"], schedule["amounts"]):
        texts += [item, amount]
    texts += templates
    return b"".join(text.replace(b"\\", b"\\\\") + b"\\\n" for text in texts) + bytes([edition])


def with_changes(**changes):
    schedule = worked_example()
    for key, value in changes.items():
        if key.startswith("item"):
            schedule["items"][int(key[4:]) - 1] = value
        elif key.startswith("amount"):
            schedule["amounts"][int(key[6:]) - 1] = value
        else:
            schedule[key] = value
    return schedule


VALIDATION_SEEDS = {
    "all-filled-full": (worked_example(), FULL),
    "all-filled-item-only": (worked_example(), ITEM_ONLY),
    "amount-7-empty-full": (with_changes(amount7=b""), FULL),
    "item-3-and-amount-1-empty-full": (with_changes(item3=b"", amount1=b""), FULL),
    "dates-empty-full": (with_changes(start=b"", end=b""), FULL),
    "end-empty-full": (with_changes(end=b""), FULL),
    "dates-empty-item-only": (with_changes(start=b"", end=b""), ITEM_ONLY),
    "blank-and-zero-values-full": (with_changes(item1=b" ", item2=b"-5", amount3=b"0", start=b"abc"), FULL),
}

ODD_VALUES = with_changes(
    item1=b" 501 ", item2="甲乙".encode("gbk"), item3=b"a: b # c\r\nd", item4=b"\x00\xff\\", item5=b"}",
    amount1=b"", amount2=b"\\\\", start=b"2024-07-01", end=b"")
COMPOSER_SEEDS = {
    "worked-example-full": (worked_example(), DEFAULT_TEMPLATES, FULL),
    "worked-example-item-only": (worked_example(), DEFAULT_TEMPLATES, ITEM_ONLY),
    "odd-values-full": (ODD_VALUES, DEFAULT_TEMPLATES, FULL),
    "odd-values-item-only": (ODD_VALUES, DEFAULT_TEMPLATES, ITEM_ONLY),
    "templates-without-line-end": (worked_example(), [t.rstrip(b"\r\n") for t in DEFAULT_TEMPLATES], FULL),
    "templates-empty": (worked_example(), [b"", b"", b""], FULL),
}


def write(target, name, data):
    path = Path(__file__).parent / "corpus" / target / name
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


for name, (schedule, edition) in VALIDATION_SEEDS.items():
    write("validate_schedule", name, encode(schedule, [b"", b"", b""], edition))
for target in ("server_file", "client_script"):
    for name, (schedule, templates, edition) in COMPOSER_SEEDS.items():
        write(target, name, encode(schedule, templates, edition))
