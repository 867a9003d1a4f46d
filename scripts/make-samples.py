#!/usr/bin/env python3
"""Writes today's sample files from the classic ones, so that all of them hold
the same people:

  examples/keitai.csv (the phone's people)   -> examples/iphone.vcf
                                                examples/keitai21.vcf
  examples/jyusyo.txt (the address book's)   -> examples/outlook.csv
                                                examples/google.csv

iphone.vcf    vCard 3.0, UTF-8, CR LF, lines folded at 75 bytes, readings in
              X-PHONETIC-LAST-NAME/FIRST-NAME, TEL lines with TYPE, a note;
              高橋 美咲's card has a photo.
keitai21.vcf  vCard 2.1 as a feature phone writes it: Shift-JIS bytes, names in
              quoted-printable with soft line breaks, readings in half-width
              katakana in SOUND;X-IRMC-N.
outlook.csv   Outlook's 92 columns with its Japanese titles, Shift-JIS, CR LF,
              every field quoted; the name split into 姓 and 名, a mobile
              number in 携帯電話, any other in 電話 (自宅).
google.csv    Google Contacts' titles, UTF-8 without a byte-order mark, LF; the
              address is a quoted field of two lines.

Usage: scripts/make-samples.py [EXAMPLES_FOLDER]   (default: examples/ beside
this script's folder). Only the standard library is used; the same input
gives the same bytes.
"""

import base64
import pathlib
import struct
import sys
import unicodedata
import zlib

# Readings of the phone's people whom the address book does not hold under
# the same name.
EXTRA_READINGS = {
    "藤田勇気": "フジタ ユウキ",
    "後藤美穂": "ゴトウ ミホ",
    "長谷川隆": "ハセガワ タカシ",
    "近藤さとみ": "コンドウ サトミ",
}

PHOTO_OF = "高橋美咲"

OUTLOOK_TITLES = (
    "敬称,名,ミドル ネーム,姓,敬称 (英語),会社名,部署,役職,"
    "番地 (会社),番地 2 (会社),番地 3 (会社),市町村 (会社),都道府県 (会社),"
    "郵便番号 (会社),国 (会社),番地 (自宅),番地 2 (自宅),番地 3 (自宅),市町村 (自宅),"
    "都道府県 (自宅),郵便番号 (自宅),国 (自宅),番地 (その他),番地 2 (その他),"
    "番地 3 (その他),市町村 (その他),都道府県 (その他),郵便番号 (その他),国 (その他),"
    "アシスタントの電話,会社 FAX,電話番号 (会社),電話番号 2 (会社),コールバック,"
    "電話 (自動車),会社代表電話,FAX (自宅),電話 (自宅),電話 2 (自宅),ISDN,携帯電話,"
    "その他の FAX,その他の電話,ポケットベル,代表電話,無線電話,TTY/TDD,テレックス,"
    "アカウント,誕生日,インターネット空き時間,会社 ID 番号,記念日,言語,公開,"
    "秘書の名前,性別,備考,分類,場所,趣味,イニシャル,キーワード,子供,紹介者,"
    "支払い情報,重要度,上司の名前,ディレクトリ サーバー,電子メール アドレス,"
    "電子メール の種類,電子メール 表示名,電子メール 2 アドレス,電子メール 2 の種類,"
    "電子メール 2 表示名,電子メール 3 アドレス,電子メール 3 の種類,電子メール 3 表示名,"
    "配偶者,敏感度,個人 ID 番号,優先度,プライベート,経費情報,Web ページ,"
    "ユーザー 1,ユーザー 2,ユーザー 3,ユーザー 4,姓 (ふりがな),名 (ふりがな),"
    "会社名 (ふりがな)"
).split(",")

GOOGLE_TITLES = (
    "Name,Given Name,Additional Name,Family Name,Yomi Name,Given Name Yomi,"
    "Additional Name Yomi,Family Name Yomi,Name Prefix,Name Suffix,Initials,Nickname,"
    "Short Name,Maiden Name,Birthday,Gender,Location,Billing Information,"
    "Directory Server,Mileage,Occupation,Hobby,Sensitivity,Priority,Subject,Notes,"
    "Language,Photo,Group Membership,E-mail 1 - Type,E-mail 1 - Value,"
    "Phone 1 - Type,Phone 1 - Value,Address 1 - Type,Address 1 - Formatted,"
    "Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Region,"
    "Address 1 - Postal Code,Address 1 - Country,Address 1 - Extended Address"
).split(",")

