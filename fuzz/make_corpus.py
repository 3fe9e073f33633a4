#!/usr/bin/env python3
"""Writes the seed corpora (the data file's seed is a real export, kept as it is) from the bundled season files: each seed is a real input in the
form its parser meets it (league answer, stored copy, season file, requests of the program)."""
import os
import re

here = os.path.dirname(os.path.abspath(__file__))
season = os.path.join(here, "..", "data", "season-2014-15")


def read_season(league):
    days = {}
    with open(os.path.join(season, f"league-{league}.tsv"), encoding="utf-8") as f:
        for line in f.read().splitlines()[1:]:
            day, kickoff, home, away, hg, ag = line.split("\t")
            days.setdefault(int(day), []).append((kickoff, home, away, hg, ag))
    return days


def answer_items(days):
    items, previous_day, previous_kickoff = [], None, None
    for day in sorted(days):
        for kickoff, home, away, hg, ag in days[day]:
            digits = re.sub(r"[^0-9]", "", kickoff)
            items.append("|".join([
                "" if day == previous_day else str(day),
                "" if digits == previous_kickoff and previous_day else digits,
                home, away, hg, ag]))
            previous_day, previous_kickoff = day, digits
    return ";".join(items)


def stored_copy(days):
    records = []
    for day in range(1, 39):
        matches = days.get(day, [])
        for slot in range(10):
            if slot < len(matches):
                kickoff, home, away, hg, ag = matches[slot]
                played = "Wahr" if hg and ag else "Falsch"
                records.append(";".join([played, kickoff, ag or "-1", hg or "-1", away, home]))
            else:
                records.append("Falsch;;-1;-1;;")
    return "|".join(records)


def shifted(text):
    return bytes(b if b == 0x80 else b ^ 0x80 for b in text.encode("cp1252"))


def write(harness, name, data):
    folder = os.path.join(here, "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


for league in range(3):
    days = read_season(league)
    lead = bytes([league])
    items = answer_items(days)
    write("league_items", f"league-{league}", lead + items.encode() + b"<>1")
    first_day = items.split(";2|")[0]
    write("league_items", f"league-{league}-day-1", lead + first_day.encode() + b"<>17")
    write("stored_league", f"league-{league}", lead + stored_copy(days).encode())
    with open(os.path.join(season, f"league-{league}.tsv"), "rb") as f:
        write("season_file", f"league-{league}", lead + f.read())
for answer in ["q)W7kd45%", "t(%)rwz81", "2", "1<>5", "a<>b<>c"]:
    write("league_items", "fixed-" + re.sub(r"[^a-z0-9]", "_", answer), b"\x00" + answer.encode())

# The Windows-1252 codec: every byte, texts of the season, a scrambled setting.
write("codec", "all-bytes", bytes(range(256)))
write("codec", "umlauts", "Borussia Mönchengladbach – 1. FC Köln §".encode("cp1252"))
write("codec", "shifted-agent", shifted("ZAK1415-143190360018A1B2C3D4E5F6 ZAKPC WIN"))

agent = shifted("ZAK1415-143190360018A1B2C3D4E5F6 ZAKPC WIN")


def request(target, version="1.1", extra=b""):
    return (f"GET {target} HTTP/{version}\r\nHost: 127.0.0.1:8014\r\n".encode() +
            b"User-Agent: " + agent + b"\r\nConnection: Keep-Alive\r\n" + extra + b"\r\n")


write("request", "league-1", request("/zak/ud/gd1415.php?l=1&ui=0"))
write("request", "league-3-current", request("/zak/ud/gd1415.php?l=3&ui=1"))
write("request", "pipelined", request("/zak/dl/fw1415.php?s=2") + request("/zak/ud/news1415.php") +
      request("/zak/ud/gd1415.php?l=2&ui=0"))
write("request", "http-1.0", request("/zak/dl/fw1415.php?s=1", "1.0"))
write("request", "head", b"HEAD /zak/ud/news1415.php HTTP/1.1\r\nHost: x\r\n\r\n")
write("request", "not-found", b"GET / HTTP/1.1\r\nHost: x\r\n\r\n")
write("request", "post", b"POST /zak/ud/gd1415.php HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nl=1")
