#!/usr/bin/env python3
"""Writes a man page (gzip-compressed roff) from a program's --help texts.

make-manpage.py PROGRAM NAME SUMMARY OUT.1.gz [SUBCOMMAND ...]
Each SUBCOMMAND's "PROGRAM SUBCOMMAND --help" becomes a section of its own."""
import gzip
import subprocess
import sys


def help_text(args):
    r = subprocess.run(args + ["--help"], capture_output=True, text=True, timeout=30)
    return (r.stdout or r.stderr).rstrip()


def roff(text):
    lines = []
    for line in text.splitlines():
        line = line.replace("\\", "\\e")
        if line.startswith((".", "'")):
            line = "\\&" + line
        lines.append(line)
    return "\n".join(lines)


def main():
    program, name, summary, out, *subcommands = sys.argv[1:]
    page = [f'.TH {name.upper()} 1 "" "Zemtar" "Zemtar"', ".SH NAME", f"{name} \\- {summary}",
            ".SH SYNOPSIS AND OPTIONS", ".nf", roff(help_text([program])), ".fi"]
    for sub in subcommands:
        page += [f".SH {sub.upper()}", ".nf", roff(help_text([program, sub])), ".fi"]
    page += [".SH SEE ALSO", "zemtar(1) is the window application; /usr/share/doc/zemtar/README.Debian."]
    with gzip.open(out, "wt", encoding="utf-8") as f:
        f.write("\n".join(page) + "\n")


if __name__ == "__main__":
    main()
