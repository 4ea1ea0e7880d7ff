#!/usr/bin/env python3
"""Checks the builder's help folder: the pages the programs open exist, every relative link and
anchor resolves, every wanted screenshot is shown, nothing is loaded from outside, and an installed
copy matches the source; also that the pictures a README shows exist.

usage: check_help.py --source DIR [--programs DIR ...] [--screenshots LIST] [--readme FILE ...]
                     [--installed DIR ...] [--installed-if-present DIR ...]
Prints one line per problem and exits with 1 when there is any, else prints a summary and 0.
"""
import argparse
import filecmp
import os
import re
import sys
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

# The pages the builder and the wizard open by name, whatever their sources say today.
REQUIRED_PAGES = ["Index.html", "Step1.htm", "Step2a.htm", "Step2b.htm", "Step2c.htm", "Step3.htm"]
PAGE_SUFFIXES = (".html", ".htm")
# Attributes that make the browser load something when the page opens.
LOADING = {("img", "src"), ("script", "src"), ("link", "href"), ("iframe", "src"),
           ("frame", "src"), ("embed", "src"), ("object", "data"), ("source", "src"),
           ("audio", "src"), ("video", "src"), ("input", "src"), ("body", "background")}
# A help path in a C++ string literal: "Help\\Step1.htm".
SOURCE_PAGE = re.compile(r'Help\\\\([A-Za-z0-9_.-]+\.html?)"')
SHOT_MARK = re.compile(r'^\s*screenshot (images/[A-Za-z0-9_.-]+\.png): (.+?)\s*$')
# Pictures in Markdown: ![alt](path "title") and <img src="path">.
MD_IMAGE = re.compile(r'!\[[^\]]*\]\(\s*<?([^)\s>]+)')
HTML_IMG = re.compile(r'<img\b[^>]*\bsrc\s*=\s*["\']([^"\']+)', re.IGNORECASE)
CSS_URL = re.compile(r'url\(\s*[\'"]?([^\'")]+)[\'"]?\s*\)|@import\s+[\'"]([^\'"]+)[\'"]')


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.refs = []  # (tag, attribute, value, loads)
        self.scripts = 0
        self.shot_marks = set()  # screenshots wanted here, not taken yet

    def handle_comment(self, data):
        m = SHOT_MARK.match(data)
        if m:
            self.shot_marks.add(m.group(1))

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if value is None:
                continue
            if name == "id" or (tag == "a" and name == "name"):
                self.ids.add(value)
            if name in ("href", "src", "data", "background"):
                self.refs.append((tag, name, value, (tag, name) in LOADING))
            if name == "style":
                for m in CSS_URL.finditer(value):
                    self.refs.append((tag, "style", m.group(1) or m.group(2), True))
        if tag == "script":
            self.scripts += 1

    handle_startendtag = handle_starttag


def is_outside(url):
    parts = urlsplit(url)
    return bool(parts.scheme) or url.startswith("//")


def exists_exactly(root, rel):
    """True when rel names a file under root with exactly this spelling (the guide is read on
    case-sensitive file systems too)."""
    here = root
    for part in rel.split("/"):
        if part in ("", "."):
            continue
        if part == ".." or not os.path.isdir(here) or part not in os.listdir(here):
            return False
        here = os.path.join(here, part)
    return os.path.isfile(here)


def resolve(root, page_rel, url):
    """The target of a relative url on page_rel, relative to root, or None when it leaves root."""
    path = unquote(urlsplit(url).path)
    base = os.path.dirname(page_rel)
    joined = os.path.normpath(os.path.join(base, path)) if path else page_rel
    if joined.startswith("..") or os.path.isabs(joined):
        return None
    return joined.replace(os.sep, "/")


def all_files(root):
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/"))
    return sorted(found)


def pages_named_in_sources(folders):
    named = set()
    for top in folders:
        for folder, _, names in os.walk(top):
            for name in names:
                if name.endswith((".cpp", ".h", ".rc")):
                    with open(os.path.join(folder, name), encoding="latin-1") as f:
                        named.update(SOURCE_PAGE.findall(f.read()))
    return named


