"""Velmora.dll on its own: the full-screen window, the moving picture with its
trails, and the rules by which input (and nothing else) ends it."""

import subprocess
import time
import unittest

from harness import RENDERER_FILE, RENDERER_TITLE, SAVER_CLASS, SAVER_CREATION_TITLE, WineSession, wait_until
from test_saver import renderer_processes

TITLE = RENDERER_TITLE
WIDTH, HEIGHT = 1024, 768
WM_CLOSE = 0x0010
WM_SYSCOMMAND = 0x0112
SC_NEXTWINDOW, SC_SCREENSAVE, SC_CLOSE = 0xF040, 0xF140, 0xF060


def coloured(p):
    return max(p) - min(p) > 80


def dark(p):
    return max(p) < 16


def dim(p):
    return 16 <= max(p) < 120


class RendererTest(unittest.TestCase):
    def start_renderer(self, s):
        s.xdotool("mousemove", "300", "300")  # where the reference point starts
        proc = s.start(s.dist_path(RENDERER_FILE))
        # The title appears during creation; the window is shown at its full
        # size, and the pictures need a trail of frames behind them.
        info = s.wait_visible(TITLE, timeout=45)
        s.wait_frames(60)
        self.assertIsNone(proc.poll(), "the renderer is running")
        return proc, info

    def focus_probe_host(self, s):
        """Another program's window, given the keyboard's focus (there is no
        window manager on the test display to do it); returns the window and
        its X window."""
        other = s.start_probe("host", "10", "10", "200", "100")
        other.stdout.readline()
        x_windows = wait_until(lambda: subprocess.run(
            ["xdotool", "search", "--name", "Velmora probe host"],
            env=s.env, capture_output=True, text=True).stdout.split(), timeout=20)
        self.assertTrue(x_windows)
        s.xdotool("windowfocus", "--sync", x_windows[0])
        return other, x_windows[0]

    def assert_ends_with_zero(self, s, proc):
        self.assertEqual(s.wait_exit(proc, timeout=20), 0)
        s.wait_gone(TITLE, timeout=10)

    def test_topmost_full_screen_picture_refused_close_and_mouse_rules(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-window") as s:
            proc, info = self.start_renderer(s)
            self.assertEqual(info.cls, SAVER_CLASS)
            self.assertEqual((info.x, info.y, info.width, info.height), (0, 0, WIDTH, HEIGHT))
            self.assertTrue(info.topmost)

            first = s.screenshot("picture-1")
            time.sleep(1.0)
            second = s.screenshot("picture-2")
            pixels = WIDTH * HEIGHT
            for shot in (first, second):
                self.assertGreater(shot.count(coloured), pixels // 20, "coloured spots")
                self.assertGreater(shot.count(dark), pixels // 50, "black between the spots")
                self.assertGreater(shot.count(dim), pixels // 20, "fading trails")
            self.assertGreater(second.diff_count(first, threshold=48), pixels // 10, "it moves")

            # Another program's close request before any input is refused, and
            # window switching or a saver start asked of it do nothing.
            s.probe("post", TITLE, str(WM_CLOSE), check=True)
            for command in (SC_NEXTWINDOW, SC_SCREENSAVE, SC_CLOSE):
                s.probe("post", TITLE, str(WM_SYSCOMMAND), str(command), check=True)
            time.sleep(2)
            self.assertIsNone(proc.poll())
            self.assertIsNotNone(s.find_window(TITLE))

            # The first mouse move never ends it; from then on a drift of up
            # to 4 pixels (city-block) from the last reference is tolerated.
            for x, y in ((301, 300), (303, 302), (305, 303), (306, 306)):
                s.xdotool("mousemove", str(x), str(y))
                time.sleep(1)
            time.sleep(1)
            self.assertIsNone(proc.poll(), "a small drift does not end the saver")
            self.assertIsNotNone(s.find_window(TITLE))

            s.xdotool("mousemove", "400", "350")
            self.assert_ends_with_zero(s, proc)

    def test_portrait_screen_is_covered_and_framed_across_its_width(self):
        width, height = 600, 800
        with WineSession(width=width, height=height, name="renderer-portrait") as s:
            proc, info = self.start_renderer(s)
            self.assertEqual((info.x, info.y, info.width, info.height), (0, 0, width, height))
            time.sleep(1)
            shot = s.screenshot("portrait")
            # The cloud fills the width; the darkening reaches every edge, so
            # the black between spots is found along all four borders too.
            for box in ((0, 0, 60, height), (width - 60, 0, width, height),
                        (0, 0, width, 60), (0, height - 60, width, height)):
                self.assertGreater(shot.count(coloured, box), 100, box)
                self.assertGreater(shot.count(dark, box), 100, box)
            s.xdotool("key", "Escape")
            self.assert_ends_with_zero(s, proc)

    def test_every_monitor_shows_the_effect_and_a_move_on_any_ends_it(self):
        # Xvfb lays both screens at the origin: Wine reports a 1280 x 720
        # monitor and an 800 x 1000 one over it; the second's rows below 720
        # are its own, the first's columns right of 800 are its own.
        with WineSession(width=1280, height=720, more_screens=((800, 1000),),
                         name="renderer-two-monitors") as s:
            proc, info = self.start_renderer(s)
            self.assertEqual(info.cls, SAVER_CLASS)
            self.assertEqual((info.x, info.y, info.width, info.height), (0, 0, 1280, 1000))
            self.assertTrue(info.topmost)
            shot = s.screenshot("two-monitors")
            for box in ((0, 720, 800, 1000), (800, 0, 1280, 720)):
                area = (box[2] - box[0]) * (box[3] - box[1])
                self.assertGreater(shot.count(coloured, box), area // 20, box)
                self.assertGreater(shot.count(dark, box), area // 100, box)

            s.xdotool("mousemove", "301", "300")  # the first move never ends it
            time.sleep(1)
            self.assertIsNone(proc.poll())
            s.xdotool("mousemove", "400", "900")  # on the second monitor's own part
            self.assert_ends_with_zero(s, proc)

    def test_key_ends_it(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-key") as s:
            proc, _ = self.start_renderer(s)
            s.xdotool("key", "a")
            self.assert_ends_with_zero(s, proc)

    def test_alt_combination_ends_it(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-alt") as s:
            proc, _ = self.start_renderer(s)
            s.xdotool("key", "alt+x")
            self.assert_ends_with_zero(s, proc)

    def test_mouse_button_ends_it(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-button") as s:
            proc, _ = self.start_renderer(s)
            s.xdotool("click", "3")
            self.assert_ends_with_zero(s, proc)

    def test_losing_activation_ends_it(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-deactivated") as s:
            proc, _ = self.start_renderer(s)
            other, _ = self.focus_probe_host(s)
            self.assert_ends_with_zero(s, proc)
            other.stdin.close()

    def test_key_typed_into_another_window_ends_it(self):
        # As where the system refuses the renderer the activation: the
        # keyboard's focus stays with the window that had it, so a key is
        # that window's message, not the renderer's; the renderer sees it as
        # raw input all the same.
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-key-elsewhere") as s:
            other, other_x_window = self.focus_probe_host(s)
            proc, _ = self.start_renderer(s)
            focus = subprocess.run(["xdotool", "getwindowfocus"], env=s.env, capture_output=True,
                                   text=True).stdout.strip()
            self.assertEqual(focus, other_x_window, "the keyboard is still the other window's")
            s.xdotool("key", "a")
            self.assert_ends_with_zero(s, proc)
            other.stdin.close()

    def test_steps_aside_for_another_saver_window(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-aside") as s:
            other = s.start_probe("screensaver-window")
            other_hwnd = int(other.stdout.readline())
            proc = s.start(s.dist_path(RENDERER_FILE))
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            self.assertIsNone(s.find_window(TITLE))
            still_there = s.find_window(SAVER_CREATION_TITLE)
            self.assertIsNotNone(still_there)
            self.assertEqual(still_there.hwnd, other_hwnd)
            other.stdin.close()
            self.assertEqual(s.wait_exit(other, timeout=20), 0)

    def test_of_two_renderers_started_together_one_runs(self):
        with WineSession(width=WIDTH, height=HEIGHT, name="renderer-together") as s:
            folder = s.install_copy()
            together = s.start_probe("together", "2", f'"{s.wine_path(folder / RENDERER_FILE)}"')
            # The one that finds the lock taken ends at once, before any window.
            self.assertRegex(together.stdout.readline().decode(), r"ended=[01]\tcode=0")
            s.wait_visible(TITLE, timeout=60)
            time.sleep(2.0)  # time for a second renderer to show itself
            self.assertEqual(renderer_processes(s), 1)
            s.xdotool("key", "a")
            s.wait_gone(TITLE, timeout=20)


if __name__ == "__main__":
    unittest.main()
