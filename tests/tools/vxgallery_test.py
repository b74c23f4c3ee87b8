"""End-to-end tests of vxgallery, run as a program: vxgallery_test.py PATH-TO-VXGALLERY"""

import filecmp
import os
import re
import sys
import tempfile
import unittest

from toolcheck import Png, run

VXGALLERY = None


def gallery(*args):
    return run([VXGALLERY, *args], timeout=120)


def tile_names():
    status, out, _ = gallery("--list")
    assert status == 0
    return [line.split()[0] for line in out.splitlines()]


class Runs(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.first = os.path.join(cls.dir.name, "first")
        cls.second = os.path.join(cls.dir.name, "second")
        cls.result = gallery(cls.first)
        cls.result2 = gallery(cls.second)

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def test_every_tile_is_reported_and_written(self):
        status, out, err = self.result
        self.assertEqual((status, err), (0, ""))
        names = tile_names()
        self.assertGreater(len(names), 20)
        lines = out.splitlines()
        self.assertEqual(len(lines), len(names) + 1)
        self.assertTrue(lines[-1].startswith(f"{len(names)} tiles in "), lines[-1])
        for name in names:
            with self.subTest(name=name):
                self.assertTrue(os.path.getsize(os.path.join(self.first, "png", name + ".png")) > 0)
                self.assertTrue(os.path.getsize(os.path.join(self.first, "svg", name + ".svg")) > 0)

    def test_two_runs_write_identical_files(self):
        self.assertEqual(self.result2[0], 0)
        compared = 0
        for folder, _, files in os.walk(self.first):
            for name in files:
                path = os.path.join(folder, name)
                other = os.path.join(self.second, os.path.relpath(path, self.first))
                with self.subTest(file=os.path.relpath(path, self.first)):
                    self.assertTrue(filecmp.cmp(path, other, shallow=False))
                compared += 1
        self.assertGreater(compared, 2 * len(tile_names()))

    def test_files_carry_no_time(self):
        with open(os.path.join(self.first, "gallery.pdf"), "rb") as f:
            pdf = f.read()
        self.assertNotIn(b"/CreationDate", pdf)
        self.assertNotIn(b"/ModDate", pdf)
        self.assertEqual(len(re.findall(rb"/Type /Page\b", pdf)), len(tile_names()))
        png = Png(os.path.join(self.first, "png", "helper-pie.png"))
        self.assertNotIn("tIME", png.chunks)

    def test_page_lists_every_tile_with_its_code(self):
        with open(os.path.join(self.first, "index.html"), encoding="utf-8") as f:
            page = f.read()
        images = re.findall(r'<img src="([^"]+)"', page)
        self.assertEqual(images, [f"png/{name}.png" for name in tile_names()])
        self.assertNotRegex(page, r"(src|href)=\"(https?:)?//")  # nothing from the network
        # The caption is the code that ran, escaped for HTML.
        self.assertIn("CanvasHelper::Pie(Canvas, 40, 10, 200, 150, 200, 40, 200, 120);", page)
        self.assertIn("DrawBezierPolygon(Canvas, Points, true, true, true, 4, 1);", page)
        self.assertIn("&quot;Clipped at the edge&quot;", page)
        # Loop variables show their values; blocks are indented; the
        # semicolons of a for header do not break it.
        self.assertIn("const float Step = 400.0f / 40;", page)
        self.assertIn("GetRotatedTextExtent(Canvas, 150, &quot;Rotated text&quot;, Origin);", page)
        self.assertIn("for (int S = csDefaultColors; S &lt;= csAntique; ++S) {\n"
                      "  const float Top = 10.0f + (S - 1) * 25.0f;\n", page)

    def test_probed_pixels(self):
        pie = Png(os.path.join(self.first, "png", "helper-pie.png"))
        self.assertEqual((pie.width, pie.height), (240, 160))
        self.assertEqual(pie.pixel(3, 3), (255, 255, 255, 255))  # background
        self.assertEqual(pie.pixel(80, 80), (0xFF, 0xD7, 0x00, 255))  # gold body of the pie
        self.assertEqual(pie.pixel(190, 80), (0xFF, 0x63, 0x47, 255))  # tomato slice in the mouth
        palettes = Png(os.path.join(self.first, "png", "colors-palettes.png"))
        # First swatch of each of the first rows: red, light blue, black.
        self.assertEqual(palettes.pixel(141, 20), (0xFF, 0, 0, 255))
        self.assertEqual(palettes.pixel(141, 45), (0xAD, 0xD8, 0xE6, 255))
        self.assertEqual(palettes.pixel(141, 70), (0, 0, 0, 255))
        # The flat rectangle style fills its cell; at opacity 0.5 the
        # checkerboard shows through it.
        flat = Png(os.path.join(self.first, "png", "shapes-flat.png"))
        self.assertEqual(flat.pixel(47, 35), (0x87, 0xCE, 0xFA, 255))
        translucent = Png(os.path.join(self.first, "png", "shapes-flat-translucent.png"))
        self.assertNotEqual(translucent.pixel(45, 35), translucent.pixel(55, 35))
        # The pie chart's first slice runs counter-clockwise from 12 o'clock.
        chart = Png(os.path.join(self.first, "png", "slices-pie.png"))
        self.assertEqual(chart.pixel(85, 60), (0xAD, 0xD8, 0xE6, 255))  # 150 degrees: light blue
        self.assertNotEqual(chart.pixel(155, 60), (0xAD, 0xD8, 0xE6, 255))  # 30 degrees: another slice
        # The star's middle is a hole under the even-odd rule only.
        for rule, colour in [("evenodd", (0xF5, 0xF5, 0xF5, 255)), ("nonzero", (0x41, 0x69, 0xE1, 255))]:
            star = Png(os.path.join(self.first, "png", f"path-fill-rule-{rule}.png"))
            self.assertEqual(star.pixel(82, 82), colour, rule)
            self.assertEqual(star.pixel(82, 30), (0x41, 0x69, 0xE1, 255), rule)
        # The form: its background, the button and the hint window below it.
        form = Png(os.path.join(self.first, "png", "form-hint-window.png"))
        self.assertEqual(form.pixel(300, 180), (0xF0, 0xF0, 0xF0, 255))
        self.assertEqual(form.pixel(45, 55), (0xB0, 0xC4, 0xDE, 255))
        self.assertEqual(form.pixel(124, 112), (0xFF, 0xFF, 0xE0, 255))


class Options(unittest.TestCase):
    def test_only_and_format_limit_what_is_written(self):
        with tempfile.TemporaryDirectory() as out:
            status, stdout, _ = gallery("--only", "helper-*", "--format", "svg", out)
            self.assertEqual(status, 0)
            written = sorted(os.listdir(os.path.join(out, "svg")))
            expected = sorted(n + ".svg" for n in tile_names() if n.startswith("helper-"))
            self.assertEqual(written, expected)
            self.assertFalse(os.path.exists(os.path.join(out, "png")))
            self.assertFalse(os.path.exists(os.path.join(out, "gallery.pdf")))
            with open(os.path.join(out, "index.html"), encoding="utf-8") as f:
                self.assertIn('<img src="svg/helper-pie.svg"', f.read())

    def test_pattern_without_wildcards_matches_part_of_the_name(self):
        status, out, _ = gallery("--only", "roundrect", "--list")
        self.assertEqual(status, 0)
        self.assertEqual([line.split()[0] for line in out.splitlines()], ["helper-roundrect"])

    def test_mistakes(self):
        cases = [
            (["--only", "no-such-tile"], "no tile matches 'no-such-tile'"),
            (["--format", "gif"], "bad value for --format: 'gif'"),
            (["--format"], "option '--format' needs a value"),
            (["--frob"], "unknown option '--frob'"),
            (["a", "b"], "more than one output folder"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                status, out, err = gallery(*args)
                self.assertEqual((status, out), (2, ""))
                self.assertIn(message, err)

    def test_unwritable_folder(self):
        with tempfile.NamedTemporaryFile() as f:
            status, _, err = gallery("--only", "helper-pie", os.path.join(f.name, "sub"))
        self.assertEqual(status, 1)
        self.assertIn("cannot create the output folder", err)

    def test_help(self):
        status, out, err = gallery("--help")
        self.assertEqual((status, err), (0, ""))
        self.assertTrue(out.startswith("Usage: vxgallery"))
        for option in ["--only", "--format", "--list"]:
            self.assertIn(option, out)


if __name__ == "__main__":
    VXGALLERY = sys.argv.pop(1)
    unittest.main(verbosity=1)