PREFECTURES = ("北海道", "東京都", "京都府", "大阪府", "神奈川県", "愛知県", "福岡県")


def read_rows(path, delimiter):
    text = path.read_bytes().decode("cp932")
    return [line.split(delimiter) for line in text.split("\r\n") if line]


def unquoted(field):
    return field.strip().strip('"')


def key(name):
    return name.replace(" ", "").replace("\u3000", "").replace("﨑", "崎")


def split_name(name):
    """Family and given name at the first blank; a name without one is all family name."""
    for blank in (" ", "\u3000"):
        if blank in name:
            family, given = name.split(blank, 1)
            return family, given.strip(" \u3000")
    return name, ""


def half_width_table():
    table = {}
    for code in range(0xFF61, 0xFFA0):
        half = chr(code)
        table[unicodedata.normalize("NFKC", half)] = half
        for mark in ("ﾞ", "ﾟ"):
            voiced = unicodedata.normalize("NFKC", half + mark)
            if len(voiced) == 1:
                table[voiced] = half + mark
    table[" "] = " "
    return table


HALF = half_width_table()


def half_width(katakana):
    return "".join(HALF.get(c, c) for c in katakana)


def is_mobile(number):
    return number[:3] in ("070", "080", "090")


def png(width, height, rgb):
    """A small PNG of one colour."""

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def folded(line):
    """A vCard 3.0 content line folded before 75 bytes, never inside a character."""
    out, current = [], ""
    for c in line:
        if len((current + c).encode("utf-8")) > 75:
            out.append(current)
            current = " "
        current += c
    out.append(current)
    return "\r\n".join(out)


def quoted_printable(prefix, value):
    """A 2.1 line with its value in quoted-printable: each byte of a Shift-JIS
    character (and "=") as =XX, soft line breaks ("=" at the end) keep each
    line within 76 characters, wherever they fall, between the two bytes of a
    character too."""
    tokens = []
    for c in value:
        if c.isascii() and c != "=":
            tokens.append(c)
        else:
            tokens.extend("=%02X" % b for b in c.encode("cp932"))
    lines, current = [], prefix
    for token in tokens:
        if len(current) + len(token) > 75:
            lines.append(current + "=")
            current = ""
        current += token
    lines.append(current)
    return "\r\n".join(lines).encode("ascii")


def escaped(value):
    return value.replace("\\", "\\\\").replace(",", "\\,").replace(";", "\\;")


def phone_people(examples):
    rows = read_rows(examples / "keitai.csv", ",")[1:]
    return [dict(zip(("memory", "name", "tel", "group"), map(unquoted, r))) for r in rows]


def address_people(examples):
    rows = read_rows(examples / "jyusyo.txt", "\t")[1:]
    return [dict(zip(("name", "reading", "zip", "address", "tel", "mail"), r)) for r in rows]


def readings(address):
    found = {key(p["name"]): p["reading"] for p in address}
    found.update(EXTRA_READINGS)
    return found


def iphone_vcf(phone, reading):
    cards = []
    for p in phone:
        family, given = split_name(p["name"])
        yomi_family, yomi_given = split_name(reading[key(p["name"])])
        lines = ["BEGIN:VCARD", "VERSION:3.0", "PRODID:-//Apple Inc.//iPhone OS 17.5//EN",
                 f"N:{escaped(family)};{escaped(given)};;;", f"FN:{p['name']}",
                 f"X-PHONETIC-FIRST-NAME:{yomi_given}", f"X-PHONETIC-LAST-NAME:{yomi_family}"]
        kind = "CELL" if is_mobile(p["tel"]) else "HOME"
        lines.append(f"TEL;type={kind};type=VOICE;type=pref:{p['tel']}")
        lines.append(f"NOTE:グループ「{p['group']}」。携帯電話のメモリ番号 {p['memory']} "
                     "から移した連絡先です。")
        if key(p["name"]) == PHOTO_OF:
            photo = base64.b64encode(png(16, 16, (0x33, 0x66, 0x99))).decode("ascii")
            lines.append(f"PHOTO;ENCODING=b;TYPE=PNG:{photo}")
        lines.append("END:VCARD")
        cards.append("\r\n".join(folded(line) for line in lines) + "\r\n")
    return "".join(cards).encode("utf-8")


