#!/usr/bin/env python3
"""Writes the users' read-me for the download: the UTF-8 source with its
@VERSION@ filled in, encoded as Notepad on a Japanese system reads a plain
text file (code page 932, CRLF line ends).

    make_readme.py SOURCE OUTPUT VERSION
"""
import sys


def main(source, output, version):
    with open(source, encoding="utf-8") as f:
        text = f.read().replace("@VERSION@", version)
    with open(output, "w", encoding="cp932", newline="\r\n") as f:
        f.write(text)


if __name__ == "__main__":
    main(*sys.argv[1:4])