def check_screenshots(pages, listing):
    """Every wanted screenshot is shown on its page: a marker still in a page means the picture
    was never taken (or its page was not updated), and the guide would lack it."""
    problems = []
    listed = set()
    with open(listing, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or not SHOT_MARK.match(f"screenshot {fields[0]}: x"):
                problems.append(f"{listing}:{number}: expected NAME<tab>PAGE<tab>ALT")
                continue
            name, page, _ = fields
            listed.add((page, name))
            shown = page in pages and any(
                t == "img" and v == name for t, _, v, _ in pages[page].refs)
            if page not in pages or (name not in pages[page].shot_marks and not shown):
                problems.append(f"{listing}:{number}: {page} neither marks nor shows {name}")
    for page, parser in sorted(pages.items()):
        for name in sorted(parser.shot_marks):
            if (page, name) not in listed:
                problems.append(f"{page}: screenshot {name} is not in {listing}")
            else:
                problems.append(f"{page}: marks screenshot {name} instead of showing it; "
                                "run tools/take-screenshots")
    return problems


def check_readme(readme):
    """The pictures the README shows exist beside it."""
    problems = []
    folder = os.path.dirname(os.path.abspath(readme))
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    for url in MD_IMAGE.findall(text) + HTML_IMG.findall(text):
        if is_outside(url):
            continue
        if not exists_exactly(folder, unquote(urlsplit(url).path)):
            problems.append(f"{readme}: picture {url} is missing")
    return problems


def check_source(root, required, screenshots=None):
    problems = []
    files = all_files(root)
    if not files:
        return [f"{root}: no help files"]
    for name in sorted(required):
        if not exists_exactly(root, name):
            problems.append(f"{name}: page opened by the programs is missing")
    pages = {}
    for rel in files:
        if rel.endswith(PAGE_SUFFIXES):
            parser = Page()
            with open(os.path.join(root, rel), encoding="utf-8") as f:
                parser.feed(f.read())
            pages[rel] = parser
            if parser.scripts:
                problems.append(f"{rel}: has a script; the guide is plain HTML")
    if screenshots:
        problems += check_screenshots(pages, screenshots)
    linked = set()
    for rel, page in sorted(pages.items()):
        for tag, attr, url, loads in page.refs:
            where = f"{rel}: <{tag} {attr}=\"{url}\">"
            if is_outside(url):
                if loads or urlsplit(url).scheme not in ("http", "https", "mailto"):
                    problems.append(f"{where} loads or links something outside the help")
                continue
            target = resolve(root, rel, url)
            if target is None:
                problems.append(f"{where} leaves the help folder")
                continue
            if not exists_exactly(root, target):
                problems.append(f"{where} names a missing file")
                continue
            linked.add(target)
            fragment = urlsplit(url).fragment
            if fragment:
                if target not in pages:
                    problems.append(f"{where} has an anchor into a file that is not a page")
                elif unquote(fragment) not in pages[target].ids:
                    problems.append(f"{where} names a missing anchor")
    for rel in files:
        if rel.endswith(".css"):
            with open(os.path.join(root, rel), encoding="utf-8") as f:
                for m in CSS_URL.finditer(f.read()):
                    url = m.group(1) or m.group(2)
                    target = None if is_outside(url) else resolve(root, rel, url)
                    if target is None or not exists_exactly(root, target):
                        problems.append(f"{rel}: url {url} is outside the help or missing")
                    else:
                        linked.add(target)
    # Every page and picture must be reachable, so nothing is shipped that no reader can find.
    for rel in files:
        if rel.endswith(PAGE_SUFFIXES + (".css", ".png", ".gif", ".jpg")) \
                and rel not in linked and rel not in required:
            problems.append(f"{rel}: no page links to it")
    return problems


def check_installed(source, installed):
    problems = []
    if not os.path.isdir(installed):
        return [f"{installed}: installed help folder is missing"]
    for rel in all_files(source):
        there = os.path.join(installed, rel)
        if not exists_exactly(installed, rel):
            problems.append(f"{installed}: {rel} is missing")
        elif not filecmp.cmp(os.path.join(source, rel), there, shallow=False):
            problems.append(f"{installed}: {rel} differs from the source")
    for rel in all_files(installed):
        if not exists_exactly(source, rel):
            problems.append(f"{installed}: {rel} is not in the source (stale copy)")
    return problems


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--source", required=True)
    ap.add_argument("--programs", action="append", default=[])
    ap.add_argument("--installed", action="append", default=[])
    ap.add_argument("--installed-if-present", action="append", default=[])
    ap.add_argument("--screenshots", help="list of wanted screenshots (NAME, PAGE, ALT)")
    ap.add_argument("--readme", action="append", default=[],
                    help="a Markdown file whose pictures must exist")
    args = ap.parse_args(argv)
    required = set(REQUIRED_PAGES) | pages_named_in_sources(args.programs)
    problems = check_source(args.source, required, args.screenshots)
    checked = [args.source]
    for readme in args.readme:
        problems += check_readme(readme)
        checked.append(readme)
    for folder in args.installed + [d for d in args.installed_if_present if os.path.isdir(d)]:
        problems += check_installed(args.source, folder)
        checked.append(folder)
    for line in problems:
        print(line)
    if problems:
        print(f"{len(problems)} problem(s) in the help")
        return 1
    print(f"help OK: {len(all_files(args.source))} files, pages {', '.join(sorted(required))}; "
          f"checked {', '.join(checked)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