def keitai21_vcf(phone, reading):
    out = b""
    for p in phone:
        family, given = split_name(p["name"])
        yomi_family, yomi_given = split_name(reading[key(p["name"])])
        sound = f"{half_width(yomi_family)};{half_width(yomi_given)};;;".encode("cp932")
        kind = "CELL" if is_mobile(p["tel"]) else "HOME"
        out += b"BEGIN:VCARD\r\nVERSION:2.1\r\n"
        out += quoted_printable("N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:",
                                f"{family};{given};;;") + b"\r\n"
        out += b"SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:" + sound + b"\r\n"
        out += f"TEL;{kind};VOICE:{p['tel']}\r\n".encode("ascii")
        out += b"X-GNO:" + p["group"].encode("cp932") + b"\r\n"
        out += f"X-IRMC-LUID:{int(p['memory']):06d}\r\nEND:VCARD\r\n".encode("ascii")
    return out


def address_parts(address):
    prefecture = next((p for p in PREFECTURES if address.startswith(p)), "")
    rest = address[len(prefecture):]
    city_end = max(rest.find("市") + 1, 0)
    return prefecture, rest[:city_end], rest[city_end:]


def outlook_csv(address):
    column = {title: i for i, title in enumerate(OUTLOOK_TITLES)}
    lines = ['"' + '","'.join(OUTLOOK_TITLES) + '"']
    for p in address:
        row = [""] * len(OUTLOOK_TITLES)
        family, given = split_name(p["name"])
        yomi_family, yomi_given = split_name(p["reading"])
        prefecture, city, street = address_parts(p["address"])
        values = {
            "名": given, "姓": family, "番地 (自宅)": street, "市町村 (自宅)": city,
            "都道府県 (自宅)": prefecture, "郵便番号 (自宅)": p["zip"], "国 (自宅)": "日本",
            "携帯電話" if is_mobile(p["tel"]) else "電話 (自宅)": p["tel"], "公開": "FALSE", "性別": "指定なし",
            "重要度": "標準", "敏感度": "標準", "プライベート": "FALSE",
            "電子メール アドレス": p["mail"], "電子メール の種類": "SMTP",
            "電子メール 表示名": f"{family} {given} ({p['mail']})".replace("  ", " "),
            "姓 (ふりがな)": yomi_family, "名 (ふりがな)": yomi_given,
        }
        for title, value in values.items():
            row[column[title]] = value
        lines.append('"' + '","'.join(row) + '"')
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def google_csv(address):
    column = {title: i for i, title in enumerate(GOOGLE_TITLES)}
    lines = [",".join(GOOGLE_TITLES)]
    for p in address:
        row = [""] * len(GOOGLE_TITLES)
        family, given = split_name(p["name"])
        yomi_family, yomi_given = split_name(p["reading"])
        prefecture, city, street = address_parts(p["address"])
        values = {
            "Name": p["name"], "Given Name": given, "Family Name": family,
            "Yomi Name": p["reading"], "Given Name Yomi": yomi_given,
            "Family Name Yomi": yomi_family, "Group Membership": "* myContacts",
            "E-mail 1 - Type": "* Home", "E-mail 1 - Value": p["mail"],
            "Phone 1 - Type": "Mobile" if is_mobile(p["tel"]) else "Home",
            "Phone 1 - Value": p["tel"], "Address 1 - Type": "Home",
            "Address 1 - Formatted": f'"〒{p["zip"]}\n{p["address"]}"',
            "Address 1 - Street": street, "Address 1 - City": city,
            "Address 1 - Region": prefecture, "Address 1 - Postal Code": p["zip"],
            "Address 1 - Country": "JP",
        }
        for title, value in values.items():
            row[column[title]] = value
        lines.append(",".join(row))
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    examples = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                            pathlib.Path(__file__).resolve().parent.parent / "examples")
    phone, address = phone_people(examples), address_people(examples)
    reading = readings(address)
    files = {
        "iphone.vcf": iphone_vcf(phone, reading),
        "keitai21.vcf": keitai21_vcf(phone, reading),
        "outlook.csv": outlook_csv(address),
        "google.csv": google_csv(address),
    }
    for name, data in files.items():
        (examples / name).write_bytes(data)
        print(f"{examples / name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
