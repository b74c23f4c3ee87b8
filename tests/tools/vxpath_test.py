"""End-to-end tests of vxpath, run as a program: vxpath_test.py PATH-TO-VXPATH"""

import json
import os
import sys
import tempfile
import unittest

from toolcheck import Png, run

VXPATH = None
SQUARE = "M0,0 L10,0 L10,10 L0,10 Z"
TRIANGLE = "M0,0 L10,0 L10,10 Z"
# Two squares wound the same way, one inside the other: the middle is inside
# under the non-zero rule and outside under the even-odd rule.
NESTED = "M0,0 L30,0 L30,30 L0,30 Z M10,10 L20,10 L20,20 L10,20 Z"


def vxpath(*args, stdin=None):
    return run([VXPATH, *args], stdin=stdin)


def peak_memory_kb(args):
    """Peak resident memory of one vxpath run, measured by a helper process
    of its own so that other runs do not count."""
    probe = ("import resource, subprocess, sys; "
             "subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True); "
             "print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)")
    status, out, err = run([sys.executable, "-c", probe, VXPATH, *args])
    if status != 0:
        raise AssertionError(err)
    return int(out)


class KnownResults(unittest.TestCase):
    def test_text_output(self):
        cases = [
            (["length", "M0,0 L30,40"], "50"),
            (["length", SQUARE], "40"),
            (["length", "M0,0 L3,4 M100,100 L103,104"], "10"),  # the jump between subpaths adds nothing
            (["bbox", "M-5,2 L10,20"], "-5 2 10 20"),
            (["bbox", "M0,0 C0,-10 10,-10 10,0"], "0 -7.5 10 0"),  # curve extreme, not the control points
            (["hit", "8", "2", TRIANGLE], "inside"),
            (["hit", "2", "8", TRIANGLE], "outside"),
            (["hit", "-1", "5", SQUARE], "outside"),
            (["hit", "5", "0.4", "--outline", "1", SQUARE], "inside"),
            (["hit", "5", "0.6", "--outline", "1", SQUARE], "outside"),
            (["hit", "15", "15", "--fill-rule", "subpath", NESTED], "inside"),  # inside the outer subpath
            (["normalize", "m10 10 h5 v5 z"], "M10,10 L15,10 L15,15 Z"),
            (["polygons", "M0 0 L3 4"], "[[[0,0],[3,4]]]"),
            (["split", "--len", "8", "--delimiter", "|", TRIANGLE], "M0,0 L10,0 |L10,10 Z |"),
        ]
        for args, expected in cases:
            with self.subTest(args=args):
                status, out, err = vxpath(*args)
                self.assertEqual((status, err), (0, ""))
                self.assertEqual(out, expected + "\n")

    def test_arc_length_is_close_to_half_a_circle(self):
        status, out, _ = vxpath("length", "M0,0 A5,5 0 1 1 0,10")
        self.assertEqual(status, 0)
        self.assertAlmostEqual(float(out), 5 * 3.141592653589793, delta=0.05)

    def test_split_with_line_breaks_gives_the_pieces_on_lines(self):
        status, out, _ = vxpath("split", "--len", "8", TRIANGLE)
        self.assertEqual(status, 0)
        self.assertEqual(out.splitlines(), ["M0,0 L10,0 ", "L10,10 Z "])

    def test_fill_rules(self):
        # Nested squares wound the same way; a star drawn in one stroke,
        # whose middle the outline winds around twice.
        star = "M80,10 L121,137 L13,58 L147,58 L39,137 Z"
        cases = [
            (NESTED, "15", "15", {"evenodd": "outside", "nonzero": "inside", "subpath": "inside"}),
            (NESTED, "5", "5", {"evenodd": "inside", "nonzero": "inside", "subpath": "inside"}),
            (star, "80", "80", {"evenodd": "outside", "nonzero": "inside"}),
            (star, "80", "30", {"evenodd": "inside", "nonzero": "inside"}),
            (star, "5", "5", {"evenodd": "outside", "nonzero": "outside"}),
        ]
        for path, x, y, expected in cases:
            for rule, answer in expected.items():
                with self.subTest(path=path, point=(x, y), rule=rule):
                    self.assertEqual(vxpath("hit", x, y, "--fill-rule", rule, path), (0, answer + "\n", ""))

    def test_points_along_the_path(self):
        # Along the square: right, down, left, up; past the ends it stops.
        status, out, _ = vxpath("at", "5", "15", "25", "35", "-3", "100", "--json", SQUARE)
        self.assertEqual(status, 0)
        points = [(p["distance"], p["x"], p["y"], p["angle"] % 360) for p in json.loads(out)["points"]]
        self.assertEqual(points, [(5, 5, 0, 0), (15, 10, 5, 90), (25, 5, 10, 180), (35, 0, 5, 270),
                                  (-3, 0, 0, 0), (100, 0, 0, 270)])
        self.assertEqual(vxpath("at", "15", SQUARE)[1], "10 5 90\n")


