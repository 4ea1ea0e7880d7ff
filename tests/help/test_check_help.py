#!/usr/bin/env python3
"""The help checker finds each kind of fault in a small help folder made for the case."""
import io
import os
import shutil
import sys
import tempfile
import unittest
from contextlib import redirect_stdout

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_help  # noqa: E402

STEPS = ["Step1.htm", "Step2a.htm", "Step2b.htm", "Step2c.htm", "Step3.htm"]


def page(body):
    return ('<!DOCTYPE html><html><head><link rel="stylesheet" href="style.css"></head>'
            f'<body>{body}</body></html>')


class HelpFolder:
    """A minimal correct help folder; a case spoils one thing and runs the checker on it."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="help-")
        links = "".join(f'<a href="{s}">{s}</a>' for s in STEPS)
        self.write("Index.html", page(f'<h1 id="top">Help</h1>{links}<a href="#top">up</a>'))
        for step in STEPS:
            self.write(step, page('<a href="Index.html#top">Contents</a>'))
        self.write("style.css", "body { color: black; }")

    def write(self, rel, text):
        path = os.path.join(self.root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    def run(self, *extra):
        out = io.StringIO()
        with redirect_stdout(out):
            code = check_help.main(["--source", self.root, *extra])
        return code, out.getvalue()

    def close(self):
        shutil.rmtree(self.root)


class CheckHelpTest(unittest.TestCase):
    def setUp(self):
        self.help = HelpFolder()
        self.addCleanup(self.help.close)

    def assertRefused(self, expected):
        code, out = self.help.run()
        self.assertEqual(code, 1, out)
        self.assertIn(expected, out)

    def test_a_correct_folder_passes(self):
        code, out = self.help.run()
        self.assertEqual(code, 0, out)
        self.assertIn("help OK", out)

    def test_missing_pages_the_programs_open(self):
        os.remove(os.path.join(self.help.root, "Step2c.htm"))
        self.assertRefused("Step2c.htm: page opened by the programs is missing")
        os.remove(os.path.join(self.help.root, "Index.html"))
        self.assertRefused("Index.html: page opened by the programs is missing")

    def test_a_page_named_in_the_program_sources_is_required(self):
        sources = tempfile.mkdtemp(prefix="src-")
        self.addCleanup(shutil.rmtree, sources)
        with open(os.path.join(sources, "frame.cpp"), "w") as f:
            f.write('const char* kPage = "Help\\\\Extra.htm";\n')
        code, out = self.help.run("--programs", sources)
        self.assertEqual(code, 1)
        self.assertIn("Extra.htm: page opened by the programs is missing", out)

    def test_broken_links_and_anchors(self):
        self.help.write("Step3.htm", page('<a href="kinds.html">x</a>'))
        self.assertRefused('Step3.htm: <a href="kinds.html"> names a missing file')
        self.help.write("Step3.htm", page('<a href="Index.html#nowhere">x</a>'))
        self.assertRefused('<a href="Index.html#nowhere"> names a missing anchor')
        self.help.write("Step3.htm", page('<a href="#here">x</a>'))
        self.assertRefused('<a href="#here"> names a missing anchor')

    def test_links_are_spelt_as_the_files_are(self):
        self.help.write("Step3.htm", page('<a href="index.html">x</a>'))
        self.assertRefused('<a href="index.html"> names a missing file')

    def test_nothing_loaded_from_outside_and_no_scripts(self):
        self.help.write("Step1.htm", page('<img src="https://cdn.example/a.png" alt="a">'))
        self.assertRefused("loads or links something outside the help")
        self.help.write("Step1.htm", page('<a href="Index.html">x</a>'))
        self.help.write("style.css", "@import 'http://fonts.example/f.css';")
        self.assertRefused("style.css: url http://fonts.example/f.css")
        self.help.write("style.css", "body { color: black; }")
        self.help.write("Step1.htm", page('<script>alert(1)</script>'))
        self.assertRefused("Step1.htm: has a script")

    def test_links_may_not_leave_the_folder_and_images_must_exist(self):
        self.help.write("Step1.htm", page('<a href="../secret.html">x</a>'))
        self.assertRefused("leaves the help folder")
        self.help.write("Step1.htm", page('<img src="images/main.png" alt="main window">'))
        self.assertRefused('<img src="images/main.png"> names a missing file')

    def test_a_page_no_one_links_to(self):
        self.help.write("orphan.html", page("alone"))
        self.assertRefused("orphan.html: no page links to it")

    def test_installed_copy_must_match(self):
        installed = tempfile.mkdtemp(prefix="installed-")
        self.addCleanup(shutil.rmtree, installed)
        shutil.rmtree(installed)
        shutil.copytree(self.help.root, installed)
        self.assertEqual(self.help.run("--installed", installed)[0], 0)
        with open(os.path.join(installed, "Step1.htm"), "a") as f:
            f.write("changed")
        code, out = self.help.run("--installed", installed)
        self.assertEqual(code, 1)
        self.assertIn("Step1.htm differs from the source", out)
        os.remove(os.path.join(installed, "Step3.htm"))
        self.assertIn("Step3.htm is missing", self.help.run("--installed", installed)[1])
        code, out = self.help.run("--installed", os.path.join(installed, "absent"))
        self.assertIn("installed help folder is missing", out)
        self.assertEqual(self.help.run("--installed-if-present",
                                       os.path.join(installed, "absent"))[0], 0)

    def write_listing(self, text):
        listing = os.path.join(tempfile.mkdtemp(prefix="shots-"), "shots.txt")
        self.addCleanup(shutil.rmtree, os.path.dirname(listing))
        with open(listing, "w") as f:
            f.write(text)
        return listing

    def test_every_wanted_screenshot_is_shown(self):
        listing = self.write_listing("# wanted\nimages/step1.png\tStep1.htm\tStep 1\n")
        self.help.write("Step1.htm", page('<img class="shot" src="images/step1.png" alt="Step 1">'
                                          '<a href="Index.html">x</a>'))
        self.help.write("images/step1.png", "png")
        self.assertEqual(self.help.run("--screenshots", listing)[0], 0)
        # The picture shown but its file gone.
        os.remove(os.path.join(self.help.root, "images/step1.png"))
        code, out = self.help.run("--screenshots", listing)
        self.assertEqual(code, 1)
        self.assertIn('<img src="images/step1.png"> names a missing file', out)
        # A marker left in place of the picture, with or without the file.
        self.help.write("Step1.htm", page('<!-- screenshot images/step1.png: Step 1 -->'
                                          '<a href="Index.html">x</a>'))
        code, out = self.help.run("--screenshots", listing)
        self.assertEqual(code, 1)
        self.assertIn("Step1.htm: marks screenshot images/step1.png instead of showing it", out)
        self.help.write("images/step1.png", "png")
        code, out = self.help.run("--screenshots", listing)
        self.assertEqual(code, 1)
        self.assertIn("marks screenshot images/step1.png instead of showing it", out)

    def test_screenshot_list_and_pages_agree(self):
        listing = self.write_listing("images/step1.png\tStep1.htm\tStep 1\nbad line\n")
        self.help.write("Step2a.htm", page('<!-- screenshot images/two.png: Two -->'
                                           '<a href="Index.html">x</a>'))
        code, out = self.help.run("--screenshots", listing)
        self.assertEqual(code, 1)
        # Marked but not listed: the screenshot script would never take it.
        self.assertIn("Step2a.htm: screenshot images/two.png is not in", out)
        # Listed but neither marked nor shown: the script would have nowhere to put it.
        self.assertIn("Step1.htm neither marks nor shows images/step1.png", out)
        self.assertIn("shots.txt:2: expected NAME<tab>PAGE<tab>ALT", out)

    def test_installed_copy_has_the_pictures(self):
        self.help.write("Step1.htm", page('<img src="images/one.png" alt="one">'
                                          '<a href="Index.html">x</a>'))
        self.help.write("images/one.png", "png")
        installed = os.path.join(tempfile.mkdtemp(prefix="installed-"), "Help")
        self.addCleanup(shutil.rmtree, os.path.dirname(installed))
        shutil.copytree(self.help.root, installed)
        self.assertEqual(self.help.run("--installed", installed)[0], 0)
        shutil.rmtree(os.path.join(installed, "images"))
        code, out = self.help.run("--installed", installed)
        self.assertEqual(code, 1)
        self.assertIn("images/one.png is missing", out)

    def test_readme_pictures_exist(self):
        folder = tempfile.mkdtemp(prefix="readme-")
        self.addCleanup(shutil.rmtree, folder)
        readme = os.path.join(folder, "README.md")
        os.makedirs(os.path.join(folder, "docs/images"))
        with open(os.path.join(folder, "docs/images/builder.png"), "w") as f:
            f.write("png")
        with open(readme, "w") as f:
            f.write("![The builder](docs/images/builder.png)\n"
                    "![badge](https://ci.example/badge.svg)\n"
                    '<img src="docs/images/builder.png" alt="again">\n')
        self.assertEqual(self.help.run("--readme", readme)[0], 0)
        with open(readme, "a") as f:
            f.write("![Playing](docs/images/screen-saver.png \"title\")\n"
                    '<img alt="x" src="docs/images/Builder.png">\n')
        code, out = self.help.run("--readme", readme)
        self.assertEqual(code, 1)
        self.assertIn("picture docs/images/screen-saver.png is missing", out)
        self.assertIn("picture docs/images/Builder.png is missing", out)


if __name__ == "__main__":
    unittest.main()
