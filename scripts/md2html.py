#!/usr/bin/env python3
"""Turns the user guide's Markdown into HTML for the help window.

md2html.py IN.md OUT.html
The guide uses a small part of Markdown: "#"/"##" headings with an "{#id}" anchor, paragraphs,
"- " lists, indented or fenced code, images, links, `code` and **bold**."""
import html
import re
import sys


def inline(text):
    out = html.escape(text, quote=False)
    out = re.sub(r"`([^`]+)`", r"<code>\1</code>", out)
    out = re.sub(r"\*\*([^*]+)\*\*", r"<b>\1</b>", out)
    out = re.sub(r"!\[([^\]]*)\]\(([^)]+)\)", r'<img src="\2" alt="\1" width="600">', out)
    out = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r'<a href="\2">\1</a>', out)
    return out


def convert(md):
    body, para, items = [], [], []

    def flush():
        if para:
            body.append("<p>" + inline(" ".join(para)) + "</p>")
            para.clear()
        if items:
            body.append("<ul>" + "".join(f"<li>{inline(i)}</li>" for i in items) + "</ul>")
            items.clear()

    title = "Zemtar"
    for line in md.splitlines():
        heading = re.match(r"^(#{1,3})\s+(.*?)\s*(\{#([\w-]+)\})?\s*$", line)
        if heading:
            flush()
            level, text, anchor = len(heading.group(1)), heading.group(2), heading.group(4)
            if level == 1:
                title = text
            name = f'<a name="{anchor}"></a>' if anchor else ""
            body.append(f"<h{level}>{name}{inline(text)}</h{level}>")
        elif line.startswith("    ") and not para and not items:
            body.append("<pre>" + html.escape(line[4:]) + "</pre>")
        elif line.startswith("- "):
            if para:
                flush()
            items.append(line[2:])
        elif line.startswith("  ") and items:
            items[-1] += " " + line.strip()
        elif not line.strip():
            flush()
        else:
            if items:
                flush()
            para.append(line.strip())
    flush()
    return (f'<html><head><meta charset="utf-8"><title>{html.escape(title)}</title></head><body>'
            + "\n".join(body) + "</body></html>\n")


def main():
    src, out = sys.argv[1:3]
    with open(src, encoding="utf-8") as f:
        text = convert(f.read())
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