class Json(unittest.TestCase):
    def test_every_command_writes_one_json_value_per_path(self):
        paths = f"{SQUARE}\n{TRIANGLE}\n"
        cases = [
            (["length"], lambda v: v["length"], [40, 10 + 10 + 200 ** 0.5]),
            (["bbox"], lambda v: (v["left"], v["bottom"], v["width"]), [(0, 10, 10), (0, 10, 10)]),
            (["polygons"], lambda v: len(v["polygons"][0]), [5, 4]),
            (["hit", "8", "2"], lambda v: v["inside"], [True, True]),
            (["normalize"], lambda v: v["data"], [SQUARE, TRIANGLE]),
            (["split", "--len", "1000"], lambda v: v["data"].strip(), [SQUARE, TRIANGLE]),
        ]
        for args, pick, expected in cases:
            with self.subTest(args=args):
                status, out, err = vxpath(*args, "--json", "-", stdin=paths)
                self.assertEqual((status, err), (0, ""))
                lines = out.splitlines()
                self.assertEqual(len(lines), 2)
                got = [pick(json.loads(line)) for line in lines]
                for g, e in zip(got, expected):
                    if isinstance(e, float):
                        self.assertAlmostEqual(g, e, places=3)
                    else:
                        self.assertEqual(g, e)

    def test_strings_are_escaped(self):
        status, out, _ = vxpath("split", "--len", "2", "--delimiter", '"\\t\\\\', "--json", "M0,0 L1,1")
        self.assertEqual(status, 0)
        self.assertIn('"\t\\', json.loads(out)["data"])


class Input(unittest.TestCase):
    def test_file_and_stdin_give_one_line_per_path_and_skip_blank_lines(self):
        text = "M0,0 L3,4\n\n   \nM0,0 L6,8\r\nM0,0 L0,1"
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write(text)
        try:
            for args, stdin in [(["-f", f.name], None), (["-"], text)]:
                with self.subTest(args=args):
                    self.assertEqual(vxpath("length", *args, stdin=stdin), (0, "5\n10\n1\n", ""))
        finally:
            os.unlink(f.name)

    def test_a_line_without_a_path_is_reported_and_the_rest_processed(self):
        status, out, err = vxpath("length", "-", stdin="M0,0 L3,4\nhello\nM0,0 L6,8\n")
        self.assertEqual(status, 1)
        self.assertEqual(out, "5\n10\n")
        self.assertIn("stdin:2: no path data: reading stopped at character 2 ('e')", err)

    def test_large_input_streams_in_bounded_memory(self):
        line = "M0,0 C10,20 30,40 50,60 S90,100 110,120 L130,140 Z\n"
        count = 200_000  # about 11 MB of paths
        status, out, _ = vxpath("length", "-", stdin=line * count)
        self.assertEqual(status, 0)
        self.assertEqual(out.count("\n"), count)
        self.assertEqual(len(set(out.splitlines())), 1)
        if os.environ.get("VXFMX_SANITIZED"):
            self.skipTest("memory use is not meaningful under a sanitizer")
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write(line * count)
        try:
            growth = peak_memory_kb(["length", "-f", f.name]) - peak_memory_kb(["length", line])
        finally:
            os.unlink(f.name)
        self.assertLess(growth, 6 * 1024, "the input seems to be kept in memory")


class Errors(unittest.TestCase):
    def test_mistakes_give_a_message_and_a_non_zero_status(self):
        cases = [
            ([], 2, "Usage: vxpath COMMAND"),
            (["frob", SQUARE], 2, "unknown command 'frob'"),
            (["length", "--frob", SQUARE], 2, "unknown option '--frob'"),
            (["length"], 2, "no path given"),
            (["length", "1", SQUARE], 2, "unexpected argument '1'"),
            (["hit", "1", SQUARE], 2, "no path given"),
            (["hit", "1", "x", SQUARE], 2, "bad number for 'hit': 'x'"),
            (["hit", "1", "nan", SQUARE], 2, "bad number for 'hit': 'nan'"),
            (["hit", "1", "1", "--outline", "-2", SQUARE], 2, "must not be negative"),
            (["hit", "1", "1", "--fill-rule", "odd", SQUARE], 2, "bad value for --fill-rule: 'odd'"),
            (["hit", "1", "1", "--outline", "1", "--fill-rule", "subpath", SQUARE], 2, "exclude each other"),
            (["split", SQUARE], 2, "split needs --len N"),
            (["split", "--len", "0", SQUARE], 2, "bad value for --len: '0'"),
            (["split", "--len"], 2, "option '--len' needs a value"),
            (["render", SQUARE], 2, "needs an output file"),
            (["render", "-o", "x.gif", SQUARE], 2, "cannot tell the picture format"),
            (["render", "-o", "x.png", "--size", "10", SQUARE], 2, "bad value for --size"),
            (["render", "-o", "x.png", "--size", "0x10", SQUARE], 2, "bad value for --size width: '0'"),
            (["render", "-o", "x.png", "--fill", "blurple", SQUARE], 2, "bad colour for --fill: 'blurple'"),
            (["render", "-o", "x.png", "--width", "0", SQUARE], 2, "must be positive"),
            (["length", ""], 1, "no path data: the text is empty"),
            (["length", "X1,2"], 1, "reading stopped at character 1 ('X')"),
            (["length", "M 5"], 1, "'M' needs more numbers"),
            (["length", "-f", "/nonexistent/paths.txt"], 1, "cannot read '/nonexistent/paths.txt'"),
            (["length", "-f", "/"], 1, "is a directory"),
            (["render", "-o", "/nonexistent/dir/x.png", SQUARE], 1, "/nonexistent/dir/x.png"),
            (["render", "-o", "/nonexistent/dir/x.pdf", SQUARE], 1, "/nonexistent/dir/x.pdf"),
        ]
        for args, code, message in cases:
            with self.subTest(args=args):
                status, out, err = vxpath(*args)
                self.assertEqual(status, code)
                self.assertIn(message, err)
                self.assertEqual(out, "")

    def test_help(self):
        status, out, _ = vxpath("--help")
        self.assertEqual(status, 0)
        commands = ["length", "bbox", "polygons", "split", "hit", "normalize", "at", "render"]
        for name in commands:
            self.assertIn(f"\n  {name} ", out)
        for name in commands:
            for args in ([name, "--help"], ["help", name], [name, "-h", SQUARE]):
                with self.subTest(args=args):
                    status, out, err = vxpath(*args)
                    self.assertEqual((status, err), (0, ""))
                    self.assertTrue(out.startswith(f"Usage: vxpath {name}"), out)


class Render(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def test_png_pixels(self):
        png = os.path.join(self.dir.name, "square.png")
        status, out, err = vxpath("render", "-o", png, "--size", "40x20", "--fill", "#FF0000", SQUARE)
        self.assertEqual((status, out, err), (0, "", ""))
        image = Png(png)
        self.assertEqual((image.width, image.height), (40, 20))
        self.assertEqual(image.pixel(5, 5), (255, 0, 0, 255))
        self.assertEqual(image.pixel(15, 5)[3], 0)  # right of the square: transparent
        self.assertEqual(image.pixel(5, 15)[3], 0)  # below it

    def test_fit_scales_and_centres_with_stroke(self):
        png = os.path.join(self.dir.name, "fit.png")
        status, _, err = vxpath("render", "-o", png, "--size", "100x50", "--fit", "--fill", "none",
                                "--stroke", "blue", "--width", "4", SQUARE)
        self.assertEqual((status, err), (0, ""))
        image = Png(png)
        # The 10-unit square becomes 50 - 2 * (2 + 1) = 44 pixels wide,
        # centred: its left edge at x = 28, its top edge at y = 3.
        self.assertEqual(image.pixel(28, 25), (0, 0, 255, 255))
        self.assertEqual(image.pixel(50, 3), (0, 0, 255, 255))
        self.assertEqual(image.pixel(50, 25)[3], 0)  # no fill
        self.assertEqual(image.pixel(10, 25)[3], 0)  # left of the square

    def test_vector_formats(self):
        for ext, magic in [("pdf", b"%PDF-"), ("svg", b"<?xml")]:
            with self.subTest(ext=ext):
                name = os.path.join(self.dir.name, "out." + ext)
                self.assertEqual(vxpath("render", "-o", name, SQUARE)[0], 0)
                with open(name, "rb") as f:
                    self.assertEqual(f.read(5), magic)


if __name__ == "__main__":
    VXPATH = sys.argv.pop(1)
    unittest.main(verbosity=1)
